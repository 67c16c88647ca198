// The analogue direction: the touch stick and its anchor, joystick 0, the easing key stick,
// the clamp, and the ovals it draws.
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kUpArrow = 38;

class AnalogueControl : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->p_ResetDraw();
    app->m_AnchorX = -1;
  }
  void Pointer(int x, int y) {
    app->m_TouchDown = 1;
    app->m_MouseX = x;
    app->m_MouseY = y;
  }
  void Steer() {
    app->m_DrawCount = 0;
    app->p_AnalogueControl();
  }
  void Joystick(float x, float y) {
    input->m_JoyStates[0]->m_JoyX[0] = x;
    input->m_JoyStates[0]->m_JoyY[0] = y;
  }
  void ExpectOval(int n, float x, float y, float radius, float green, float alpha) const {
    const float* c = app->m_DrawList.begin() + 15 * n;
    EXPECT_EQ(c[0], ZU_DRAW_OVAL);
    EXPECT_FLOAT_EQ(c[1], x);
    EXPECT_FLOAT_EQ(c[2], y);
    EXPECT_EQ(c[4], radius);
    EXPECT_EQ(c[7], alpha);
    EXPECT_EQ(c[11], green);
    EXPECT_EQ(c[12], 250.0f);
  }
};

TEST_F(AnalogueControl, FirstUpdateOfADragPlacesTheAnchorAndGivesNoDirection) {
  app->p_SetCol(10, 20, 30, 0.75f);
  Pointer(100, 200);
  Steer();
  EXPECT_EQ(app->m_AnchorX, 100);
  EXPECT_EQ(app->m_AnchorY, 200);
  EXPECT_EQ(app->m_StickX, 0.0f);
  ASSERT_EQ(app->m_DrawCount, 30);
  ExpectOval(0, 100, 200, 12, 100, 0.25f);
  ExpectOval(1, 100, 200, 8, 100, 0.25f);
  // The caller's colour survives the ovals.
  EXPECT_EQ(app->m_ColG, 20.0f);
  EXPECT_EQ(app->m_Alpha, 0.75f);
}

TEST_F(AnalogueControl, DragGivesTheOffsetOverSeventyTwoOutsideTheDeadZone) {
  Pointer(100, 100);
  Steer();
  Pointer(136, 82);
  Steer();
  EXPECT_FLOAT_EQ(app->m_StickX, 0.5f);
  EXPECT_FLOAT_EQ(app->m_StickY, -0.25f);
  ExpectOval(1, 136, 82, 8, 100, 0.25f);
  Pointer(105, 107);  // 0.069 and 0.097: both inside
  Steer();
  EXPECT_EQ(app->m_StickX, 0.0f);
  Pointer(105, 108);  // y reaches 0.111, so both parts count
  Steer();
  EXPECT_FLOAT_EQ(app->m_StickX, 5.0f / 72.0f);
}

TEST_F(AnalogueControl, FarPointerClampsAndDrawsTheAnchorAlongFourPerUpdate) {
  Pointer(100, 100);
  Steer();
  Pointer(300, 100);
  Steer();
  EXPECT_EQ(app->m_StickX, 1.0f);
  EXPECT_EQ(app->m_AnchorX, 104);
  Steer();
  EXPECT_EQ(app->m_AnchorX, 108);
  EXPECT_EQ(app->m_AnchorY, 100);
  // Following past the left edge puts the anchor back under the pointer.
  Pointer(2, 50);
  app->m_AnchorX = 2;
  Pointer(-70, 60);
  Steer();
  EXPECT_EQ(app->m_AnchorX, -70);
  EXPECT_EQ(app->m_AnchorY, 60);
}

TEST_F(AnalogueControl, ReleaseDropsTheAnchorAndTheNextPressStartsAfresh) {
  Pointer(100, 100);
  Steer();
  app->m_TouchDown = 0;
  Steer();
  EXPECT_EQ(app->m_AnchorX, -1);
  EXPECT_EQ(app->m_DrawCount, 0);
  Pointer(400, 300);
  Steer();
  EXPECT_EQ(app->m_AnchorX, 400);
  EXPECT_EQ(app->m_StickX, 0.0f);
}

TEST_F(AnalogueControl, JoystickBeyondItsDeadZoneOverridesTheTouchStick) {
  Pointer(100, 100);
  Steer();
  Pointer(160, 100);
  Joystick(0.5f, 0.25f);
  Steer();
  EXPECT_FLOAT_EQ(app->m_StickX, 0.5f);
  EXPECT_FLOAT_EQ(app->m_StickY, -0.25f);
  Joystick(0.2f, -0.2f);
  Steer();
  EXPECT_FLOAT_EQ(app->m_StickX, 60.0f / 72.0f);
}

TEST_F(AnalogueControl, HeldKeyPushesTheStickAndReleasedItSettlesWithoutPassingZero) {
  KeyDown(kUpArrow);
  for (int update = 0; update < 3; ++update) Steer();
  EXPECT_NEAR(app->m_StickY, -0.45f, 1e-6);
  KeyUp(kUpArrow);
  Steer();
  EXPECT_NEAR(app->m_StickY, -0.25f, 1e-6);
  Steer();
  EXPECT_NEAR(app->m_StickY, -0.05f, 1e-6);
  Joystick(0, -0.6f);
  Steer();  // still settling: the key stick's 0 wins over the joystick
  EXPECT_EQ(app->m_KeyStickY, 0.0f);
  EXPECT_EQ(app->m_StickY, 0.0f);
  Steer();  // at rest: the joystick shows through
  EXPECT_FLOAT_EQ(app->m_StickY, 0.6f);

  KeyDown(kUpArrow);
  for (int update = 0; update < 8; ++update) Steer();
  EXPECT_EQ(app->m_KeyStickY, -1.0f);
}

TEST_F(AnalogueControl, DebugModeShowsAnOffCentreStickInTheCorner) {
  zu_Quor_DebugMode = 1;
  Joystick(1, 0);
  Steer();
  ASSERT_EQ(app->m_DrawCount, 30);
  ExpectOval(0, 576, 416, 12, 180, 0.5f);
  ExpectOval(1, 628, 416, 8, 180, 0.5f);
  Joystick(0, 0);
  Steer();
  EXPECT_EQ(app->m_DrawCount, 0);
}

}  // namespace
