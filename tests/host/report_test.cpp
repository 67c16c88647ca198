#include "host/report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host/gc.h"

namespace {

namespace fs = std::filesystem;

// Exit status of a child whose code under test returned normally.
constexpr int kReturned = 42;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs code that may end the process in a child whose standard input is `input` and whose
// standard output and error are kept in files for the test to read afterwards.
class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "zandrel-report-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
  }

  template <class Body>
  void RunEndingWith(int status, const std::string& input, Body body) {
    std::ofstream(directory_ / "in", std::ios::binary) << input;
    std::string in = (directory_ / "in").string();
    std::string out = (directory_ / "out").string();
    std::string err = (directory_ / "err").string();
    EXPECT_EXIT(
        {
          if (!std::freopen(in.c_str(), "r", stdin) || !std::freopen(out.c_str(), "w", stdout) ||
              !std::freopen(err.c_str(), "w", stderr)) {
            std::_Exit(99);
          }
          body();
          std::exit(kReturned);
        },
        ::testing::ExitedWithCode(status), "");
  }
  std::string Out() const { return ReadFile(directory_ / "out"); }
  std::string Err() const { return ReadFile(directory_ / "err"); }

  fs::path directory_;
};

constexpr const char* kStopLines = "{{~~~~}}\n\n";

// --- printing ---

// Above U+07FF a unit takes three bytes; surrogate halves are written one by one.
TEST_F(ReportTest, PrintWritesUtf8UnitByUnitAndANewline) {
  RunEndingWith(kReturned, "", [] {
    zuPrint(String(u"A \u00E9 \u07FF \u0800 \u20AC \U0001F600"));
    zuDebugLog(String("x"));
  });
  EXPECT_EQ(Out(),
            "A \xC3\xA9 \xDF\xBF \xE0\xA0\x80 \xE2\x82\xAC \xED\xA0\xBD\xED\xB8\x80\n"
            "x\n");
}

TEST_F(ReportTest, ShorterLineAfterALongerOneCarriesNothingOver) {
  RunEndingWith(kReturned, "", [] {
    zuPrint(String("a long first line"));
    zuPrint(String("ab"));
    zuPrint(String());
  });
  EXPECT_EQ(Out(), "a long first line\nab\n\n");
}

TEST_F(ReportTest, DebugPrintNarrowsEachUnitToAByteOnStandardError) {
  RunEndingWith(kReturned, "", [] { dbg_print(String(u"caf\u00E9\u20AC")); });
  EXPECT_EQ(Err(), "caf\xE9\xAC\n");
  EXPECT_EQ(Out(), "");
}

// --- the runtime error and its stop ---

TEST_F(ReportTest, EmptyErrorEndsTheProgramNormallyKeepingWhatWasPrinted) {
  RunEndingWith(0, "q\n", [] {
    std::printf("pending");
    zuError(String());
  });
  EXPECT_EQ(Out(), "pending");
  EXPECT_EQ(Err(), "");
}

TEST_F(ReportTest, ErrorWithoutADebuggerEndsWithStatusMinusOne) {
  RunEndingWith(255, "", [] { zuError(String("boom")); });
  EXPECT_EQ(Out(), "Vantor Runtime Error : boom\n\n");
  EXPECT_EQ(Err(), kStopLines);
}

TEST_F(ReportTest, ErrorMessageIsNarrowedToEightBits) {
  RunEndingWith(255, "", [] { zuError(String(u"caf\u00E9 \u20AC")); });
  // U+20AC keeps only its low byte, 0xAC, which prints as U+00AC.
  EXPECT_EQ(Out(), "Vantor Runtime Error : caf\xC3\xA9 \xC2\xAC\n\n");
}

TEST_F(ReportTest, EveryResumeCommandReportsTheErrorAgain) {
  RunEndingWith(255, "r\ns\ne\nl\n", [] { dbg_error("again"); });
  std::string report = "Vantor Runtime Error : again\n\n";
  EXPECT_EQ(Out(), report + report + report + report + report);
  EXPECT_EQ(Err(), std::string(kStopLines) + kStopLines + kStopLines + kStopLines + kStopLines);
}

TEST_F(ReportTest, QuitEndsWithStatusZeroAndQuestionLinesAreIgnored) {
  RunEndingWith(0, "?\n?anything\nq\n", [] { dbg_error("stop"); });
  EXPECT_EQ(Out(), "Vantor Runtime Error : stop\n\n");
  EXPECT_EQ(Err(), kStopLines);
}

TEST_F(ReportTest, DebugStopReturnsZeroWhenResumed) {
  RunEndingWith(kReturned, "r\n", [] {
    if (zuDebugStop() != 0) std::_Exit(1);
  });
  EXPECT_EQ(Err(), kStopLines);
  EXPECT_EQ(Out(), "");
}

TEST_F(ReportTest, UnknownCommandIsEchoedAndEndsWithStatusMinusOne) {
  RunEndingWith(255, "x y\n", [] { dbg_stop(); });
  EXPECT_EQ(Out(), "????? x y ?????\n");
}

TEST_F(ReportTest, EmptyCommandLineIsUnknown) {
  RunEndingWith(255, "\nq\n", [] { dbg_stop(); });
  EXPECT_EQ(Out(), "?????  ?????\n");
}

TEST_F(ReportTest, LineWithoutANewlineEndsWithStatusMinusOne) {
  RunEndingWith(255, "q", [] { dbg_stop(); });
  EXPECT_EQ(Out(), "");
}

TEST_F(ReportTest, CommandLineOf255CharactersFits) {
  RunEndingWith(0, "?" + std::string(253, 'x') + "\nq\n", [] { dbg_stop(); });
}

TEST_F(ReportTest, LongerCommandLineEndsWithStatusMinusOne) {
  RunEndingWith(255, "?" + std::string(254, 'x') + "\nq\n", [] { dbg_stop(); });
  RunEndingWith(255, "?" + std::string(300, 'x') + "\nq\n", [] { dbg_stop(); });
}

// --- the debugger's object query ---

struct Probe : Object {
  String debug() override { return String("+Probe\nscore=7"); }
};

std::string Query(int identity) {
  char line[32];
  std::snprintf(line, sizeof line, "@%x\n", static_cast<unsigned>(identity));
  return line;
}

TEST_F(ReportTest, QueryOfALiveObjectAnswersItsDebugText) {
  Probe* probe = gc_new<Probe>();
  ASSERT_TRUE(gc_is_live(probe));
  RunEndingWith(0, Query(probe->identity) + "q\n", [] { dbg_stop(); });
  EXPECT_EQ(Err(), std::string(kStopLines) + "+Probe\nscore=7\n");
}

TEST_F(ReportTest, QueryOfAnUnknownIdentityAnswersAnEmptyLine) {
  Probe* probe = gc_new<Probe>();
  std::string input = Query(probe->identity + 1000000) + "@0\n@\n@zz\n@1ffffffff\n" + "q\n";
  RunEndingWith(0, input, [] { dbg_stop(); });
  EXPECT_EQ(Err(), std::string(kStopLines) + "\n\n\n\n\n");
}

// --- signals ---

TEST_F(ReportTest, SignalsAreRuntimeErrors) {
  const std::pair<int, const char*> cases[] = {
      {SIGSEGV, "Memory access violation"},
      {SIGILL, "Illegal instruction"},
      {SIGFPE, "Floating point exception"},
      {SIGUSR1, "Unknown signal"},
  };
  for (const auto& [number, message] : cases) {
    SCOPED_TRACE(message);
    RunEndingWith(255, "", [number = number] { sighandler(number); });
    EXPECT_EQ(Out(), std::string("Vantor Runtime Error : ") + message + "\n\n");
  }
}

// --- the debugger's value formatting ---

std::u16string text(const String& s) { return std::u16string(s.View()); }

TEST(DebugFormat, NumbersAndBools) {
  bool yes = true, no = false;
  int negative = -2147483647 - 1;
  float tenth = 0.1f, three = 3.0f;
  EXPECT_EQ(text(dbg_value(&yes)), u"True");
  EXPECT_EQ(text(dbg_value(&no)), u"False");
  EXPECT_EQ(text(dbg_value(&negative)), u"-2147483648");
  EXPECT_EQ(text(dbg_value(&tenth)), u"0.10000000149011612");
  EXPECT_EQ(text(dbg_value(&three)), u"3");
}

TEST(DebugFormat, StringsAreQuotedWithControlCharactersEscaped) {
  String value(u"say \"hi\"\tnow\r\n~");
  EXPECT_EQ(text(dbg_value(&value)), u"\"say ~qhi~q~tnow~r~n~\"");
}

TEST(DebugFormat, StringsAreCutAfterAHundredUnits) {
  String exactly(std::u16string(100, u'a'));
  EXPECT_EQ(text(dbg_value(&exactly)), u"\"" + std::u16string(100, u'a') + u"\"");
  String longer(std::u16string(101, u'a'));
  EXPECT_EQ(text(dbg_value(&longer)), u"\"" + std::u16string(100, u'a') + u"...\"");
}

TEST(DebugFormat, TheCutCountsUnitsBeforeEscaping) {
  String quotes(std::u16string(101, u'"'));
  std::u16string expected = u"\"";
  for (int i = 0; i < 100; ++i) expected += u"~q";
  EXPECT_EQ(text(dbg_value(&quotes)), expected + u"...\"");
}

}  // namespace
