// The saved-progress text: its exact layout and checksums, round trips, each damaged
// section reset on its own with its printed line, short states, the option limits and the
// overscan option.
#include <climits>
#include <string>

#include "shell/quor.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kFields = 26 + 9 + 31 * 21;

// Field index of score group g's entry (pair j, 0 top or 1 last) and of its checksum.
int ScoreField(int g, int j, int last) { return 35 + 21 * g + 2 * j + last; }
int ScoreChecksumField(int g) { return 35 + 21 * g + 20; }

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

std::string ScoreLines(int from, int to, const std::string& outcome) {
  std::string out;
  for (int g = from; g <= to; ++g) out += "Highscore " + std::to_string(g) + " " + outcome + "\n";
  return out;
}

class SavedProgressTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->m_Options[5] = 1;
  }

  Array<String> SavedFields() { return host.savedState.Split(String("|")); }
  void SetField(int index, const char* value) {
    Array<String> parts = SavedFields();
    parts[index] = String(value);
    host.savedState = String("|").Join(parts);
  }

  // Loads the saved text into a cleared shell and returns what it printed.
  std::string ClearAndLoad() {
    for (int i = 0; i < 25; ++i) app->m_Options[i] = 0;
    for (int i = 0; i < 256; ++i) app->m_Badges[i] = false;
    for (int i = 0; i < 1300; ++i) app->m_Highscores[i] = 0;
    app->m_Options[5] = 1;
    ::testing::internal::CaptureStdout();
    app->p_Load();
    return ::testing::internal::GetCapturedStdout();
  }

  // A varied progress: options, some badges, and scores in several games.
  void FillProgress() {
    app->m_Options[3] = 2;
    app->m_Options[10] = 200;
    app->m_Options[11] = 90;
    app->m_Options[12] = 15;
    app->m_Options[24] = 100;
    app->m_Badges[0] = true;
    app->m_Badges[33] = true;
    app->m_Badges[255] = true;
    for (int g = 0; g < 26; ++g) {
      for (int j = 0; j < 10; ++j) {
        app->m_Highscores[g * 10 + j] = (g + 1) * 1000 - j * 37;
        app->m_Highscores[260 + g * 10 + j] = g * 31 + j * 7;
      }
    }
  }
};

// --- the text ---

TEST_F(SavedProgressTest, AFreshStateIsWrittenFieldByField) {
  app->p_Save();
  std::string expected = "0|0|0|0|0|1|";
  for (int i = 0; i < 19; ++i) expected += "0|";
  expected += "5|";
  for (int i = 0; i < 9 + 31 * 21; ++i) expected += "0|";
  EXPECT_EQ(host.savedState.ToUtf8(), expected);
  EXPECT_EQ(host.saves, 1);
  // Ends with "|", so splitting leaves an empty last part.
  EXPECT_EQ(SavedFields().Length(), kFields + 1);
}

TEST_F(SavedProgressTest, EachSectionCarriesItsChecksum) {
  app->m_Options[24] = 100;
  app->m_Badges[0] = true;
  app->m_Badges[33] = true;
  app->m_Highscores[2 * 10 + 0] = 500;
  app->m_Highscores[260 + 2 * 10 + 9] = 30;
  app->p_Save();
  const Array<String> fields = SavedFields();
  EXPECT_EQ(fields[25], String("2405"));  // 24 x 100 + 5 x 1
  EXPECT_EQ(fields[26], String("1"));
  EXPECT_EQ(fields[27], String("2"));
  EXPECT_EQ(fields[34], String("3"));
  EXPECT_EQ(fields[ScoreField(2, 0, 0)], String("500"));
  EXPECT_EQ(fields[ScoreField(2, 9, 1)], String("30"));
  EXPECT_EQ(fields[ScoreChecksumField(2)], String("2420"));  // 4 x 500 + 14 x 30
}

TEST_F(SavedProgressTest, BadgeFlagThirtyOneAloneIsTheLowestInt) {
  app->m_Badges[31] = true;
  app->p_Save();
  EXPECT_EQ(SavedFields()[26], String("-2147483648"));
  EXPECT_EQ(SavedFields()[34], String("-2147483648"));
  const std::string printed = ClearAndLoad();
  EXPECT_NE(printed.find("Badges Loaded\n"), std::string::npos);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(app->m_Badges[i], i == 31) << i;
}

TEST_F(SavedProgressTest, TablesBeyondTheGamesAreWrittenButNotRead) {
  app->m_Highscores[300] = 5;  // group 30's first top entry
  app->m_Highscores[569] = 6;  // group 30's last last-ten entry
  app->p_Save();
  EXPECT_EQ(SavedFields()[ScoreField(30, 0, 0)], String("5"));
  EXPECT_EQ(SavedFields()[ScoreField(30, 9, 1)], String("6"));
  EXPECT_EQ(SavedFields()[ScoreChecksumField(30)], String("272"));  // 4 x 5 + 42 x 6
  app->m_Highscores[569] = 77;
  app->p_Load();
  EXPECT_EQ(app->m_Highscores[569], 77);
}

// --- round trips ---

TEST_F(SavedProgressTest, ARoundTripRestoresEverythingAndReportsEachSection) {
  FillProgress();
  app->p_Save();
  const std::string printed = ClearAndLoad();
  EXPECT_EQ(printed, Lines({"Settings Loaded", "Badges Loaded"}) + ScoreLines(0, 25, "Loaded"));
  EXPECT_EQ(app->m_Options[3], 2);
  EXPECT_EQ(app->m_Options[10], 200);
  EXPECT_EQ(app->m_Options[12], 15);
  EXPECT_EQ(app->m_Options[24], 100);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(app->m_Badges[i], i == 0 || i == 33 || i == 255) << i;
  for (int g = 0; g < 26; ++g) {
    for (int j = 0; j < 10; ++j) {
      ASSERT_EQ(app->m_Highscores[g * 10 + j], (g + 1) * 1000 - j * 37);
      ASSERT_EQ(app->m_Highscores[260 + g * 10 + j], g * 31 + j * 7);
    }
  }
}

TEST_F(SavedProgressTest, ChecksumsWrapAroundTheIntRange) {
  for (int i = 0; i < 25; ++i) app->m_Options[i] = INT_MAX;
  for (int i = 0; i < 256; ++i) app->m_Badges[i] = true;
  for (int j = 0; j < 10; ++j) {
    app->m_Highscores[j] = INT_MAX;
    app->m_Highscores[260 + j] = INT_MIN;
    app->m_Highscores[250 + j] = INT_MAX;
    app->m_Highscores[510 + j] = INT_MAX;
  }
  app->p_Save();
  const Array<String> fields = SavedFields();
  EXPECT_EQ(fields[25], String("-300"));
  EXPECT_EQ(fields[26], String("-1"));
  EXPECT_EQ(fields[34], String("-8"));
  EXPECT_EQ(fields[ScoreChecksumField(0)], String("-85"));
  EXPECT_EQ(fields[ScoreChecksumField(25)], String("-410"));

  const std::string printed = ClearAndLoad();
  EXPECT_EQ(printed, Lines({"Settings Loaded", "Badges Loaded"}) + ScoreLines(0, 25, "Loaded"));
  EXPECT_EQ(app->m_Options[0], INT_MAX);
  EXPECT_EQ(app->m_Highscores[260], INT_MIN);
  EXPECT_EQ(app->m_Highscores[519], INT_MAX);
  EXPECT_TRUE(app->m_Badges[255]);
}

// --- damaged sections ---

TEST_F(SavedProgressTest, OneChangedDigitResetsOnlyThatGamesTables) {
  FillProgress();
  app->p_Save();
  // Group 3's first top entry is 4000; 4001 breaks its checksum.
  SetField(ScoreField(3, 0, 0), "4001");
  const std::string printed = ClearAndLoad();
  EXPECT_EQ(printed, Lines({"Settings Loaded", "Badges Loaded"}) + ScoreLines(0, 2, "Loaded") +
                         ScoreLines(3, 3, "Checksum Invalid") + ScoreLines(4, 25, "Loaded"));
  for (int j = 0; j < 10; ++j) {
    EXPECT_EQ(app->m_Highscores[30 + j], 0);
    EXPECT_EQ(app->m_Highscores[290 + j], 0);
  }
  EXPECT_EQ(app->m_Highscores[20], 3000);
  EXPECT_EQ(app->m_Highscores[40], 5000);
  EXPECT_EQ(app->m_Highscores[260 + 4 * 10 + 1], 4 * 31 + 7);
  EXPECT_EQ(app->m_Options[24], 100);
  EXPECT_TRUE(app->m_Badges[33]);
}

TEST_F(SavedProgressTest, DamagedSettingsResetOnlyTheOptions) {
  FillProgress();
  app->p_Save();
  SetField(3, "3");
  const std::string printed = ClearAndLoad();
  EXPECT_EQ(printed,
            Lines({"Settings Checksum Invalid", "Badges Loaded"}) + ScoreLines(0, 25, "Loaded"));
  // Defaults: everything 0 but sound, then the limits.
  for (int i : {0, 1, 2, 3, 4, 6, 13, 24}) EXPECT_EQ(app->m_Options[i], 0) << i;
  EXPECT_EQ(app->m_Options[5], 1);
  EXPECT_EQ(app->m_Options[10], 64);
  EXPECT_EQ(app->m_Options[11], 64);
  EXPECT_EQ(app->m_Options[12], 10);
  EXPECT_EQ(app->m_Options[14], 64);
  EXPECT_TRUE(app->m_Badges[255]);
  EXPECT_EQ(app->m_Highscores[250], 26000);
}

TEST_F(SavedProgressTest, ABadBadgeChecksumClearsAllFlagsAndNothingElse) {
  FillProgress();
  app->p_Save();
  SetField(34, "4");
  const std::string printed = ClearAndLoad();
  EXPECT_EQ(printed,
            Lines({"Settings Loaded", "Badge Checksum Invalid"}) + ScoreLines(0, 25, "Loaded"));
  for (int i = 0; i < 256; ++i) ASSERT_FALSE(app->m_Badges[i]) << i;
  EXPECT_EQ(app->m_Options[24], 100);
  EXPECT_EQ(app->m_Highscores[0], 1000);
}

// --- short and long states ---

TEST_F(SavedProgressTest, AnEmptyStateKeepsTheDefaultsAndPrintsNothing) {
  app->m_Highscores[5] = 42;
  ::testing::internal::CaptureStdout();
  app->p_Load();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(app->m_Highscores[5], 42);
  EXPECT_EQ(app->m_Options[5], 1);
  EXPECT_EQ(app->m_Options[10], 64);
  EXPECT_EQ(app->m_Options[11], 64);
  EXPECT_EQ(app->m_Options[12], 10);
  EXPECT_EQ(app->m_Options[14], 64);
}

TEST_F(SavedProgressTest, TwentyFivePartsHaveNoSettingsSection) {
  app->m_Options[3] = 9;
  std::string text;
  for (int i = 0; i < 24; ++i) text += "7|";
  text += "7";
  host.savedState = String(text.c_str());
  ::testing::internal::CaptureStdout();
  app->p_Load();
  const std::string printed = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(printed.find("Settings"), std::string::npos);
  EXPECT_EQ(app->m_Options[3], 9);
}

TEST_F(SavedProgressTest, GroupsThatDoNotFitInAShortStateKeepTheirValues) {
  FillProgress();
  app->p_Save();
  // Keep the settings, the badges and ten whole groups.
  const Array<String> fields = SavedFields();
  std::string text;
  for (int i = 0; i < 35 + 21 * 10; ++i) text += fields[i].ToUtf8() + "|";
  host.savedState = String(text.c_str());
  for (int i = 0; i < 1300; ++i) app->m_Highscores[i] = 11;
  ::testing::internal::CaptureStdout();
  app->p_Load();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            Lines({"Settings Loaded", "Badges Loaded"}) + ScoreLines(0, 9, "Loaded"));
  EXPECT_EQ(app->m_Highscores[90], 10000);
  EXPECT_EQ(app->m_Highscores[100], 11);
  EXPECT_EQ(app->m_Highscores[260 + 100], 11);
}

// --- option limits and overscan ---

TEST_F(SavedProgressTest, LoadedOptionsAreKeptWithinTheirLimits) {
  app->m_Options[10] = 63;
  app->m_Options[11] = 64;
  app->m_Options[12] = 7;
  app->p_Save();
  ClearAndLoad();
  EXPECT_EQ(app->m_Options[10], 64);
  EXPECT_EQ(app->m_Options[11], 64);
  EXPECT_EQ(app->m_Options[12], 10);
}

// The desktop draws edge to edge but keeps the border that play from the sofa set, so
// that switching between the two loses nothing.
TEST_F(SavedProgressTest, TheDesktopDrawsWithoutTheSofasBorderAndKeepsIt) {
  zu_Quor_isConsole = 1;
  app->m_Options[14] = 40;
  app->p_Save();
  zu_Quor_isConsole = 0;
  ClearAndLoad();
  EXPECT_EQ(zu_Quor_overscan, 0);
  EXPECT_EQ(app->m_Options[14], 40);
  app->p_Save();
  EXPECT_EQ(SavedFields()[14], String("40"));

  zu_Quor_isConsole = 1;
  ClearAndLoad();
  EXPECT_EQ(zu_Quor_overscan, 40);
}

TEST_F(SavedProgressTest, ConsoleBuildsTakeTheBorderFromTheOptions) {
  zu_Quor_isConsole = 1;
  app->m_Options[14] = 40;
  app->p_Save();
  ClearAndLoad();
  EXPECT_EQ(zu_Quor_overscan, 40);
  EXPECT_EQ(app->m_Options[14], 40);

  // No border option yet: 64.
  host.savedState = String();
  app->m_Options[14] = 0;
  app->p_Load();
  EXPECT_EQ(app->m_Options[14], 64);
  EXPECT_EQ(zu_Quor_overscan, 64);
}

}  // namespace
