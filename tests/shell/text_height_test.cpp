// Text read from the sofa: the shell driven through every screen and every game at three
// window sizes, normal and in couch mode, with each text drawn measured on the screen from
// the font's own capital height, its draw scale and the screen fit. With
// ZANDREL_TEXT_HEIGHTS=1 the smallest text of each screen is printed as a table.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "host/glfw_game.h"
#include "shell/quor.h"
#include "stb_image.h"
#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kGames = 26;
constexpr int kKeySpace = 32;
constexpr int kKeyEscape = 27;
constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;
constexpr int kKeyOptions = 'B';
constexpr int kKeyCredits = 'N';
constexpr int kKeyConsolePause = 'V';
constexpr int kNameBarsImage = 71;
constexpr int kBadgeGlyphs = 5;  // "Gfx By"
const char* const kBadge = "Gfx By badge";

// The font's capitals in art pixels of one tier, from the picture the loader reads: the
// rows "H" covers, its dark rim included (the light stroke inside is 7/9 of that).
float CapitalHeight(int tier) {
  const char* suffix = tier == 1 ? "" : tier == 2 ? "-hd" : "-hd2";
  const std::string path = std::string(ZANDREL_DATA_DIR) + "/fonts/quillet" + suffix + ".png";
  int width = 0, height = 0, channels = 0;
  unsigned char* rgba = stbi_load(path.c_str(), &width, &height, &channels, 4);
  if (!rgba) return 0;
  const int cell = 16 * tier;
  const int columns = width / cell;
  const int frame = 'H' - 32;
  int top = cell, bottom = -1;
  for (int y = 0; y < cell; ++y) {
    for (int x = 0; x < cell; ++x) {
      const unsigned char* p =
          rgba + 4 * ((frame / columns * cell + y) * width + frame % columns * cell + x);
      if (p[3] > 0) {
        top = std::min(top, y);
        bottom = y;
      }
    }
  }
  stbi_image_free(rgba);
  return static_cast<float>(bottom - top + 1);
}

// A window and the least its texts must measure: every text, and the texts read often.
struct Window {
  int width, height;
  bool couch;
  float floor, oftenRead;
};

std::string NameOf(const Window& w) {
  return std::to_string(w.width) + "x" + std::to_string(w.height) + (w.couch ? " couch" : "");
}

// Smallest text in device pixels by screen, for each window measured, in the order measured.
std::vector<std::pair<std::string, std::map<std::string, float>>> measured;

class TextHeight : public ShellTest, public ::testing::WithParamInterface<Window> {
 protected:
  void TearDown() override { zu_Quor_isConsole = 0; }

  static void TearDownTestSuite() {
    if (!std::getenv("ZANDREL_TEXT_HEIGHTS")) return;
    std::map<std::string, int> screens;
    std::printf("%-14s", "screen");
    for (const auto& [window, heights] : measured) {
      std::printf(" | %14s", window.c_str());
      for (const auto& entry : heights) screens[entry.first] = 1;
    }
    std::printf("\n");
    for (const auto& [screen, unused] : screens) {
      std::printf("%-14s", screen.c_str());
      for (const auto& [window, heights] : measured) {
        const auto found = heights.find(screen);
        if (found == heights.end()) std::printf(" | %14s", "-");
        else std::printf(" | %11.1f px", found->second);
      }
      std::printf("\n");
    }
  }

  std::map<std::string, float>& Walk(const Window& window) {
    measured.push_back({NameOf(window), {}});
    std::map<std::string, float>& smallest = measured.back().second;
    host.width = window.width;
    host.height = window.height;
    ZuGlfwGame::_couchMode = window.couch;
    zu_Quor_Init();
    ZuGlfwGame::_couchMode = false;
    app->p_OnCreate();
    zu_app_ValidateDeviceWindow(true);
    app->p_OnRender();
    while (app->m_ReloadPending > 0) Update();
    const float capital = CapitalHeight(app->m_ImgRes);
    const auto watch = [&](int updates) {
      for (int i = 0; i < updates; ++i) {
        Update();
        Measure(smallest, capital);
      }
    };
    const auto press = [&](int key) {
      KeyDown(key);
      watch(2);
      KeyUp(key);
      watch(2);
    };

    watch(60);
    press(kKeyOptions);
    watch(60);
    press(kKeySpace);
    watch(40);
    press(kKeyCredits);
    watch(120);
    press(kKeySpace);
    watch(40);
    for (int game = 1; game <= kGames; ++game) {
      app->m_MenuSel = game;
      press(kKeySpace);
      // A few seconds of play: fire now and then, right held half the time.
      for (int t = 0; t < 240 && app->m_Mode == 10; t += 20) {
        if (t % 80 == 0) KeyDown(kKeyRight);
        if (t % 80 == 40) KeyUp(kKeyRight);
        press(kKeySpace);
        watch(16);
      }
      KeyUp(kKeyRight);
      if (app->m_Mode == 10 && app->m_Dead == 0) {
        press(window.couch ? kKeyConsolePause : kKeyEscape);
        watch(30);
        press(kKeyLeft);
        press(kKeySpace);  // quit: the game-over banner
      }
      watch(150);
    }
    if (window.couch) {
      app->m_Mode = 4;  // what the pad's back button opens
      watch(30);
    }
    return smallest;
  }

  // Each glyph of the font drawn visibly on the screen, by the screen it belongs to. The
  // graphics credit badge (the glyphs of "Gfx By" after its name bar) counts apart.
  void Measure(std::map<std::string, float>& smallest, float capital) {
    const std::string screen = ScreenName();
    int badgeGlyphs = 0;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind == kNameBarsImage) badgeGlyphs = kBadgeGlyphs;
      if (c.kind != app->m_Font) continue;
      const bool badge = badgeGlyphs-- > 0;
      if (c.alpha < 0.05f || c.x < 0 || c.y < 0 || c.x > zu_Quor_jscrw || c.y > zu_Quor_jscrh) {
        continue;
      }
      const float px = capital * app->m_ImgScale * c.sizeB * app->m_ScaleY;
      auto [entry, fresh] = smallest.try_emplace(badge ? kBadge : screen, px);
      if (!fresh) entry->second = std::min(entry->second, px);
    }
  }

  std::string ScreenName() const {
    if (app->m_Mode == 4) return "quit question";
    if (app->m_Mode < 10) {
      if (app->m_OptionsOpen) return "options";
      if (app->m_CreditsOpen) return "credits";
      return app->m_GameOverTime > 0 ? "game over" : "menu";
    }
    if (app->m_OptionsOpen) return "options";
    if (app->m_Paused) return "pause";
    if (app->m_GameOverTime > 0) return "game over";
    char name[16];
    std::snprintf(name, sizeof name, "game %c", 'A' + app->m_Game - 1);
    return name;
  }
};

// The credits are read once: they only need the floor. The graphics credit badge, gone
// in seconds, keeps whatever scale the game left behind (half size in the maze game), so
// it is listed in the table and held to nothing.
TEST_P(TextHeight, EveryScreensTextsAreTallEnough) {
  const Window window = GetParam();
  const std::map<std::string, float>& heights = Walk(window);
  // The menu, options, credits, pause, game over, the badge, 26 games; couch: the quit question.
  EXPECT_EQ(heights.size(), window.couch ? 33u : 32u) << "a screen was never reached";
  for (const auto& [screen, px] : heights) {
    if (screen == kBadge) continue;
    EXPECT_GE(px, window.floor) << screen;
    if (screen != "credits") {
      EXPECT_GE(px, window.oftenRead) << screen;
    }
  }
}

// A couch's television has no 640 x 480 mode; that row is measured for the table only.
// A phone's page, in CSS pixels: 844 x 390 sideways, and 390 x 520 upright (its frame).
INSTANTIATE_TEST_SUITE_P(Windows, TextHeight,
                         ::testing::Values(Window{640, 480, false, 9, 0},
                                           Window{844, 390, false, 9, 0},
                                           Window{390, 520, false, 9, 0},
                                           Window{1280, 800, false, 9, 12},
                                           Window{1920, 1080, false, 9, 12},
                                           Window{640, 480, true, 0, 0},
                                           Window{1280, 800, true, 9, 12},
                                           Window{1920, 1080, true, 9, 12}));

}  // namespace
