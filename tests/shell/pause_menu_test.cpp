// The pause button and the pause menu: opening by key and by touch, the slide, the panel's
// layout, key and touch navigation with its sounds, the turning gear, quitting (which
// records the score) and the frozen game underneath.
#include <vector>

#include "shell/quor.h"
#include "tests/shell/effect_recorder.h"
#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kMouseDown = 4;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kJump = 22;

class PauseMenuTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    sounds = EffectRecorder::Install(app);
    app->m_Options[5] = 1;
    for (int i = 0; i < 33; ++i) app->m_Channels[i] = i;

    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 480;
    app->m_Landscape = 1;
    app->m_ScaleX = 1;
    app->m_ScaleY = 1;
    app->m_ImgScale = 1;
    app->m_ImgInfo[3 * 97] = 32;
    app->m_ImgInfo[3 * 97 + 1] = 32;
    app->m_ImgInfo[3 * 95] = 64;
    app->m_ImgInfo[3 * 95 + 1] = 64;
    app->m_PauseState = -1;
    app->m_PauseY = -64;
    app->m_Game = kJump;
    app->m_Mode = 11;
    Update();
  }
  void TearDown() override { zu_audio_device = nullptr; }

  void Press(int key) {
    KeyDown(key);
    Update();
    KeyUp(key);
    Update();
  }
  void OpenAndSettle() {
    Press(kEscape);
    for (int i = 0; i < 20; ++i) Update();
    sounds->played.clear();
  }
  // Image commands of `image` and `frame`, in drawing order.
  std::vector<DrawnCommand> Images(int image, int frame) {
    std::vector<DrawnCommand> out;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind == image && c.frame == frame) out.push_back(c);
    }
    return out;
  }
  std::vector<DrawnCommand> Rects() {
    std::vector<DrawnCommand> out;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind == ZU_DRAW_RECT) out.push_back(c);
    }
    return out;
  }

  EffectRecorder* sounds = nullptr;
};

// --- opening ---

TEST_F(PauseMenuTest, EscapeOpensTheMenuWithAChime) {
  KeyDown(kEscape);
  Update();
  EXPECT_EQ(app->m_Paused, 1);
  EXPECT_EQ(app->m_PauseState, 1);
  EXPECT_EQ(app->m_PauseSel, 0);
  EXPECT_EQ(app->m_KeyLatch, 1);
  ASSERT_EQ(sounds->played.size(), 1u);
  EXPECT_EQ(sounds->played[0].number, 98);
  EXPECT_EQ(sounds->played[0].volume, 0.5f);
  // Still held: the same press does not close it again.
  Update();
  Update();
  EXPECT_EQ(app->m_PauseState, 1);
  EXPECT_EQ(sounds->played.size(), 1u);
}

TEST_F(PauseMenuTest, PauseButtonIsAFaintIconInTheCorner) {
  Update();
  const std::vector<DrawnCommand> buttons = Images(97, 0);
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons[0].x, 16);
  EXPECT_EQ(buttons[0].y, 16);
  EXPECT_FLOAT_EQ(buttons[0].alpha, 0.2f);
}

TEST_F(PauseMenuTest, ClickingThePauseButtonOpensTheMenuOnce) {
  input->p_MouseEvent(kMouseDown, 0, 20, 12);
  Update();
  EXPECT_EQ(app->m_Paused, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  // Held down while the panel arrives: nothing else happens.
  for (int i = 0; i < 15; ++i) Update();
  EXPECT_EQ(app->m_PauseState, 1);
  EXPECT_EQ(sounds->played.size(), 1u);
}

// A game where a touch anywhere plays (Ice's jump) takes the tap before the button sees it.
TEST_F(PauseMenuTest, ATouchTheGameUsedStillPausesButNotAPlayThatIsOver) {
  app->m_TouchLatch = 1;
  app->m_TouchDown = 1;
  app->m_TouchX[0] = 16;
  app->m_TouchY[0] = 16;
  app->m_Dead = 1;
  app->p_InGame();
  EXPECT_EQ(app->m_Paused, 0);
  app->m_Dead = 0;
  app->p_InGame();
  EXPECT_EQ(app->m_Paused, 1);
}

TEST_F(PauseMenuTest, WithTheHudHiddenThereIsNoButtonButEscapeStillPauses) {
  app->m_HideHud = 1;
  Update();
  EXPECT_TRUE(Images(97, 0).empty());
  KeyDown(kEscape);
  Update();
  EXPECT_EQ(app->m_Paused, 1);
  EXPECT_FALSE(Rects().empty()) << "the menu itself is drawn";
}

// --- slide and layout ---

TEST_F(PauseMenuTest, PanelSlidesDownInStepsOf24AndStopsPastTheMiddle) {
  KeyDown(kEscape);
  std::vector<int> ys;
  for (int i = 0; i < 15; ++i) {
    Update();
    ys.push_back(app->m_PauseY);
  }
  EXPECT_EQ(ys, (std::vector<int>{-40, -16, 8, 32, 56, 80, 104, 128, 152, 176, 200, 224, 248,
                                  248, 248}));
}

TEST_F(PauseMenuTest, ScreenDarkensWithTheDistanceOfThePanel) {
  KeyDown(kEscape);
  Update();
  // Drawn before the panel moves: |-64| / 384.
  EXPECT_FLOAT_EQ(Rects()[0].alpha, 64.0f / 384.0f);
  EXPECT_EQ(Rects()[0].sizeA, 640);
  EXPECT_EQ(Rects()[0].sizeB, 480);
}

TEST_F(PauseMenuTest, LandscapePanelAndButtons) {
  OpenAndSettle();
  const std::vector<DrawnCommand> rects = Rects();
  ASSERT_GE(rects.size(), 4u);
  // Panel centred on (320, 248).
  EXPECT_EQ(rects[1].x, 192);
  EXPECT_EQ(rects[1].y, 184);
  EXPECT_EQ(rects[1].sizeA, 256);
  EXPECT_EQ(rects[1].sizeB, 8);
  EXPECT_EQ(rects[2].x, 180);
  EXPECT_EQ(rects[2].y, 196);
  EXPECT_EQ(rects[2].sizeA, 280);
  EXPECT_EQ(rects[2].sizeB, 104);
  EXPECT_FLOAT_EQ(rects[2].alpha, 0.7f);
  EXPECT_EQ(rects[3].y, 304);
  EXPECT_EQ(rects[3].blue, 255);

  const std::vector<DrawnCommand> resume = Images(97, 3);
  ASSERT_EQ(resume.size(), 1u);
  EXPECT_EQ(resume[0].x, 320);
  EXPECT_EQ(resume[0].y, 248);
  EXPECT_EQ(resume[0].sizeA, 2);
  EXPECT_EQ(resume[0].blue, 250);
  const std::vector<DrawnCommand> quit = Images(97, 1);
  ASSERT_EQ(quit.size(), 1u);
  EXPECT_EQ(quit[0].x, 180);
  EXPECT_EQ(quit[0].y, 184);
  EXPECT_EQ(quit[0].red, 255);
  EXPECT_EQ(quit[0].green, 50);
  for (int frame : {8, 9, 10}) {
    const std::vector<DrawnCommand> gear = Images(95, frame);
    ASSERT_EQ(gear.size(), 1u) << frame;
    EXPECT_EQ(gear[0].x, 460);
    EXPECT_EQ(gear[0].y, 184);
  }
  // The ring marks resume, the selection a fresh menu starts with.
  const std::vector<DrawnCommand> ring = Images(97, 6);
  ASSERT_EQ(ring.size(), 1u);
  EXPECT_EQ(ring[0].x, 320);
  EXPECT_EQ(ring[0].sizeA, 2.5f);
}

TEST_F(PauseMenuTest, PortraitPanelIsNarrowerAndTaller) {
  zu_Quor_jscrw = 360;
  app->m_Landscape = 0;
  OpenAndSettle();
  const std::vector<DrawnCommand> rects = Rects();
  ASSERT_GE(rects.size(), 4u);
  EXPECT_EQ(rects[1].x, 84);
  EXPECT_EQ(rects[1].y, 156);
  EXPECT_EQ(rects[1].sizeA, 192);
  EXPECT_EQ(rects[2].x, 52);
  EXPECT_EQ(rects[2].y, 168);
  EXPECT_EQ(rects[2].sizeB, 160);
  EXPECT_EQ(rects[3].y, 332);
  EXPECT_EQ(Images(97, 1)[0].x, 84);
  EXPECT_EQ(Images(97, 1)[0].y, 152);
  EXPECT_EQ(app->m_TmpI, 84);
  EXPECT_EQ(app->m_TmpJ, 152);
  EXPECT_EQ(Images(95, 10)[0].x, 276);
}

TEST_F(PauseMenuTest, GearTurnsWhileTheOptionsBoxIsClosed) {
  OpenAndSettle();
  const float turned = app->m_PauseOpt;
  Update();
  EXPECT_FLOAT_EQ(app->m_PauseOpt, turned + 0.2f);
  // Stored negated: the outer layer turns one way, the inner two the other.
  EXPECT_FLOAT_EQ(Images(95, 8)[0].rot, 0.66f * app->m_PauseOpt);
  EXPECT_FLOAT_EQ(Images(95, 9)[0].rot, -0.33f * app->m_PauseOpt);
  EXPECT_FLOAT_EQ(Images(95, 10)[0].rot, -0.33f * app->m_PauseOpt);
  app->m_OptionsOpen = 1;
  const float stopped = app->m_PauseOpt;
  app->p_PauseMenu();
  EXPECT_EQ(app->m_PauseOpt, stopped);
}

TEST_F(PauseMenuTest, OnConsolesTheShoulderButtonsSetTheOverscanWithinItsLimits) {
  zu_Quor_isConsole = 1;
  app->m_Paused = 1;
  app->m_PauseState = 1;
  app->m_PauseY = 248;
  app->m_Options[14] = 64;
  KeyDown('B');  // fire 5
  app->p_PauseMenu();
  EXPECT_EQ(app->m_Options[14], 48);
  EXPECT_EQ(zu_Quor_overscan, 48);
  EXPECT_EQ(app->m_KeyLatch, 1);
  app->m_KeyLatch = 0;
  app->m_Options[14] = 1;
  app->p_PauseMenu();
  EXPECT_EQ(app->m_Options[14], 1) << "kept at 1 when lowered below it";
  EXPECT_EQ(zu_Quor_overscan, 1);
  // A touch on the bar jumps to the far end.
  app->m_TouchOn[1] = 1;
  app->m_TouchX[1] = 330;
  app->m_TouchY[1] = 90;
  app->p_PauseMenu();
  EXPECT_EQ(app->m_Options[14], 96);
  EXPECT_EQ(zu_Quor_overscan, 96);
  EXPECT_EQ(app->m_TouchLatch, 1);
}

// --- keys ---

TEST_F(PauseMenuTest, KeysMoveTheSelectionWithPitchedTicks) {
  OpenAndSettle();
  Press(kLeft);
  EXPECT_EQ(app->m_PauseSel, -1);
  Press(kRight);
  EXPECT_EQ(app->m_PauseSel, 0);
  Press(kRight);
  EXPECT_EQ(app->m_PauseSel, 1);
  Press(kLeft);
  EXPECT_EQ(app->m_PauseSel, 0);
  ASSERT_EQ(sounds->played.size(), 4u);
  const float rates[] = {0.8f, 0.8f, 1.2f, 0.8f};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(sounds->played[i].number, 98);
    EXPECT_FLOAT_EQ(sounds->played[i].rate, rates[i]);
    EXPECT_FLOAT_EQ(sounds->played[i].volume, 0.5f);
  }
}

TEST_F(PauseMenuTest, AHeldDirectionMovesTheSelectionOnce) {
  OpenAndSettle();
  KeyDown(kRight);
  for (int i = 0; i < 10; ++i) Update();
  EXPECT_EQ(app->m_PauseSel, 1);
  EXPECT_EQ(sounds->played.size(), 1u);
}

TEST_F(PauseMenuTest, FireOnOptionsOpensTheOptionsBox) {
  OpenAndSettle();
  Press(kRight);
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(app->m_OptionsOpen, 1);
  EXPECT_EQ(app->m_Paused, 1) << "the options box shows over the pause menu";
  EXPECT_EQ(sounds->played.back().number, 98);
}

TEST_F(PauseMenuTest, FireOnResumeSlidesThePanelAwayThenPlayGoesOn) {
  OpenAndSettle();
  const float wheelX = app->m_Player[1];
  const float speed = app->m_Player[3];
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(app->m_PauseState, -1);
  std::vector<int> ys{app->m_PauseY};
  while (app->m_Paused == 1 && ys.size() < 30) {
    Update();
    ys.push_back(app->m_PauseY);
  }
  // The press comes after this update's slide step; the panel leaves from the next one.
  EXPECT_EQ(ys, (std::vector<int>{248, 224, 200, 176, 152, 128, 104, 80, 56, 32, 8, -16, -40}));
  EXPECT_EQ(app->m_Player[1], wheelX) << "the game stays frozen while the menu is open";
  Update();
  EXPECT_EQ(app->m_Player[1], wheelX + speed) << "play resumes after the panel has gone";
}

TEST_F(PauseMenuTest, EscapeWhileSlidingOutWaitsForTheKeysToBeReleased) {
  OpenAndSettle();
  KeyDown(kSpace);  // resumes, and stays held
  Update();
  ASSERT_EQ(app->m_PauseState, -1);
  sounds->played.clear();
  KeyDown(kEscape);
  Update();
  EXPECT_TRUE(sounds->played.empty());
  KeyUp(kSpace);
  KeyUp(kEscape);
  Update();
  KeyDown(kEscape);
  Update();
  EXPECT_EQ(sounds->played.size(), 1u) << "released first, back acts again";
  EXPECT_EQ(app->m_Paused, 1);
}

// --- touch ---

TEST_F(PauseMenuTest, ClickingResumeSlidesThePanelAway) {
  OpenAndSettle();
  input->p_MouseEvent(kMouseDown, 0, 330, 240);
  Update();
  EXPECT_EQ(app->m_PauseState, -1);
  EXPECT_EQ(app->m_Paused, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_FLOAT_EQ(sounds->played.back().volume, 0.5f);
}

TEST_F(PauseMenuTest, ClickingTheGearOpensTheOptionsBoxWithATick) {
  OpenAndSettle();
  input->p_MouseEvent(kMouseDown, 0, 480, 170);
  Update();
  EXPECT_EQ(app->m_OptionsOpen, 1);
  ASSERT_FALSE(sounds->played.empty());
  EXPECT_EQ(sounds->played.back().number, 99);
  EXPECT_FLOAT_EQ(sounds->played.back().volume, 1.0f);
}

TEST_F(PauseMenuTest, ClickingQuitEndsThePlayAtOnce) {
  OpenAndSettle();
  input->p_MouseEvent(kMouseDown, 0, 185, 180);
  Update();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(app->m_Paused, 0);
  EXPECT_EQ(app->m_PauseState, -1);
  EXPECT_EQ(app->m_PauseY, -64);
  ASSERT_EQ(sounds->played.size(), 1u);
  EXPECT_FLOAT_EQ(sounds->played[0].rate, 0.5f);
  EXPECT_FLOAT_EQ(sounds->played[0].volume, 0.5f);
}

// --- quitting records the score ---

TEST_F(PauseMenuTest, QuittingByKeysRecordsTheScoreAfterTheBanner) {
  app->m_Score = 37;
  OpenAndSettle();
  Press(kLeft);
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(app->m_Dead, 1);
  KeyUp(kSpace);
  int updates = 0;
  while (app->m_Mode != 1 && updates < 200) {
    Update();
    ++updates;
  }
  // The banner starts in the update of the quit: 89 more to mode 2, then the recording.
  EXPECT_EQ(updates, 90);
  EXPECT_EQ(app->m_Highscores[210], 37);
  EXPECT_EQ(app->m_Highscores[470], 37);
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(sounds->played.back().number, 96) << "the return chime";
}

}  // namespace
