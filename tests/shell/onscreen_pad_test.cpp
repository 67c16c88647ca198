// The on-screen pad and tilt input, which only touch and motion builds switch on: their
// placement from the options, the slots their buttons set, pad editing while paused,
// tilt smoothing and calibration.
#include "tests/shell/shell_fixture.h"

namespace {

class ControlsOverlay : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->m_ImgScale = 1.0f;
    for (int image : {94, 97}) {
      app->m_ImgInfo[3 * image] = 32;
      app->m_ImgInfo[3 * image + 1] = 32;
    }
    for (int i = 0; i < 10; ++i) app->m_TouchX[i] = app->m_TouchY[i] = -3717;
  }
  void Touch(int i, int x, int y) {
    app->m_TouchOn[i] = 1;
    app->m_TouchX[i] = x;
    app->m_TouchY[i] = y;
    app->m_TouchDown = 1;
  }
  void ExpectImage(int n, int image, float x, float y, int frame, float scale) const {
    const float* c = app->m_DrawList.begin() + 15 * n;
    EXPECT_EQ(c[0], static_cast<float>(image)) << "command " << n;
    EXPECT_FLOAT_EQ(c[1], x) << "command " << n;
    EXPECT_FLOAT_EQ(c[2], y) << "command " << n;
    EXPECT_EQ(c[6], static_cast<float>(frame)) << "command " << n;
    EXPECT_FLOAT_EQ(c[4], scale) << "command " << n;
  }
};

class OnScreenPad : public ControlsOverlay {
 protected:
  void SetUp() override {
    ControlsOverlay::SetUp();
    zu_Quor_OnScreenControls = 1;
    app->m_Mode = 10;
    app->m_Options[10] = 100;
    app->m_Options[11] = 80;
    app->m_Options[12] = 20;
  }
  void RunPad() {
    app->m_DrawCount = 0;
    app->p_OnScreenPad();
  }
};

TEST_F(OnScreenPad, DrawsThePadAndTheMirroredFireButtonsFromTheOptions) {
  RunPad();
  EXPECT_EQ(app->m_PadX, 100);
  EXPECT_EQ(app->m_PadY, 400);
  EXPECT_FLOAT_EQ(app->m_PadScale, 2.0f);
  ASSERT_EQ(app->m_DrawCount, 7 * 15);
  ExpectImage(0, 94, 36, 400, 4, 2);
  ExpectImage(1, 94, 100, 336, 1, 2);
  ExpectImage(2, 94, 100, 464, 9, 2);
  ExpectImage(3, 94, 164, 400, 6, 2);
  ExpectImage(4, 94, 100, 400, 5, 2);
  ExpectImage(5, 94, 588, 352, 0, 3);
  ExpectImage(6, 94, 492, 448, 0, 3);
  EXPECT_FLOAT_EQ(app->m_DrawList[7], 0.6f);
}

TEST_F(OnScreenPad, OptionsAreClampedAndWrittenBack) {
  app->m_Options[10] = 9999;
  app->m_Options[11] = -5;
  app->m_Options[12] = 30;
  RunPad();
  EXPECT_EQ(app->m_Options[10], 608);
  EXPECT_EQ(app->m_Options[11], 32);
  EXPECT_EQ(app->m_Options[12], 25);
  EXPECT_EQ(app->m_PadY, 448);
}

TEST_F(OnScreenPad, EachButtonSetsOnlyItsOwnSlot) {
  const struct {
    int x, y, slot;
  } buttons[] = {{36, 400, 3}, {100, 336, 0}, {100, 464, 8}, {164, 400, 5},
                 {588, 352, 10}, {492, 448, 11}};
  for (const auto& button : buttons) {
    for (int slot = 0; slot < 20; ++slot) app->m_Keys[slot] = 0;
    Touch(0, button.x, button.y);
    RunPad();
    int held = 0;
    for (int slot = 0; slot < 20; ++slot) held += app->m_Keys[slot];
    EXPECT_EQ(app->m_Keys[button.slot], 1) << "slot " << button.slot;
    EXPECT_EQ(held, 1) << "slot " << button.slot;
  }
}

TEST_F(OnScreenPad, PressLastsUntilTheEndOfTheNextUpdate) {
  app->m_Mode = 6;  // past the menu modes, with no mode work of its own
  app->m_ScaleX = app->m_ScaleY = 1;
  input->p_MouseEvent(4, 0, 36, 400);
  Update();
  EXPECT_EQ(app->m_Keys[3], 1);
  input->p_MouseEvent(5, 0, 36, 400);
  Update();
  EXPECT_EQ(app->m_Keys[3], 0);
}

TEST_F(OnScreenPad, OffWithoutItsSwitchOutsideAGameOrWithICade) {
  Touch(0, 36, 400);
  zu_Quor_OnScreenControls = 0;
  RunPad();
  zu_Quor_OnScreenControls = 1;
  app->m_Mode = 5;
  RunPad();
  app->m_Mode = 10;
  zu_Quor_iCadeControls = 1;
  RunPad();
  EXPECT_EQ(app->m_DrawCount, 0);
  EXPECT_EQ(app->m_Keys[3], 0);
}

TEST_F(OnScreenPad, WhilePausedOneFingerMovesThePadAndTwoResizeIt) {
  app->m_Paused = 1;
  Touch(0, 140, 370);
  RunPad();
  EXPECT_EQ(app->m_Keys[3], 0);  // the directions rest while paused
  ASSERT_EQ(app->m_DrawCount, 8 * 15);
  ExpectImage(5, 94, 100, 400, 0, 3);
  EXPECT_EQ(app->m_Options[10], 140);
  EXPECT_EQ(app->m_Options[11], 110);

  Touch(0, 300, 100);
  Touch(1, 400, 100);
  RunPad();
  EXPECT_EQ(app->m_TmpN, 6);
  Touch(1, 460, 100);
  RunPad();
  EXPECT_EQ(app->m_Options[12], 24);
  EXPECT_EQ(app->m_Options[10], 140);
  app->m_TouchOn[1] = 0;
  RunPad();
  EXPECT_EQ(app->m_TmpO, 0);
}

class Tilt : public ControlsOverlay {
 protected:
  void SetUp() override {
    ControlsOverlay::SetUp();
    zu_Quor_AccelerometerControls = 1;
  }
  void Accelerate(float x, float y) { input->p_MotionEvent(10, 0, x, y, 0); }
  void RunTilt() {
    app->m_DrawCount = 0;
    app->p_TiltInput();
  }
};

TEST_F(Tilt, SmoothedTiltClosesAQuarterOfTheGapAndSnapsWhenClose) {
  Accelerate(0.4f, -0.2f);
  RunTilt();
  EXPECT_FLOAT_EQ(app->m_TiltX, 0.4f);
  EXPECT_FLOAT_EQ(app->m_TiltSmoothX, 0.1f);
  ASSERT_EQ(app->m_DrawCount, 30);
  const float* indicator = app->m_DrawList.begin() + 15;
  EXPECT_EQ(indicator[0], ZU_DRAW_OVAL);
  EXPECT_FLOAT_EQ(indicator[1], 26.0f);
  EXPECT_FLOAT_EQ(indicator[2], 455.0f);
  EXPECT_EQ(indicator[4], 4.0f);
  EXPECT_EQ(indicator[10], 100.0f);
  for (int update = 2; update <= 15; ++update) RunTilt();
  EXPECT_NEAR(app->m_TiltSmoothX, 0.4f - 0.0053f, 1e-4);  // 0.4 x 0.75^15 short
  RunTilt();  // 0.0040 short: within the snap
  EXPECT_EQ(app->m_TiltSmoothX, 0.4f);
}

TEST_F(Tilt, CalibrationButtonMakesTheCurrentHoldLevel) {
  Accelerate(0.3f, 0.5f);
  Touch(0, 24, 456);
  RunTilt();
  EXPECT_FLOAT_EQ(app->m_AccelBaseY, 0.5f);
  ExpectImage(0, 97, 24, 456, 7, 1.5f);
  Touch(0, 48, 456);  // just outside the 48-unit button
  RunTilt();
  EXPECT_EQ(app->m_TiltX, 0.0f);
  EXPECT_EQ(app->m_TiltY, 0.0f);
}

TEST_F(Tilt, ICadeHoldsEveryTiltValueAtZero) {
  Accelerate(0.4f, 0.4f);
  RunTilt();
  zu_Quor_iCadeControls = 1;
  RunTilt();
  EXPECT_EQ(app->m_TiltX, 0.0f);
  EXPECT_EQ(app->m_TiltSmoothX, 0.0f);
  EXPECT_EQ(app->m_DrawCount, 0);
}

}  // namespace
