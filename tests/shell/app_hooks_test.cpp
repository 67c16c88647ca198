// The hooks: start-up values and the game of the day, the update step (function keys,
// pointer and touch sampling, latches, momentary slots, the mode dispatcher and overlay
// slides, the debug line), a resize in the middle of a game, suspend and resume.
#include "framework/input.h"
#include "shell/quor.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kMouseDown = 4;
constexpr int kMouseMove = 6;
constexpr int kTouchDown = 7;
constexpr int kFloatsPerCommand = 15;

class AppHooksTest : public ShellTest {
 protected:
  void StartOn(int year, int month, int day) {
    host.date[0] = year;
    host.date[1] = month;
    host.date[2] = day;
    app->p_OnCreate();
  }
  void Render() {
    zu_app_ValidateDeviceWindow(true);
    app->p_OnRender();
  }
  // Start-up, the first frame and the whole loader: the menu is running.
  void BootToMenu() {
    zu_app_ValidateDeviceWindow(false);
    app->p_OnCreate();
    Render();
    while (app->m_ReloadPending > 0) Update();
  }
};

// --- start-up ---

TEST_F(AppHooksTest, StartUpSetsTheShellDefaults) {
  host.width = 800;
  host.height = 600;
  zu_app_ValidateDeviceWindow(false);
  app->p_OnCreate();
  EXPECT_EQ(host.rate, 60);
  EXPECT_EQ(app->m_Mode, 1);
  EXPECT_EQ(app->m_DevW, 800);
  EXPECT_EQ(app->m_DevH, 600);
  EXPECT_EQ(app->m_ReloadPending, 1);
  EXPECT_EQ(app->m_MenuSlide, -32);
  EXPECT_EQ(app->m_PauseState, -1);
  EXPECT_EQ(app->m_PauseY, -64);
  EXPECT_EQ(app->m_Channels[32], 32);
  // Sound on, then the option limits of a fresh state.
  EXPECT_EQ(app->m_Options[5], 1);
  EXPECT_EQ(app->m_Options[12], 10);
}

struct FeaturedCase {
  int year;
  int month;
  int day;
  int game;
};

class FeaturedGameTest : public AppHooksTest, public ::testing::WithParamInterface<FeaturedCase> {};

TEST_P(FeaturedGameTest, TheDateChoosesTheGameOfTheDay) {
  const FeaturedCase c = GetParam();
  StartOn(c.year, c.month, c.day);
  EXPECT_EQ(app->m_MenuSel, c.game);
}

// Outside the calendar days the twelfth value after seeding with
// day + 10 month + 20 year picks 1..25.
INSTANTIATE_TEST_SUITE_P(Calendar, FeaturedGameTest,
                         ::testing::Values(FeaturedCase{2026, 12, 1, 2},
                                           FeaturedCase{2026, 12, 7, 8},
                                           FeaturedCase{2026, 12, 25, 26},
                                           FeaturedCase{2026, 12, 26, 8},
                                           FeaturedCase{2014, 12, 26, 24},
                                           FeaturedCase{2014, 11, 3, 1},
                                           FeaturedCase{2024, 1, 1, 12}));

// --- the update step ---

TEST_F(AppHooksTest, FunctionKeysToggleOncePerPress) {
  BootToMenu();
  KeyDown(112);
  KeyDown(113);
  Update();
  Update();
  EXPECT_EQ(zu_Quor_DebugMode, 1);
  EXPECT_EQ(app->m_HideHud, 1);
  KeyUp(112);
  KeyDown(112);
  Update();
  EXPECT_EQ(zu_Quor_DebugMode, 0);
}

TEST_F(AppHooksTest, F4EndsTheProgramQuietly) {
  BootToMenu();
  KeyDown(115);
  EXPECT_EXIT(Update(), ::testing::ExitedWithCode(0), "");
}

TEST_F(AppHooksTest, PointerIsSampledInVirtualUnitsAndAFreshPressDoesNotDrag) {
  host.width = 1280;
  host.height = 720;
  BootToMenu();
  input->p_MouseEvent(kMouseMove, 0, 100, 50);
  Update();
  // 301 / 2 and 99 / 2 truncate.
  input->p_MouseEvent(kMouseMove, 0, 301, 99);
  Update();
  EXPECT_EQ(app->m_OldMouseX, 50);
  EXPECT_EQ(app->m_OldMouseY, 25);
  EXPECT_EQ(app->m_MouseX, 150);
  EXPECT_EQ(app->m_MouseY, 49);
  EXPECT_EQ(app->m_TouchDown, 0);

  input->p_MouseEvent(kMouseDown, 0, 400, 200);
  Update();
  EXPECT_EQ(app->m_OldMouseX, 200);
  EXPECT_EQ(app->m_OldMouseY, 100);
  EXPECT_EQ(app->m_TouchDown, 1);
  EXPECT_EQ(app->m_MouseHit, 1);
}

TEST_F(AppHooksTest, OverscanOffsetsThePointerAndTouches) {
  zu_Quor_overscan = 64;
  host.width = 1408;
  host.height = 1056;
  zu_app_ValidateDeviceWindow(false);
  Render();
  // Scale 2; the vertical offset is 64 x 1056 / 1408 = 48.
  input->p_MouseEvent(kMouseMove, 0, 264, 148);
  input->p_TouchEvent(kTouchDown, 2, 364, 248);
  Update();
  EXPECT_EQ(app->m_MouseX, 100);
  EXPECT_EQ(app->m_MouseY, 50);
  EXPECT_EQ(app->m_TouchOn[2], 1);
  EXPECT_EQ(app->m_TouchX[2], 150);
  EXPECT_EQ(app->m_TouchY[2], 100);
  EXPECT_EQ(app->m_TouchDown, 1);
  EXPECT_EQ(app->m_TouchOn[1], 0);
  EXPECT_EQ(app->m_TouchX[1], -3717);
  EXPECT_EQ(app->m_TouchY[9], -3717);
}

TEST_F(AppHooksTest, LatchesAndTheBackControlOverBoxes) {
  BootToMenu();
  app->m_KeyLatch = 1;
  KeyDown(32);  // fire stays held: the latch stays
  Update();
  EXPECT_EQ(app->m_KeyLatch, 1);
  KeyUp(32);
  Update();
  EXPECT_EQ(app->m_KeyLatch, 0);

  app->m_CreditsOpen = 1;
  app->m_BadgesOpen = 1;
  KeyDown(27);  // back
  Update();
  EXPECT_EQ(app->m_CreditsOpen, 0);
  EXPECT_EQ(app->m_BadgesOpen, 0);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  // Held back keeps the latch, so the same press does not go on to leave the menu.
  Update();
  EXPECT_EQ(app->m_KeyLatch, 1);
}

TEST_F(AppHooksTest, AnOpenOptionsBoxHoldsBothLatches) {
  BootToMenu();
  app->m_OptionsOpen = 1;
  Update();
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_EQ(app->m_OptionsOpen, 1);
}

TEST_F(AppHooksTest, MomentarySlotsLastOneUpdateAndBackHitsFillSlotNineteen) {
  BootToMenu();
  app->m_Mode = 7;  // no mode work: the menu would take back as leaving
  app->m_Keys[3] = 1;
  app->m_Keys[18] = 1;
  app->m_Keys[10] = 2;
  KeyDown(416);
  Update();
  EXPECT_EQ(app->m_Keys[3], 0);
  EXPECT_EQ(app->m_Keys[18], 0);
  EXPECT_EQ(app->m_Keys[10], 2);
  EXPECT_EQ(app->m_Keys[19], 1);
  Update();
  EXPECT_EQ(app->m_Keys[19], 0);
}

// --- the dispatcher and overlays ---

TEST_F(AppHooksTest, ModeTwoPlaysTheJingleAndEntersTheMenuAtOnce) {
  BootToMenu();
  app->m_Mode = 2;
  const int channel = app->m_NextChannel;
  Update();
  EXPECT_EQ(app->m_Mode, 1);
  EXPECT_EQ(app->m_NextChannel, channel + 1);
}

TEST_F(AppHooksTest, ModeElevenRestartsTheCreditBadgeTimer) {
  BootToMenu();
  app->m_GfxW = 12;
  app->m_Game = 1;
  app->m_Mode = 11;
  Update();
  EXPECT_EQ(app->m_GfxW, 640);
}

TEST_F(AppHooksTest, APausedGameKeepsTheLastPictureUnderThePauseMenu) {
  BootToMenu();
  app->m_Game = 22;
  app->m_Mode = 11;
  Update();
  Update();
  ASSERT_EQ(app->m_Mode, 10);
  const float fillR = app->m_ClsR, fillA = app->m_ClsA;
  const int gameFloats = app->m_FrozenDrawCount;
  ASSERT_GT(gameFloats, 0);
  const float firstCommand = app->m_DrawList[0];
  app->m_Paused = 1;
  for (int i = 0; i < 3; ++i) Update();
  EXPECT_EQ(app->m_ClsR, fillR) << "the game's fill colour stays";
  EXPECT_EQ(app->m_ClsA, fillA);
  EXPECT_EQ(app->m_DrawList[0], firstCommand) << "the game's frame is replayed first";
  EXPECT_GE(app->m_DrawCount, gameFloats) << "the pause menu is drawn after it, not accumulated";
  EXPECT_LT(app->m_DrawCount, gameFloats + 15 * 200);
  EXPECT_EQ(app->m_ViewW, zu_Quor_jscrw);
  EXPECT_EQ(app->m_Mode, 10);
}

TEST_F(AppHooksTest, BoxesSlideInToThirtyAndOutToZero) {
  BootToMenu();
  app->m_CreditsOpen = 1;
  for (int i = 0; i < 40; ++i) Update();
  EXPECT_EQ(app->m_CreditsSlide, 30);
  app->m_CreditsOpen = 0;
  Update();
  EXPECT_EQ(app->m_CreditsSlide, 29);
  for (int i = 0; i < 40; ++i) Update();
  EXPECT_EQ(app->m_CreditsSlide, 0);
}

TEST_F(AppHooksTest, DebugLineShowsScaleAndFrameRateAtTheBottomLeft) {
  BootToMenu();
  zu_Quor_DebugMode = 1;
  Update();
  // Scales "1.0", "1.0" and the smoothed render rate 0, drawn last, half a line below 464.
  const String text("1.0,1.0:0");
  const int glyphs = text.Length();
  ASSERT_GE(app->m_DrawCount, glyphs * kFloatsPerCommand);
  const int first = app->m_DrawCount / kFloatsPerCommand - glyphs;
  for (int i = 0; i < glyphs; ++i) {
    const float* command = &app->m_DrawList[(first + i) * kFloatsPerCommand];
    EXPECT_EQ(command[0], 90) << i;
    EXPECT_EQ(command[2], 469) << i;
    EXPECT_EQ(command[6], text[i] - 32) << i;
  }
  EXPECT_EQ(app->m_DrawList[first * kFloatsPerCommand + 1], 23);
}

// --- resize, suspend and resume ---

TEST_F(AppHooksTest, AResizeDuringAGameShowsTheLoaderAndThenContinuesTheGame) {
  BootToMenu();
  app->m_Mode = 10;
  app->m_Paused = 1;
  app->m_Score = 4321;
  app->m_Player[7] = 3.5f;
  host.width = 1280;
  host.height = 720;
  Render();
  ASSERT_EQ(app->m_ReloadPending, 1);
  for (int i = 0; i < 45; ++i) {
    Update();
    // The loading screen, not the game, fills the draw list.
    ASSERT_EQ(app->m_DrawCount, 25 * kFloatsPerCommand) << "update " << i + 1;
  }
  EXPECT_EQ(app->m_ReloadPending, 0);
  EXPECT_EQ(app->m_ImgInfo[3 * 93], 1024);
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(app->m_Score, 4321);
  EXPECT_EQ(app->m_Player[7], 3.5f);
  // The game runs again from the next update.
  Update();
  EXPECT_EQ(app->m_ClsA, -1);
}

TEST_F(AppHooksTest, SuspendingAGameComesBackInItsPauseMenu) {
  BootToMenu();
  app->m_Mode = 10;
  app->p_iCade(1);
  zu_Quor_jscrh = 361;
  const int savesBefore = host.saves;
  app->p_OnSuspend();
  EXPECT_EQ(host.rate, 5);
  EXPECT_EQ(host.saves, savesBefore + 1);
  EXPECT_EQ(zu_Quor_iCadeControls, 0);
  EXPECT_EQ(app->m_Paused, 1);
  EXPECT_EQ(app->m_PauseState, 1);
  EXPECT_EQ(app->m_PauseY, 180);
  app->p_OnResume();
  EXPECT_EQ(host.rate, 60);
  EXPECT_EQ(app->m_Paused, 1);
}

TEST_F(AppHooksTest, SuspendingInTheMenuDoesNotPause) {
  BootToMenu();
  app->p_OnSuspend();
  app->p_OnResume();
  EXPECT_EQ(app->m_Paused, 0);
  EXPECT_EQ(app->m_PauseState, 0);
  EXPECT_EQ(app->m_PauseY, 0);
}

}  // namespace
