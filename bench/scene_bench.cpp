// Whole frames of the menu and of every game, at 640 x 480 and 1920 x 1080, each drawn two
// ways in turn: our way (the render hook replaying the draw list through the graphics module
// and the renderer) and by a bare-GL program handed the same frame — the draw list's quads
// and ovals already turned into vertex arrays, one glClear for the fill, then plain client
// array draws with blending on, one call per run of texture and blend. The counters give the
// process CPU time of a frame (llvmpipe's rasterising threads included, glFinish inside the
// span) for each, their ratio, the share of a core each would take at 60 frames a second,
// how many pixels of the two pictures differ, and a hash of our picture to compare runs.
//
// The application runs for real on a scripted clock and date with the data directory of the
// working directory (scripts/bench.sh runs it in the build directory), so every scene is the
// same frame from run to run. Needs an X display at least 1920 x 1080.
#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "framework/app.h"
#include "framework/framework_init.h"
#include "framework/graphics.h"
#include "framework/input.h"
#include "framework/random.h"
#include "host/game.h"
#include "host/glfw_game.h"
#include "host/graphics/oval_segments.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"
#include "tests/games/busy_input.h"

namespace {

constexpr int kMenu = 0;
constexpr int kMenuUpdates = 150;  // the cards have settled and the panel slid in
constexpr int kGameUpdates = 200;  // well into play, before most games can end

int64_t ProcessCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

uint32_t ColourBytes(float r, float g, float b, float a) {
  auto byte = [](float v) -> uint32_t {
    const int i = zu_f2i(v);
    return i < 0 ? 0u : i > 255 ? 255u : static_cast<uint32_t>(i);
  };
  return byte(255.0f * a) << 24 | byte(b * a) << 16 | byte(g * a) << 8 | byte(r * a);
}

// The frame as the bare program draws it: runs of primitives sharing a texture and blend.
struct BareFrame {
  struct Run {
    GLuint texture;  // 0: untextured
    bool additive;
    bool fan;        // ovals: one triangle fan per `fanSize` vertices
    int fanSize;
    int first, count;  // vertices
  };
  std::vector<ZuVertex> vertices;
  std::vector<Run> runs;
  std::vector<uint16_t> quadIndices;
  float clear[4] = {0, 0, 0, 0};
  bool clears = false;

  void Add(GLuint texture, bool additive, bool fan, int fanSize, const ZuVertex* v, int n) {
    Run* last = runs.empty() ? nullptr : &runs.back();
    if (!last || last->texture != texture || last->additive != additive || last->fan != fan ||
        last->fanSize != fanSize) {
      runs.push_back({texture, additive, fan, fanSize, static_cast<int>(vertices.size()), 0});
      last = &runs.back();
    }
    vertices.insert(vertices.end(), v, v + n);
    last->count += n;
  }

  int DrawCalls() const {
    int calls = 0;
    for (const Run& run : runs) calls += run.fan ? run.count / run.fanSize : 1;
    return calls;
  }

  void Draw() const {
    if (clears) {
      glClearColor(clear[0], clear[1], clear[2], clear[3]);
      glClear(GL_COLOR_BUFFER_BIT);
    }
    glEnable(GL_BLEND);
    const ZuVertex* base = vertices.data();
    glVertexPointer(2, GL_FLOAT, sizeof(ZuVertex), &base->x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(ZuVertex), &base->u);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(ZuVertex), &base->color);
    for (const Run& run : runs) {
      glBlendFunc(GL_ONE, run.additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
      if (run.texture) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, run.texture);
      } else {
        glDisable(GL_TEXTURE_2D);
      }
      if (run.fan) {
        for (int first = run.first; first < run.first + run.count; first += run.fanSize) {
          glDrawArrays(GL_TRIANGLE_FAN, first, run.fanSize);
        }
      } else {
        // Indices address 16384 quads at most; a frame holds fewer than 2,500.
        glDrawElements(GL_TRIANGLES, run.count / 4 * 6, GL_UNSIGNED_SHORT,
                       quadIndices.data() + run.first / 4 * 6);
      }
    }
    glDisable(GL_TEXTURE_2D);
  }
};

// Turns the app's draw list into the bare frame, with the replay's scaling and the graphics
// module's placement of images (handle, rotation, scale), computed here on its own.
BareFrame BuildBareFrame(const c_MyApp& app, int width, int height) {
  BareFrame frame;
  const uint32_t fill = ColourBytes(app.m_ClsR, app.m_ClsG, app.m_ClsB, app.m_ClsA);
  frame.clears = (fill >> 24) == 255;
  for (int i = 0; i < 4; ++i) frame.clear[i] = static_cast<float>(fill >> (8 * i) & 255) / 255.0f;
  const float sx = app.m_ScaleX, sy = app.m_ScaleY;
  const float ox = zu_Quor_overscan, oy = zu_Quor_overscan * height / width;
  const float* list = app.m_DrawList.begin();
  for (int start = 0; start + 15 <= app.m_DrawCount; start += 15) {
    const float* c = list + start;
    const uint32_t colour = ColourBytes(c[10], c[11], c[12], c[7]);
    const bool additive = c[13] == 3.0f;
    const float x = c[1] * sx + ox, y = c[2] * sy + oy;
    if (c[0] == ZU_DRAW_RECT) {
      const float w = c[4] * sx, h = c[5] * sy;
      const ZuVertex v[4] = {{x, y, 0, 0, colour}, {x + w, y, 0, 0, colour},
                             {x + w, y + h, 0, 0, colour}, {x, y + h, 0, 0, colour}};
      frame.Add(0, additive, false, 4, v, 4);
    } else if (c[0] == ZU_DRAW_OVAL) {
      const float xr = c[4] * sx, yr = c[5] * sy;
      const int n = zu_graphics_OvalSegments(xr, yr, false, 1, 0, 0, 1);
      std::vector<ZuVertex> fan(n);
      for (int i = 0; i < n; ++i) {
        const float theta = static_cast<float>(i) * 6.2831855f / static_cast<float>(n);
        fan[i] = {x + std::cos(theta) * xr, y - std::sin(theta) * yr, 0, 0, colour};
      }
      frame.Add(0, additive, true, n, fan.data(), n);
    } else if (c[0] > -1.0f && zu_f2i(c[0]) < app.m_Images.Length()) {
      const c_Image* image = app.m_Images[zu_f2i(c[0])];
      const int f = zu_f2i(c[6]);
      if (!image || f < 0 || f >= image->m_Frames.Length()) continue;
      const ZuSurface* s = image->m_Surface;
      const float a = c[4] * sx * app.m_ImgScale, b = c[5] * sy * app.m_ImgScale;
      const float radians = c[3] * 0.0174532924f;
      const float cs = std::cos(radians), sn = std::sin(radians);
      const float w = static_cast<float>(image->m_Width), h = static_cast<float>(image->m_Height);
      const float u0 = static_cast<float>(image->m_Frames[f]->m_X), v0 = static_cast<float>(image->m_Frames[f]->m_Y);
      ZuVertex v[4];
      const float corners[4][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
      for (int i = 0; i < 4; ++i) {
        const float px = a * (corners[i][0] - image->m_HandleX);
        const float py = b * (corners[i][1] - image->m_HandleY);
        v[i] = {x + cs * px + sn * py, y - sn * px + cs * py, (u0 + corners[i][0]) * s->uScale,
                (v0 + corners[i][1]) * s->vScale, colour};
      }
      frame.Add(s->textureName, additive, false, 4, v, 4);
    }
  }
  const int quads = static_cast<int>(frame.vertices.size() / 4);
  for (int q = 0; q < quads; ++q) {
    const auto k = static_cast<uint16_t>(q * 4);
    frame.quadIndices.insert(frame.quadIndices.end(),
                             {k, static_cast<uint16_t>(k + 1), static_cast<uint16_t>(k + 2), k,
                              static_cast<uint16_t>(k + 2), static_cast<uint16_t>(k + 3)});
  }
  return frame;
}

// The window, the one application and its loaded art, shared by every scene.
struct Stage {
  GLFWwindow* window = nullptr;
  ScriptedHost host;
  c_MyApp* app = nullptr;
  BusyInput busyInput{nullptr};
  int update = 0;

  bool Open() {
    if (window) return true;
    window = zu_bench_OpenWindow("Zandrel scenes");
    if (!window) return false;
    zu_framework_Init();
    zu_Quor_Init();
    zu_app__game = &host;
    app = gc_new<c_MyApp>();
    app->m_new();
    host.StartGame();
    app->m_Options[5] = 0;  // sound off
    busyInput = BusyInput(zu_input_device);
    return true;
  }

  // Resizes the window and lets the loader bring in the art of the size's tier.
  void Resize(int width, int height) {
    if (host.width == width && host.height == height && app->m_ReloadPending == 0) return;
    glfwSetWindowSize(window, width, height);
    for (int i = 0; i < 200; ++i) {
      glfwPollEvents();
      int w = 0, h = 0;
      glfwGetWindowSize(window, &w, &h);
      if (w == width && h == height) break;
      glfwWaitEventsTimeout(0.01);
    }
    // The GL drawable takes the window's new size at a swap.
    glfwSwapBuffers(window);
    host.width = width;
    host.height = height;
    host.RenderGame();  // sees the new size and starts the loader
    while (app->m_ReloadPending > 0) Step(false);
  }

  void Step(bool playing) {
    host.millisecs = update * 16;
    if (playing) busyInput.Apply(update);
    host.UpdateGame();
    ++update;
  }

  // The menu after it settles, or a game after some scripted play.
  void Prepare(int game) {
    busyInput.ReleaseAll();
    zu_random_Seed = 1234;
    update = 0;
    app->m_Mode = 1;
    app->m_Dead = 0;
    app->m_Paused = 0;
    if (game == kMenu) {
      app->m_MenuSel = 4;
      for (int i = 0; i < kMenuUpdates; ++i) Step(false);
      return;
    }
    app->m_MenuSel = game;
    app->m_Game = game;
    app->m_Mode = 11;
    for (int i = 0; i < kGameUpdates; ++i) Step(true);
  }
};

Stage stage;

std::vector<uint32_t> ReadWindow(int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

uint32_t Fnv1a(const std::vector<uint32_t>& pixels) {
  uint32_t hash = 2166136261u;
  for (uint32_t p : pixels) {
    for (int i = 0; i < 4; ++i) hash = (hash ^ (p >> (8 * i) & 255)) * 16777619u;
  }
  return hash;
}

// With ZANDREL_SCENE_DIR set, each scene's picture is written there as a PPM to look at.
void WritePicture(const std::string& name, const std::vector<uint32_t>& pixels, int width,
                  int height) {
  const char* dir = std::getenv("ZANDREL_SCENE_DIR");
  if (!dir) return;
  std::ofstream out(std::string(dir) + "/" + name + ".ppm", std::ios::binary);
  out << "P6\n" << width << " " << height << "\n255\n";
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      const char rgb[3] = {static_cast<char>(p & 255), static_cast<char>(p >> 8 & 255),
                           static_cast<char>(p >> 16 & 255)};
      out.write(rgb, 3);
    }
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

template <typename Draw>
int64_t TimedFrame(Draw draw) {
  const int64_t start = ProcessCpuNanoseconds();
  draw();
  glFinish();
  return ProcessCpuNanoseconds() - start;
}

const char* const kSceneNames[27] = {
    "Menu",     "Abstract", "Vever",   "Chaos",  "Detonation", "Dudazevuva2", "Flappy",
    "Golfing",  "Hover",    "Ice",     "Jetpac", "Karate",     "NotSame",     "Map",
    "Numbers",  "Octopus",  "Penguin", "Qubic",  "Roller",     "Soda",        "Tower",
    "Umbrella", "Jump",     "Waves",   "Xplode", "Yahtzee",    "Zone"};

void BM_Scene(benchmark::State& state) {
  if (!stage.Open()) {
    state.SkipWithError("no X display or GL context");
    return;
  }
  const int width = static_cast<int>(state.range(1)), height = static_cast<int>(state.range(2));
  stage.Resize(width, height);
  stage.Prepare(static_cast<int>(state.range(0)));
  const BareFrame bare = BuildBareFrame(*stage.app, width, height);
  auto ours = [] { stage.host.RenderGame(); };
  auto plain = [&bare] {
    stage.app->p_FitScreen();  // what the render hook would do besides drawing
    bare.Draw();
  };

  TimedFrame(ours);
  const std::vector<uint32_t> ourPicture = ReadWindow(width, height);
  WritePicture(kSceneNames[state.range(0)] + std::to_string(width), ourPicture, width, height);
  TimedFrame(plain);
  const std::vector<uint32_t> barePicture = ReadWindow(width, height);
  int differing = 0;
  for (size_t i = 0; i < ourPicture.size(); ++i) differing += ourPicture[i] != barePicture[i];

  // Ours and bare in turn, frame by frame, so that a busy machine slows both alike; the
  // medians keep a stall of either out of the figures.
  const int frames = width * height > 1000000 ? 16 : 60;
  std::vector<double> oursMs, bareMs, ratios;
  for (auto _ : state) {
    for (int i = 0; i < frames; ++i) {
      oursMs.push_back(static_cast<double>(TimedFrame(ours)) / 1e6);
      bareMs.push_back(static_cast<double>(TimedFrame(plain)) / 1e6);
      ratios.push_back(oursMs.back() / bareMs.back());
    }
    double total = 0;
    for (double ms : oursMs) total += ms;
    state.SetIterationTime(total / 1e3);
  }
  state.counters["ours_ms"] = Median(oursMs);
  state.counters["bare_ms"] = Median(bareMs);
  state.counters["ratio"] = Median(ratios);
  // At 60 frames a second, the share of one core a frame's CPU time takes.
  state.counters["ours_core_pct"] = Median(oursMs) * 60.0 / 10.0;
  state.counters["bare_core_pct"] = Median(bareMs) * 60.0 / 10.0;
  state.counters["diff_px"] = differing;
  state.counters["picture"] = Fnv1a(ourPicture);
  state.counters["commands"] = stage.app->m_DrawCount / 15;
  state.counters["draw_calls"] = zu_graphics_device->DrawCallsThisFrame();
  state.counters["bare_draw_calls"] = bare.DrawCalls();
}

const bool kRegistered = [] {
  const int sizes[2][2] = {{640, 480}, {1920, 1080}};
  for (const auto& size : sizes) {
    for (int scene = 0; scene <= 26; ++scene) {
      const std::string name = std::string("Scene/") + kSceneNames[scene] + "/" +
                               std::to_string(size[0]) + "x" + std::to_string(size[1]);
      benchmark::RegisterBenchmark(name.c_str(), BM_Scene)
          ->Args({scene, size[0], size[1]})
          ->Iterations(1)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
