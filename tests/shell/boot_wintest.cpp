// The collection on the real desktop host: a real window, renderer, sound device and the
// generated data folder. Start-up shows the loading screen, loads every picture and sound
// in 45 updates and reaches the menu; the fullscreen switch reloads the art at the
// desktop's tier and switching back restores the 640 x 480 window.
#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "framework/app.h"
#include "host/glfw_game.h"
#include "shell/entry.h"
#include "shell/my_app.h"
#include "tests/host/audio/audio_engine_openal_config.h"

namespace {

// OpenAL reads its configuration once, at the first device: write sound to a file.
const std::string& g_waveOutput = zu_test_UseWaveFileOutput();

struct Pixel {
  int r, g, b;
};

// The back buffer after a frame, in window coordinates with y down.
Pixel ReadPixel(int x, int y, int windowHeight) {
  unsigned char rgba[4] = {};
  glReadBuffer(GL_BACK);
  glReadPixels(x, windowHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2]};
}

void ExpectPixelNear(const Pixel& actual, const Pixel& expected, const char* what) {
  EXPECT_NEAR(actual.r, expected.r, 3) << what;
  EXPECT_NEAR(actual.g, expected.g, 3) << what;
  EXPECT_NEAR(actual.b, expected.b, 3) << what;
}

class BootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    (void)g_waveOutput;
    // A working folder of its own: the program reads "./data" and keeps its state file
    // beside it.
    workDir_ = std::filesystem::temp_directory_path() / ("zandrel-boot-" + std::to_string(getpid()));
    std::filesystem::create_directories(workDir_);
    std::filesystem::create_directory_symlink(ZANDREL_DATA_DIR, workDir_ / "data");
    previousDir_ = std::filesystem::current_path();
    std::filesystem::current_path(workDir_);

    glfwInitHint(GLFW_JOYSTICK_HAT_BUTTONS, GLFW_FALSE);
    ASSERT_TRUE(glfwInit());
    game_ = std::make_unique<ZuGlfwGame>();
    zuInit();
    zuMain();
    game_->SetGlfwWindow(640, 480, 8, 8, 8, 0, 0, 0, false);
    ASSERT_NE(game_->WindowSystem().Window(), nullptr);
    game_->StartGame();
    app_ = static_cast<c_MyApp*>(zu_app__app);
  }

  void TearDown() override {
    game_.reset();
    glfwTerminate();
    std::filesystem::current_path(previousDir_);
    std::error_code ignored;
    std::filesystem::remove_all(workDir_, ignored);
  }

  // One pass of the host loop, without its sleep: render, swap, events, one update.
  // The rendered frame is read back before the swap.
  void Pass(Pixel* corner = nullptr, Pixel* band = nullptr) {
    game_->RenderGame();
    const int height = game_->GetDeviceHeight();
    if (corner) *corner = ReadPixel(4, 4, height);
    if (band) *band = ReadPixel(4, height / 2, height);
    game_->WindowSystem().SwapBuffers();
    game_->WindowSystem().PollEvents();
    game_->UpdateGame();
  }

  // Passes until the loader is done; returns how many updates it took.
  int LoadFully() {
    int updates = 0;
    while (app_->m_ReloadPending > 0 && updates < 100) {
      Pass();
      ++updates;
    }
    return updates;
  }

  void ExpectEveryAssetLoaded() {
    for (int image : {0, 1, 2, 3, 4, 5, 50, 70, 71, 80, 90, 91, 93, 94, 95, 96, 97, 98, 99}) {
      EXPECT_NE(app_->m_Images[image], nullptr) << "image " << image << " at tier " << app_->m_ImgRes;
    }
    for (int sound : {1, 2, 9, 17, 95, 96, 98, 99}) {
      EXPECT_NE(app_->m_Sounds[sound], nullptr) << "sound " << sound;
    }
    for (int tune = ZU_TUNE_THEME; tune < ZU_TUNE_COUNT; ++tune) {
      EXPECT_NE(app_->m_Tunes[tune], nullptr) << "tune " << tune;
    }
  }

  std::filesystem::path workDir_;
  std::filesystem::path previousDir_;
  std::unique_ptr<ZuGlfwGame> game_;
  c_MyApp* app_ = nullptr;
};

TEST_F(BootTest, StartsBehindTheLoadingScreenAndReachesTheMenu) {
  EXPECT_EQ(app_->m_Mode, 1);
  EXPECT_EQ(app_->m_ReloadPending, 1);
  EXPECT_EQ(game_->UpdateRate(), 60);
  // The logo and the font are there before the first frame.
  EXPECT_NE(app_->m_Images[93], nullptr);
  EXPECT_NE(app_->m_Images[90], nullptr);

  // The first pass renders the start-up fill; the second shows the first loader step's picture.
  Pass();
  Pixel corner{}, band{};
  Pass(&corner, &band);
  ExpectPixelNear(corner, {40, 40, 80}, "loading screen fill");
  // The band: (250, 160, 60) at alpha 0.7 over the fill.
  ExpectPixelNear(band, {187, 124, 66}, "loading screen band");

  const int updates = 2 + LoadFully();
  EXPECT_EQ(updates, 45);
  EXPECT_EQ(app_->m_JinglePlayed, 1);
  EXPECT_EQ(app_->m_Mode, 1);
  EXPECT_EQ(app_->m_ImgRes, 2);  // the 640 x 480 window is above 630 pixels
  ExpectEveryAssetLoaded();

  // The menu takes over the screen.
  Pass();
  Pass(&corner);
  EXPECT_FALSE(corner.r == 40 && corner.g == 40 && corner.b == 80) << "still the loading screen";
}

TEST_F(BootTest, FullscreenReloadsTheArtAtTheDesktopsTier) {
  const GLFWvidmode* desktop = glfwGetVideoMode(glfwGetPrimaryMonitor());
  ASSERT_NE(desktop, nullptr);
  if (desktop->width == 640 && desktop->height == 480) {
    GTEST_SKIP() << "the desktop is as large as the window";
  }
  Pass();
  LoadFully();

  app_->p_FullscreenFlip();
  EXPECT_EQ(app_->m_Fullscreen, 1);
  Pass();
  EXPECT_EQ(app_->m_DevW, desktop->width);
  EXPECT_EQ(app_->m_DevH, desktop->height);
  EXPECT_EQ(app_->m_ReloadPending, 2);  // restarted by the render, one step done since
  LoadFully();
  const int largest = std::max(desktop->width, desktop->height);
  EXPECT_EQ(app_->m_ImgRes, largest > 1230 ? 4 : largest > 630 ? 2 : 1);
  ExpectEveryAssetLoaded();

  app_->p_FullscreenFlip();
  EXPECT_EQ(app_->m_Fullscreen, 0);
  Pass();
  EXPECT_EQ(app_->m_DevW, 640);
  EXPECT_EQ(app_->m_DevH, 480);
  EXPECT_EQ(LoadFully(), 44);
  EXPECT_EQ(app_->m_ImgRes, 2);
  EXPECT_EQ(app_->m_Mode, 1);
}

}  // namespace
