// The options box: its layout, acting once per press, saving once when it closes, the
// rows it leaves out, the sound labels, the slide that holds input, and the hand-over to
// the credits box.
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kFont = 90;
constexpr int kButtons = 95;
constexpr int kKeySpace = 32;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;

class OptionBox : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    // The two-state row unless a test turns the music stream on.
    zu_Quor_HasMusicStream = 0;
    app->m_Font = kFont;
    app->m_ImgInfo[3 * kFont] = 7;
    app->m_ImgInfo[3 * kFont + 1] = 10;
    app->m_ImgScale = 1;
    app->m_ImgInfo[3 * kButtons] = 64;
    app->m_ImgInfo[3 * kButtons + 1] = 64;
    app->m_Options[5] = 1;
    app->m_Mode = 1;
    app->m_OptionsOpen = 1;
    app->m_OptionsSlide = 30;
    for (int i = 0; i < 10; ++i) {
      app->m_TouchX[i] = -3717;
      app->m_TouchY[i] = -3717;
    }
  }

  // One update of the box alone, with the draw list emptied first.
  void Box() {
    app->m_DrawCount = 0;
    app->p_OptionBox();
  }
  // A key pressed for one call of the box and released for the next.
  void Tap(int key) {
    KeyDown(key);
    Box();
    KeyUp(key);
    Box();
  }
  const DrawnCommand* FindRect(float x, float y, float w, float h) {
    found = DrawnCommands(*app);
    for (const DrawnCommand& c : found) {
      if (c.kind == -3717.0f && c.x == x && c.y == y && c.sizeA == w && c.sizeB == h) return &c;
    }
    return nullptr;
  }
  // The glyphs drawn, one string per text line (spaces are not drawn).
  std::vector<std::string> Labels() const {
    std::vector<std::string> lines;
    float lastY = -1e9f;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind != kFont) continue;
      if (c.y != lastY) lines.emplace_back();
      lastY = c.y;
      lines.back() += static_cast<char>(c.frame + 32);
    }
    return lines;
  }
  // Effects played so far: each one moves the channel ring on by one.
  int Ticks() const { return app->m_NextChannel; }

  std::vector<DrawnCommand> found;
};

TEST_F(OptionBox, FullyShownTheRowsStackUnderTheBackButton) {
  app->m_OptSel = 1;
  Box();
  const DrawnCommand* panel = FindRect(50, 0, 540, 480);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->red, 150.0f);
  EXPECT_EQ(panel->green, 75.0f);
  EXPECT_FLOAT_EQ(panel->alpha, 0.85f);

  const DrawnCommand* sound = FindRect(84, 128, 472, 24);
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->green, 180.0f) << "the selected row is light blue";
  EXPECT_EQ(sound->alpha, 0.5f);
  const DrawnCommand* iCade = FindRect(84, 168, 472, 24);
  ASSERT_NE(iCade, nullptr);
  EXPECT_EQ(iCade->blue, 160.0f);
  EXPECT_EQ(iCade->green, 0.0f);
  EXPECT_NE(FindRect(84, 208, 472, 24), nullptr);
  EXPECT_NE(FindRect(360, 258, 180, 24), nullptr) << "Credits sits 50 lower, right of centre";
  EXPECT_EQ(app->m_ButtonHit, 4) << "the number of the last row";

  const std::vector<std::string> expected = {"<[BACK]", "Sound:On", "iCade:Off", "Fullscreen",
                                             "Credits"};
  EXPECT_EQ(Labels(), expected);
  const std::vector<DrawnCommand> all = DrawnCommands(*app);
  std::vector<DrawnCommand> gear;
  for (const DrawnCommand& c : all) {
    if (c.kind == kButtons) gear.push_back(c);
  }
  ASSERT_EQ(gear.size(), 3u);
  EXPECT_EQ(gear[0].frame, 8);
  EXPECT_EQ(gear[2].frame, 10);
  EXPECT_EQ(gear[0].x, 100.0f);
  EXPECT_EQ(gear[0].y, 60.0f);
  EXPECT_EQ(gear[0].sizeA, 1.5f);
  // The layers turn at -0.66, 0.33 and 1 times the angle; rotations are stored negated.
  EXPECT_FLOAT_EQ(gear[0].rot, 0.66f * 0.2f);
  EXPECT_FLOAT_EQ(gear[1].rot, -0.33f * 0.2f);
  EXPECT_FLOAT_EQ(gear[2].rot, -0.2f);
}

TEST_F(OptionBox, SlidingInItRisesFromBelowAndTheBackButtonFromTheLeft) {
  app->m_OptionsSlide = 20;
  app->m_OptSel = 0;
  Box();
  EXPECT_NE(FindRect(50, 240, 540, 480), nullptr);
  EXPECT_NE(FindRect(84, 368, 472, 24), nullptr);
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind == kButtons) {
      EXPECT_EQ(c.x, -20.0f);
      EXPECT_EQ(c.sizeA, 2.0f) << "selected, the back button is larger";
    }
  }
}

TEST_F(OptionBox, AHeldKeyActsOnceUntilEveryControlIsReleased) {
  app->m_OptSel = 1;
  KeyDown(kKeySpace);
  for (int i = 0; i < 5; ++i) Update();
  EXPECT_EQ(app->m_Options[5], 0);
  EXPECT_EQ(Ticks(), 0) << "the sound just went off";
  KeyUp(kKeySpace);
  Update();
  KeyDown(kKeySpace);
  Update();
  EXPECT_EQ(app->m_Options[5], 1);
  EXPECT_EQ(Ticks(), 1);

  KeyUp(kKeySpace);
  Update();
  app->m_OptSel = 3;  // the screen row
  KeyDown(kKeyEnter);
  for (int i = 0; i < 5; ++i) Update();
  EXPECT_EQ(Ticks(), 2);
  EXPECT_EQ(app->m_OptionsOpen, 1);
  EXPECT_EQ(host.saves, 0);
}

TEST_F(OptionBox, FireOnTheBackButtonClosesOnceAndSavesOnce) {
  app->m_OptSel = 0;
  KeyDown(kKeySpace);
  Update();
  EXPECT_EQ(app->m_OptionsOpen, 0);
  for (int i = 0; i < 10; ++i) Update();
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(Ticks(), 1);
  EXPECT_EQ(app->m_OptionsSlide, 19);
  EXPECT_EQ(app->m_Mode, 1) << "the held fire did not reach the menu";
}

// Back in the menu ends the program, so the run happens in a child that reports with its
// own exit status: 42 when the box closed and saved once and the program is still there.
TEST_F(OptionBox, BackClosesAndSavesOnceAndAHeldBackDoesNotReachTheMenu) {
  app->m_OptSel = 2;
  const auto run = [this] {
    KeyDown(kKeyEscape);
    for (int i = 0; i < 40; ++i) Update();
    const bool closedOnce = app->m_OptionsOpen == 0 && host.saves == 1;
    KeyUp(kKeyEscape);
    Update();
    std::exit(closedOnce && app->m_Mode == 1 ? 42 : 1);
  };
  EXPECT_EXIT(run(), testing::ExitedWithCode(42), "");
}

TEST_F(OptionBox, TouchingTheBackButtonClosesAndSaves) {
  app->m_TouchOn[0] = 1;
  app->m_TouchX[0] = 140;  // inside the 96-unit box of the gear at scale 1.5
  app->m_TouchY[0] = 60;
  app->m_TouchDown = 1;
  app->m_OptSel = 1;
  Box();
  EXPECT_EQ(app->m_OptionsOpen, 0);
  EXPECT_EQ(host.saves, 1);
}

TEST_F(OptionBox, WhileSlidingNothingActsButTheScreensBelowSeeInputConsumed) {
  app->m_OptionsSlide = 15;
  app->m_OptSel = 1;
  KeyDown(kKeySpace);
  Box();
  EXPECT_EQ(app->m_Options[5], 1);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_EQ(app->m_OptKeyLatch, 1);
}

TEST_F(OptionBox, InThePauseMenuTheCreditsRowIsAbsentSoDownStopsAtTheScreenRow) {
  app->m_Paused = 1;
  app->m_OptSel = 0;
  for (int i = 0; i < 5; ++i) Tap(kKeyDown);
  EXPECT_EQ(app->m_OptSel, 3);
  for (const std::string& label : Labels()) EXPECT_NE(label, "Credits");
  EXPECT_EQ(app->m_ButtonHit, 3);

  app->m_Paused = 0;
  Tap(kKeyDown);
  EXPECT_EQ(app->m_OptSel, 4);
  for (int i = 0; i < 6; ++i) Tap(kKeyUp);
  EXPECT_EQ(app->m_OptSel, 0);
}

TEST_F(OptionBox, AStoredTwoStateModeOutOfRangeReadsOffFromTheNextUpdate) {
  app->m_Options[5] = 2;
  Box();
  EXPECT_EQ(app->m_Options[5], 0);
  EXPECT_EQ(Labels()[1], "iCade:Off") << "no sound label in the first update";
  Box();
  EXPECT_EQ(Labels()[1], "Sound:Off");
}

TEST_F(OptionBox, WithMusicTheSoundRowCyclesFourModesAndStopsTheTuneForSilentMusic) {
  zu_Quor_HasMusicStream = 1;
  app->m_Options[5] = 1;
  app->m_OptSel = 1;
  app->m_Tune = 1;
  Box();
  EXPECT_EQ(Labels()[1], "Sound:SFX+Music");
  Tap(kKeySpace);
  EXPECT_EQ(app->m_Options[5], 2);
  EXPECT_EQ(app->m_Tune, 0);
  EXPECT_EQ(Labels()[1], "Sound:SFX");
  app->m_Tune = 1;
  Tap(kKeySpace);
  EXPECT_EQ(app->m_Options[5], 3);
  EXPECT_EQ(app->m_Tune, 1);
  EXPECT_EQ(Labels()[1], "Sound:Music");
  Tap(kKeySpace);
  EXPECT_EQ(app->m_Options[5], 0);
  EXPECT_EQ(app->m_Tune, 0);
}

TEST_F(OptionBox, TouchingARowSelectsAndActsOnIt) {
  app->m_Keys[3] = 2;
  app->m_TouchOn[0] = 1;
  app->m_TouchX[0] = 300;
  app->m_TouchY[0] = 175;
  app->m_TouchDown = 1;
  Box();
  EXPECT_EQ(app->m_OptSel, 2);
  EXPECT_EQ(zu_Quor_iCadeControls, 1);
  EXPECT_EQ(app->m_Keys[3], 0) << "every control slot starts released";
  Box();
  EXPECT_EQ(zu_Quor_iCadeControls, 1) << "the touch is latched until it lifts";
  app->p_iCade(0);
}

TEST_F(OptionBox, TheCreditsRowHandsOverWithoutSoundOrSave) {
  app->m_OptSel = 4;
  KeyDown(kKeySpace);
  Box();
  EXPECT_EQ(app->m_CreditsOpen, 1);
  EXPECT_EQ(app->m_OptionsOpen, 0);
  EXPECT_EQ(host.saves, 0);
  EXPECT_EQ(Ticks(), 0);
}

TEST_F(OptionBox, OnTheConsoleTheShouldersMoveTheOverscanWithin1To96) {
  zu_Quor_isConsole = 1;
  app->m_Options[14] = 64;
  Tap('B');  // with isConsole the letters still read as fire 5 here
  EXPECT_EQ(app->m_Options[14], 48);
  EXPECT_EQ(zu_Quor_overscan, 48.0f);
  for (int i = 0; i < 5; ++i) Tap('N');
  EXPECT_EQ(app->m_Options[14], 96);
  for (int i = 0; i < 8; ++i) Tap('B');
  EXPECT_EQ(app->m_Options[14], 1);
  EXPECT_EQ(zu_Quor_overscan, 1.0f);
  for (const std::string& label : Labels()) EXPECT_NE(label, "iCade:Off");
}

}  // namespace
