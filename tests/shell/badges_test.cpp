// Badges: the text table, the notification strip's slide in, stay and slide out with its
// slot freed at the end, and the badges box's frame and scrolling.
#include <string>
#include <vector>

#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kFont = 90;

class Badges : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->m_Font = kFont;
    app->m_ImgInfo[3 * kFont] = 7;
    app->m_ImgInfo[3 * kFont + 1] = 10;
  }
  // One update of the strip, drawn into an empty list.
  std::vector<DrawnCommand> Strip() {
    app->m_DrawCount = 0;
    app->p_ShowBadges();
    return DrawnCommands(*app);
  }
};

TEST_F(Badges, OnlyBadgeZeroHasAText) {
  EXPECT_EQ(app->p_BadgeID(0), String("Test Badge|This is a Test Badge which has no purpose."));
  EXPECT_EQ(app->p_BadgeName(0), String("Test Badge"));
  EXPECT_EQ(app->p_BadgeDetail(0), String("This is a Test Badge which has no purpose."));
  for (int id : {1, 63, 64, 255, -1}) {
    EXPECT_TRUE(app->p_BadgeID(id).IsEmpty()) << id;
    EXPECT_TRUE(app->p_BadgeName(id).IsEmpty()) << id;
    EXPECT_TRUE(app->p_BadgeDetail(id).IsEmpty()) << id;
  }
}

TEST_F(Badges, APanelSlidesInOverTenUpdatesStaysAndSlidesOutThenFreesItsSlot) {
  app->m_BadgeA[0] = 0;
  app->m_BadgeB[0] = 1;
  std::vector<float> xs;
  std::vector<DrawnCommand> first;
  for (int age = 2; age <= 241; ++age) {
    const std::vector<DrawnCommand> c = Strip();
    ASSERT_FALSE(c.empty()) << "age " << age;
    xs.push_back(c[0].x);
    if (age == 2) first = c;
  }
  EXPECT_EQ(xs[0], -128.0f);    // age 2
  EXPECT_EQ(xs[7], -16.0f);     // age 9
  EXPECT_EQ(xs[8], 0.0f);       // age 10
  EXPECT_EQ(xs[228], 0.0f);     // age 230
  EXPECT_EQ(xs[229], -16.0f);   // age 231
  EXPECT_EQ(xs[239], -176.0f);  // age 241, drawn once more entirely off-screen
  EXPECT_EQ(app->m_BadgeB[0], 0);
  EXPECT_TRUE(Strip().empty());

  // A dark blue panel at the bottom left, the name, and the icon at half size.
  EXPECT_EQ(first[0].kind, -3717.0f);
  EXPECT_EQ(first[0].y, 446.0f);
  EXPECT_EQ(first[0].sizeA, 160.0f);
  EXPECT_EQ(first[0].sizeB, 32.0f);
  EXPECT_EQ(first[0].blue, 80.0f);
  EXPECT_FLOAT_EQ(first[0].alpha, 0.8f);
  std::string name;
  for (const DrawnCommand& c : first) {
    if (c.kind == kFont) name += static_cast<char>(c.frame + 32);
  }
  EXPECT_EQ(name, "TestBadge");
  const DrawnCommand& icon = first.back();
  EXPECT_EQ(icon.kind, 80.0f);
  EXPECT_EQ(icon.frame, 0);
  EXPECT_EQ(icon.sizeA, 0.5f);
  EXPECT_EQ(icon.x, -128.0f + 144);
  EXPECT_EQ(icon.y, 462.0f);
}

TEST_F(Badges, EachSlotSitsOnePanelHigherAndIdsFrom64HaveNoIcon) {
  app->m_BadgeA[3] = 64;
  app->m_BadgeB[3] = 50;
  const std::vector<DrawnCommand> c = Strip();
  ASSERT_EQ(c.size(), 1u) << "the panel alone: no name text and no icon";
  EXPECT_EQ(c[0].y, 480.0f - 34 * 4);
  EXPECT_EQ(c[0].x, 0.0f);
  EXPECT_EQ(app->m_BadgeB[3], 51);
}

TEST_F(Badges, ASlotFarPastItsLifetimeIsFreedWithoutOverflow) {
  app->m_BadgeB[12] = 2147483647;
  Strip();
  EXPECT_EQ(app->m_BadgeB[12], 0);
  app->m_BadgeB[13] = 5;  // slots 13 and 14 are never shown
  EXPECT_TRUE(Strip().empty());
}

TEST_F(Badges, TheBoxIsAnOrangeFrameOverADarkRedPanel) {
  app->p_BadgesBox();
  const std::vector<DrawnCommand> c = DrawnCommands(*app);
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0].x, 64.0f);
  EXPECT_EQ(c[0].y, -1.0f);
  EXPECT_EQ(c[0].sizeA, 512.0f);
  EXPECT_EQ(c[0].sizeB, 482.0f);
  EXPECT_EQ(c[0].green, 125.0f);
  EXPECT_FLOAT_EQ(c[1].x, 76.8f);
  EXPECT_FLOAT_EQ(c[1].sizeA, 486.4f);
  EXPECT_EQ(c[1].red, 100.0f);
  EXPECT_EQ(app->m_ColG, 255.0f);
  EXPECT_EQ(app->m_Alpha, 1.0f);
}

TEST_F(Badges, TheBoxScrollEasesASixthOfTheWayAndNeverAboveTheTop) {
  KeyDown(40);
  app->p_BadgesBox();
  EXPECT_EQ(app->m_BadgeBoxB, -16);
  EXPECT_EQ(app->m_BadgeBoxA, -2);  // 0 - 16 / 6 in whole numbers
  app->p_BadgesBox();
  EXPECT_EQ(app->m_BadgeBoxB, -32);
  EXPECT_EQ(app->m_BadgeBoxA, -7);  // -2 - (-30 / 6)
  KeyUp(40);
  for (int i = 0; i < 20; ++i) app->p_BadgesBox();
  EXPECT_EQ(app->m_BadgeBoxA, -32) << "within 6 it snaps to the target";

  KeyDown(38);
  for (int i = 0; i < 5; ++i) app->p_BadgesBox();
  EXPECT_EQ(app->m_BadgeBoxB, 0);
  KeyUp(38);

  app->m_WasDown = 1;
  app->m_MouseX = 100;
  app->m_OldMouseY = 210;
  app->m_MouseY = 200;
  app->p_BadgesBox();
  EXPECT_EQ(app->m_TmpR, 10);
  EXPECT_EQ(app->m_BadgeBoxB, -15) << "dragging up scrolls down by one and a half";
  app->m_MouseX = 70;  // left of the panel the pointer does not scroll
  app->p_BadgesBox();
  EXPECT_EQ(app->m_BadgeBoxB, -15);
}

}  // namespace
