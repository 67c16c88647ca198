// The credits box: the test-card grid and its colour bars, the slide that flies the cells
// in, the credit lines cycling through all but the last entry, the corner badges with the
// screen numbers and rates, and what closes the box.
#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kFont = 90;
constexpr float kCell = 640.0f / 12;
constexpr float kTolerance = 1e-3f;

class CreditBox : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->m_Font = kFont;
    app->m_ImgInfo[3 * kFont] = 7;
    app->m_ImgInfo[3 * kFont + 1] = 10;
    app->m_ImgScale = 1;
    app->m_Options[5] = 1;
    app->m_CreditsOpen = 1;
    app->m_CreditsSlide = 30;
  }
  void Box() {
    app->m_DrawCount = 0;
    app->p_CreditBox();
  }
  // The rectangle at (x, y) of size (w, h), within rounding.
  std::vector<DrawnCommand> RectsAt(float x, float y, float w, float h) const {
    std::vector<DrawnCommand> out;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind == -3717.0f && std::abs(c.x - x) < kTolerance && std::abs(c.y - y) < kTolerance &&
          std::abs(c.sizeA - w) < kTolerance && std::abs(c.sizeB - h) < kTolerance) {
        out.push_back(c);
      }
    }
    return out;
  }
  void ExpectColour(const DrawnCommand& c, float red, float green, float blue) {
    EXPECT_EQ(c.red, red);
    EXPECT_EQ(c.green, green);
    EXPECT_EQ(c.blue, blue);
  }
  // Text lines by their y, in drawing order of first appearance.
  std::vector<std::pair<float, std::string>> TextLines() const {
    std::vector<std::pair<float, std::string>> lines;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind != kFont) continue;
      if (lines.empty() || lines.back().first != c.y) lines.push_back({c.y, ""});
      lines.back().second += static_cast<char>(c.frame + 32);
    }
    return lines;
  }
  void SetCredits(std::initializer_list<const char*> lines) {
    Array<String> text(static_cast<int>(lines.size()));
    int i = 0;
    for (const char* line : lines) text[i++] = String(line);
    gc_assign(zu_Quor_CreditText, text);
  }
};

TEST_F(CreditBox, At640By480TheGridIs12By9CellsOf53AndAThird) {
  Box();
  EXPECT_EQ(app->m_CreditCols, 12);
  EXPECT_EQ(app->m_CreditRows, 9);
  const float half = kCell / 2;
  // Corner: black base only. Inner cell: white base and grey face.
  const std::vector<DrawnCommand> corner = RectsAt(-half, -half, kCell + 1, kCell + 1);
  ASSERT_EQ(corner.size(), 1u);
  ExpectColour(corner[0], 0, 0, 0);
  EXPECT_EQ(corner[0].alpha, 1.0f);
  ASSERT_EQ(RectsAt(kCell - half, kCell - half, kCell + 1, kCell + 1).size(), 1u);
  ExpectColour(RectsAt(kCell - half, kCell - half, kCell + 1, kCell + 1)[0], 255, 255, 255);
  const std::vector<DrawnCommand> face =
      RectsAt(kCell - half + 2, kCell - half + 2, kCell - 4, kCell - 4);
  ASSERT_EQ(face.size(), 1u);
  ExpectColour(face[0], 128, 128, 128);
}

TEST_F(CreditBox, TheBorderCarriesColourBarsInsetFromTheCellEdges) {
  Box();
  const float half = kCell / 2;
  // Top row: red rises and green falls from left to right, inset 8 at the sides.
  const auto top = [&](int i) { return RectsAt(i * kCell - half + 8, -half, kCell - 16, kCell); };
  ASSERT_EQ(top(1).size(), 1u);
  ExpectColour(top(1)[0], 0, 255, 0);
  ExpectColour(top(3)[0], 102, 255, 0);  // 512 x 2 / 10 = 102.4
  ExpectColour(top(6)[0], 255, 255, 0);
  ExpectColour(top(9)[0], 255, 102, 0);
  ExpectColour(top(11)[0], 255, 0, 0);
  // Bottom row: a grey ramp.
  const auto bottom = [&](int i) {
    return RectsAt(i * kCell - half + 8, 9 * kCell - half, kCell - 16, kCell);
  };
  ExpectColour(bottom(1)[0], 0, 0, 0);
  ExpectColour(bottom(6)[0], 127, 127, 127);
  ExpectColour(bottom(11)[0], 255, 255, 255);
  // Left column green to blue, right column red to blue, inset 8 at the top.
  const auto left = [&](int j) { return RectsAt(-half, j * kCell - half + 8, kCell, kCell - 16); };
  const auto right = [&](int j) {
    return RectsAt(12 * kCell - half, j * kCell - half + 8, kCell, kCell - 16);
  };
  ExpectColour(left(1)[0], 0, 255, 0);
  ExpectColour(left(8)[0], 0, 0, 255);
  ExpectColour(right(1)[0], 255, 0, 0);
  ExpectColour(right(5)[0], 219, 0, 255);  // 512 - 292.6 and 292.6 clamped
  ExpectColour(right(8)[0], 0, 0, 255);
}

TEST_F(CreditBox, TheLastInnerRowJoinsItsMiddleCellsIntoOneGreyBand) {
  Box();
  const float y = 8 * kCell - kCell / 2 + 2;
  for (int i = 4; i <= 8; ++i) {
    EXPECT_EQ(RectsAt(i * kCell - kCell / 2 - 6, y, kCell + 24, kCell - 4).size(), 1u) << i;
  }
  EXPECT_EQ(RectsAt(9 * kCell - kCell / 2 - 6, y, kCell + 4, kCell - 4).size(), 1u);
  EXPECT_EQ(RectsAt(3 * kCell - kCell / 2 + 2, y, kCell - 4, kCell - 4).size(), 1u);
  EXPECT_EQ(RectsAt(10 * kCell - kCell / 2 + 2, y, kCell - 4, kCell - 4).size(), 1u);
}

TEST_F(CreditBox, SlidingInTheCellsFlyInSmallAndFaint) {
  app->m_CreditsSlide = 10;  // s = 20, cells half size, alpha a third
  Box();
  const float cs = kCell / 2;
  // Column 0 is 6 left of the middle column and row 0 is 4 above the middle row, each
  // lowered by 1 more: they start 20 x 49 and 20 x 25 units out.
  const std::vector<DrawnCommand> corner =
      RectsAt(-20.0f * 49 - cs / 2, -20.0f * 25 - cs / 2, cs + 1, cs + 1);
  ASSERT_EQ(corner.size(), 1u);
  EXPECT_FLOAT_EQ(corner[0].alpha, 1.0f / 3);
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind == 91.0f) {
      EXPECT_EQ(c.x, 320.0f);
      EXPECT_EQ(c.y, 240.0f - 480);
      EXPECT_FLOAT_EQ(c.alpha, 1.0f / 3);
    }
    if (c.kind == 98.0f) {
      EXPECT_NEAR(c.y, 8 * kCell + 80, kTolerance);
      EXPECT_FLOAT_EQ(c.sizeA, 0.4f);
    }
  }
}

TEST_F(CreditBox, CreditLinesCycleModuloOneLessThanTheNumberOfEntries) {
  SetCredits({"A", "B", "C", "D"});
  app->m_CreditScroll = 0.3f;  // scrolls to 0 in this update
  Box();
  const std::vector<std::pair<float, std::string>> lines = TextLines();
  std::string letters;
  std::vector<float> alphas;
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind == kFont && c.x > 340 && c.x < 350) {
      letters += static_cast<char>(c.frame + 32);
      alphas.push_back(c.alpha);
      EXPECT_FLOAT_EQ(c.x, 348.2f);  // centred at 0.8 of its width, right of the middle
    }
  }
  EXPECT_EQ(letters, "ABCABCAB") << "the last entry is never shown";
  ASSERT_EQ(alphas.size(), 8u);
  const float expected[8] = {0.1f, 0.5f, 0.9f, 1.0f, 0.9f, 0.5f, 0.1f, 0.0f};
  for (int k = 0; k < 8; ++k) EXPECT_NEAR(alphas[k], expected[k], 1e-5f) << "k = " << k - 3;

  app->m_CreditLine = 5;
  Box();
  letters.clear();
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind == kFont && c.x > 340 && c.x < 350) letters += static_cast<char>(c.frame + 32);
  }
  EXPECT_EQ(letters, "CABCABCA");
}

TEST_F(CreditBox, TheLinesMoveUpOneEvery16UnitsFasterWithUpOrDownHeld) {
  for (int i = 0; i < 53; ++i) Box();
  EXPECT_EQ(app->m_CreditLine, 0);
  Box();
  EXPECT_EQ(app->m_CreditLine, 1);
  EXPECT_NEAR(app->m_CreditScroll, -0.2f, 1e-3f);

  KeyDown(40);
  for (int i = 0; i < 8; ++i) Box();
  EXPECT_EQ(app->m_CreditLine, 1);
  Box();
  EXPECT_EQ(app->m_CreditLine, 2);
}

TEST_F(CreditBox, FewerThanTwoEntriesShowNoLinesAndDoNotFail) {
  SetCredits({"only"});
  Box();
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind == kFont) {
      EXPECT_TRUE(c.x < 200 || c.x > 500) << "only the corner numbers";
    }
  }
  SetCredits({});
  Box();
}

TEST_F(CreditBox, TheTopBadgesShowDeviceAndVirtualSizesAndTheTwoRates) {
  app->m_UpdateFpsAvg = 60;
  app->m_RenderFpsAvg = 59;
  zu_Quor_jscrh = 360;
  Box();
  // 640 x 360: 6 rows; the grid starts 20 down, so the top badges sit at y 100.
  EXPECT_EQ(app->m_CreditRows, 6);
  std::vector<DrawnCommand> ovals;
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind == -3716.0f) ovals.push_back(c);
  }
  ASSERT_EQ(ovals.size(), 8u);
  EXPECT_EQ(ovals[0].x, 80.0f);
  EXPECT_EQ(ovals[0].y, 100.0f);
  EXPECT_NEAR(ovals[0].sizeA, kCell, kTolerance);
  EXPECT_NEAR(ovals[1].sizeA, kCell - 3, kTolerance);
  EXPECT_EQ(ovals[1].red, 128.0f);
  EXPECT_EQ(ovals[2].x, 560.0f);
  EXPECT_NEAR(ovals[4].y, 20 + 4.5f * kCell, kTolerance);

  std::map<float, std::string> left, right;
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind != kFont) continue;
    if (c.x < 100) left[c.y] += static_cast<char>(c.frame + 32);
    if (c.x > 540) right[c.y] += static_cast<char>(c.frame + 32);
  }
  const std::map<float, std::string> expectedLeft = {{85, "640"}, {101, "480"}, {117, "60"}};
  const std::map<float, std::string> expectedRight = {{85, "640"}, {101, "360"}, {117, "59"}};
  EXPECT_EQ(left, expectedLeft);
  EXPECT_EQ(right, expectedRight);
}

TEST_F(CreditBox, AnyTouchOrFireClosesItOncePerPress) {
  app->m_TouchDown = 1;
  app->m_TouchLatch = 1;  // the touch that opened it
  Box();
  EXPECT_EQ(app->m_CreditsOpen, 1);
  app->m_TouchLatch = 0;
  Box();
  EXPECT_EQ(app->m_CreditsOpen, 0);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_EQ(app->m_NextChannel, 1);

  app->m_TouchDown = 0;
  app->m_CreditsOpen = 1;
  KeyDown('O');
  app->m_KeyLatch = 1;
  Box();
  EXPECT_EQ(app->m_CreditsOpen, 1);
  app->m_KeyLatch = 0;
  Box();
  EXPECT_EQ(app->m_CreditsOpen, 0);
  EXPECT_EQ(app->m_KeyLatch, 1);
}

TEST_F(CreditBox, ADegenerateScreenKeepsEveryColourWithinRange) {
  for (float height : {100.0f, 110.0f, 5.0f}) {
    zu_Quor_jscrh = height;
    Box();
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      EXPECT_GE(c.red, 0.0f);
      EXPECT_LE(c.red, 255.0f);
      EXPECT_GE(c.blue, 0.0f);
      EXPECT_LE(c.blue, 255.0f);
    }
  }
}

}  // namespace
