// A recorded frame replayed into a real window: shapes, blending, the generated font and
// sprites, read back pixel by pixel. The scene is also saved as draw_replay_scene.png in
// the build folder, to be looked at.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "framework/random.h"
#include "stb_image_write.h"
#include "tests/host/graphics/gl_window.h"
#include "tests/shell/shell_fixture.h"

namespace {

// The renderer tests' window, opened from a shell test.
struct TestWindow : GlWindowTest {
  void TestBody() override {}
  using GlWindowTest::At;
  using GlWindowTest::CloseWindow;
  using GlWindowTest::OpenWindow;
  using GlWindowTest::Rgb;
  using GlWindowTest::Screen;
};

using Screen = std::vector<uint32_t>;

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

class ReplayWindow : public ShellTest {
 protected:
  static constexpr uint32_t kBackground = TestWindow::Rgb(20, 30, 60);

  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(window_.OpenWindow());
    graphics_ = gc_new<ZuGraphics>();
    zu_graphics_SetGraphicsDevice(graphics_);
    zu_app_ValidateDeviceWindow(false);  // 640 x 480, as the window
    zu_Quor_overscan = 0;
    app->m_ScaleX = app->m_ScaleY = 1;
    app->m_ImgScale = 1;
    LoadArt(90, "fonts/quillet", 16, 16, 128);
    LoadArt(96, "parts", 8, 8, 256);
    LoadArt(50, "heart", 32, 32, 1);
    LoadArt(0, "sprt_0", 40, 40, 64);
    app->m_Font = 90;
    app->m_ImgInfo[270] = 7;
    app->m_ImgInfo[271] = 10;
    app->p_CLS2D(20, 30, 60);
  }
  void TearDown() override {
    zu_graphics_SetGraphicsDevice(nullptr);
    zu_Quor_overscan = 0;
    window_.CloseWindow();
    ShellTest::TearDown();
  }
  void LoadArt(int index, const std::string& name, int w, int h, int frames) {
    const std::string path = std::string(ZANDREL_DATA_DIR) + "/" + name + ".png";
    app->m_Images[index] = zu_graphics_LoadImage2(String(path.c_str()), w, h, frames, 1);
    ASSERT_NE(app->m_Images[index], nullptr) << path;
  }
  // The render step around the replay: the fill, then the recorded commands.
  Screen Render() {
    graphics_->BeginRender();
    zu_graphics_BeginRender();
    graphics_->Cls(app->m_ClsR, app->m_ClsG, app->m_ClsB);
    app->p_ReplayDrawList();
    zu_graphics_EndRender();
    graphics_->EndRender();
    return TestWindow::Screen(graphics_);
  }
  static uint32_t At(const Screen& screen, int x, int y) { return TestWindow::At(screen, x, y); }
  // The box of pixels in the rectangle that differ from the background.
  static Box Lit(const Screen& screen, int x0, int y0, int x1, int y1) {
    Box box;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (At(screen, x, y) == kBackground) continue;
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
    }
    return box;
  }
  void Save(const Screen& screen, const char* name) {
    std::vector<unsigned char> rgb;
    for (uint32_t p : screen) {
      rgb.insert(rgb.end(), {static_cast<unsigned char>(p >> 16),
                             static_cast<unsigned char>(p >> 8), static_cast<unsigned char>(p)});
    }
    const std::string out = std::string(ZANDREL_BINARY_DIR) + "/" + name;
    EXPECT_NE(stbi_write_png(out.c_str(), 640, 480, 3, rgb.data(), 640 * 3), 0);
  }

  TestWindow window_;
  ZuGraphics* graphics_ = nullptr;
};

TEST_F(ReplayWindow, ShapesLandOnTheirPixelsInOrder) {
  app->p_SetCol(255, 0, 0);
  app->p_Rect(20, 20, 100, 60);
  app->p_SetCol(0, 0, 255, 0.5f);
  app->p_Rect(70, 50, 100, 60);  // half over the red
  app->p_SetCol(0, 255, 0, 1);
  app->p_Oval(300, 80, 60, 40);
  const Screen screen = Render();
  EXPECT_EQ(At(screen, 21, 21), TestWindow::Rgb(255, 0, 0));
  EXPECT_EQ(At(screen, 119, 21), TestWindow::Rgb(255, 0, 0));
  EXPECT_EQ(At(screen, 120, 21), kBackground);
  EXPECT_TRUE(NearRgb(At(screen, 100, 70), 128, 0, 128));
  EXPECT_TRUE(NearRgb(At(screen, 150, 100), 10, 15, 158));
  EXPECT_EQ(At(screen, 19, 19), kBackground);
  EXPECT_EQ(At(screen, 300, 80), TestWindow::Rgb(0, 255, 0));
  EXPECT_EQ(At(screen, 355, 80), TestWindow::Rgb(0, 255, 0));
  EXPECT_EQ(At(screen, 300, 125), kBackground);
  const Box oval = Lit(screen, 230, 30, 370, 130);
  EXPECT_NEAR(oval.Width(), 120, 1);
  EXPECT_NEAR(oval.Height(), 80, 1);
}

TEST_F(ReplayWindow, ScaleAndOverscanMoveEverythingOnTheDevice) {
  // A 640 x 480 device drawn at half scale inside a 20-pixel border (15 down).
  zu_Quor_overscan = 20;
  app->m_ScaleX = app->m_ScaleY = 0.5f;
  app->p_SetCol(255, 255, 0);
  app->p_Rect(100, 100, 100, 100);
  const Screen screen = Render();
  const Box box = Lit(screen, 0, 0, 640, 480);
  EXPECT_EQ(box.left, 70);
  EXPECT_EQ(box.top, 65);
  EXPECT_EQ(box.Width(), 50);
  EXPECT_EQ(box.Height(), 50);
}

TEST_F(ReplayWindow, GlyphsAreTintedScaledAndCentredOnTheCursor) {
  // Left-aligned, so the glyphs' cells start on whole pixels: "M" is centred one advance
  // after x, on 107 at scale 1 and on 321 at scale 3.
  app->p_SetCol(255, 0, 0);
  app->p_Text(100, 100, "M", 0);
  app->p_SetSize(3);
  app->p_Text(300, 100, "M", 0);
  const Screen screen = Render();
  const Box small = Lit(screen, 80, 80, 130, 120);
  const Box large = Lit(screen, 280, 60, 360, 140);
  ASSERT_GT(small.Width(), 2);
  EXPECT_EQ(large.Width(), 3 * small.Width());
  EXPECT_EQ(large.Height(), 3 * small.Height());
  // Each glyph stays inside its 16-pixel cell, scaled about the cell's centre.
  EXPECT_GE(small.left, 99);
  EXPECT_LE(small.right, 114);
  EXPECT_GE(small.top, 92);
  EXPECT_LE(small.bottom, 107);
  EXPECT_EQ(large.left - 297, 3 * (small.left - 99));
  EXPECT_EQ(large.top - 76, 3 * (small.top - 92));
  for (int y = small.top; y <= small.bottom; ++y) {
    for (int x = small.left; x <= small.right; ++x) {
      const uint32_t p = At(screen, x, y);
      if (p == kBackground) continue;
      // Red ink over the background: green and blue only ever fade toward the background's.
      EXPECT_LE(static_cast<int>(p >> 8 & 0xff), 30);
      EXPECT_LE(static_cast<int>(p & 0xff), 60);
    }
  }
}

TEST_F(ReplayWindow, ARecordedFrameOfEverything) {
  // Background panel, coloured shapes, a star field, sprites, hearts and text.
  app->p_SetCol(0, 0, 0, 0.4f);
  app->p_Rect(440, 0, 200, 480);
  app->p_Alpha(1);
  for (int n = 1; n <= 9; ++n) {
    app->p_Ink(n, 1);
    app->p_Oval(30.0f + 45 * (n - 1), 440, 18, 18);
  }
  zu_random_Seed = 1234;
  app->p_ResetStars(60);
  app->p_DoStars(0, 0);
  app->p_ResetDraw();
  app->p_SetSize(2);
  for (int i = 0; i < 6; ++i) {
    app->p_SetRot(i * 15.0f);
    app->p_DrawGfx(60.0f + 60 * i, 330, 40 + i % 4);
  }
  app->p_ResetDraw();
  app->m_Lives = 3;
  app->m_Game = 1;
  app->m_Score = app->m_ShownScore = 4321;
  app->p_ScoreDisplay(1);
  app->p_ResetDraw();
  app->p_SetSize(4);
  app->p_Ink(3, 5);
  app->p_Text(32, 110, "Zandrel", 0, 1);
  app->p_SetSize(2);
  app->p_Ink(5, 5);
  app->p_Text(32, 170, "Walk as far as you can\\n whilst avoiding the obstructions.", 0, 0);
  app->p_ResetDraw();
  app->p_SetSize(1.5f);
  app->p_SetCol(255, 200, 100);
  app->p_Text(460, 60, "Top 3\\n        1200\\n         800\\n         450", 0, 0);
  app->p_ResetDraw();
  app->p_SetSize(1.5f);
  app->p_Text(452, 260, "Press \xac" "J to play", 0, 0);
  app->p_SetRot(-20);
  app->p_SetCol(255, 120, 120);
  app->p_Text(540, 360, "GAME OVER", 1);
  const Screen screen = Render();
  Save(screen, "draw_replay_scene.png");

  EXPECT_TRUE(NearRgb(At(screen, 630, 470), 12, 18, 36)) << "the panel dims the background";
  EXPECT_EQ(At(screen, 30, 440), TestWindow::Rgb(255, 25, 25));
  EXPECT_EQ(At(screen, 390, 440), TestWindow::Rgb(255, 255, 255));
  // The title's seven letters at scale 4 spread over 7 x 28 units from x = 32 + 28.
  const Box title = Lit(screen, 32, 80, 300, 140);
  EXPECT_GT(title.Width(), 150);
  EXPECT_LT(title.left, 60 + 16);
  // The score line's digits are drawn in its green.
  const Box score = Lit(screen, 260, 16, 380, 40);
  EXPECT_GT(score.Width(), 80);
}

}  // namespace
