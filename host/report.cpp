// The runtime's reporting: lines on standard output, the runtime-error stop, and the line
// protocol through which a debugger attached to the standard streams drives a stopped
// program.
#include "host/report.h"

#include <cctype>
#include <cstdint>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/gc.h"

namespace {

// Longest debugger command line, its newline included.
constexpr int kCommandLineCapacity = 255;
constexpr int kDebugStringCut = 100;

// The identity a debugger names in "@<hex>", as the 32-bit pattern it was printed from; 0
// (no object) when it is not such a number.
int ParseIdentity(const char* text) {
  uint64_t identity = 0;
  for (; std::isxdigit(static_cast<unsigned char>(*text)); ++text) {
    int digit = *text <= '9' ? *text - '0' : (*text | 0x20) - 'a' + 10;
    identity = identity * 16 + static_cast<uint64_t>(digit);
    if (identity > UINT32_MAX) return 0;
  }
  return static_cast<int>(static_cast<uint32_t>(identity));
}

// Only objects the collector knows to be alive are looked at; any other number, whatever
// a debugger sends, answers like identity 0.
String DescribeObject(int identity) {
  if (identity == 0) return String();
  auto* object = dynamic_cast<Object*>(gc_find_identity(identity));
  if (!object) return String();
  return object->debug();
}

// A line without its newline, for echoing back.
std::string WithoutNewline(const char* line) {
  std::string text(line);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// All the digits a float needs to come back exactly; no ".0" is added to whole numbers.
String FormatFloat(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17lg", value);
  return String(text);
}

}  // namespace

void zuPrint(const String& text) {
  // Kept between calls: printing is frequent and the encoding rarely outgrows it.
  static std::string encoded;
  encoded.clear();
  text.AppendUtf8(encoded);
  encoded.push_back('\n');
  std::fwrite(encoded.data(), 1, encoded.size(), stdout);
  std::fflush(stdout);
}

void zuDebugLog(const String& text) { zuPrint(text); }

void zuError(const String& message) {
  // The framework ends the program this way; std::exit flushes what is still buffered.
  if (message.IsEmpty()) std::exit(0);
  dbg_error(message.ToNarrow().c_str());
}

int zuDebugStop() {
  dbg_stop();
  return 0;
}

void dbg_error(const char* text) {
  // A resumed program has nowhere to go back to, so the error is reported again.
  for (;;) {
    zuPrint(String("Vantor Runtime Error : ") + String(text));
    zuPrint(dbg_stacktrace());
    dbg_stop();
  }
}

String dbg_stacktrace() {
  // No source positions are recorded in this program, so there is no trace to give.
  return String();
}

void dbg_stop() {
  std::fputs("{{~~~~}}\n\n", stderr);
  std::fflush(stderr);

  char line[kCommandLineCapacity + 1];
  for (;;) {
    // No debugger (end of input), or a line too long or cut off: nobody to wait for.
    if (!std::fgets(line, sizeof line, stdin)) std::exit(-1);
    if (!std::strchr(line, '\n')) std::exit(-1);

    switch (line[0]) {
      case '?':
        break;
      case '@':
        dbg_print(DescribeObject(ParseIdentity(line + 1)));
        break;
      // Run, step, step in, step out: all resume, since nothing here steps.
      case 'r':
      case 's':
      case 'e':
      case 'l':
        return;
      case 'q':
        std::exit(0);
      default:
        std::printf("????? %s ?????\n", WithoutNewline(line).c_str());
        std::exit(-1);
    }
  }
}

void dbg_print(const String& text) {
  std::string narrow = text.ToNarrow();
  narrow.push_back('\n');
  std::fwrite(narrow.data(), 1, narrow.size(), stderr);
  std::fflush(stderr);
}

String dbg_type(bool*) { return String("Bool"); }
String dbg_type(int*) { return String("Int"); }
String dbg_type(float*) { return String("Float"); }
String dbg_type(String*) { return String("String"); }

String dbg_value(bool* value) { return String(*value ? "True" : "False"); }
String dbg_value(int* value) { return String(*value); }
String dbg_value(float* value) { return FormatFloat(*value); }

String dbg_value(String* value) {
  std::u16string text(value->View().substr(0, kDebugStringCut));
  if (value->Length() > kDebugStringCut) text += u"...";
  // Escaped so that the value stays on one line of the protocol and inside its quotes.
  std::u16string quoted = u"\"";
  for (char16_t unit : text) {
    switch (unit) {
      case u'"': quoted += u"~q"; break;
      case u'\t': quoted += u"~t"; break;
      case u'\n': quoted += u"~n"; break;
      case u'\r': quoted += u"~r"; break;
      default: quoted.push_back(unit);
    }
  }
  quoted += u'"';
  return String(std::u16string_view(quoted));
}

void sighandler(int signal) {
  switch (signal) {
    case SIGSEGV: dbg_error("Memory access violation");
    case SIGILL: dbg_error("Illegal instruction");
    case SIGFPE: dbg_error("Floating point exception");
    default: dbg_error("Unknown signal");
  }
}
