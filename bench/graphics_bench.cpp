// One full frame of sprites through the graphics module and the renderer: the most the
// shell's draw list holds (2,499 commands), each replayed as the shell does (alpha, colour,
// blend, then an image, upright or turned and scaled). The measured span is our code
// building and submitting the frame, GL calls included; waiting for the driver to
// rasterize it (glFinish) happens outside the span. The counters give the GL draw calls of
// the frame. Needs an X display (scripts/bench.sh runs it under xvfb-run, and once more on
// Mesa's no-op driver, since a software rasterizer does its work inside the GL calls).
#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "bench/bench_support.h"
#include "framework/app.h"
#include "framework/graphics.h"
#include "host/glfw_game.h"

namespace {

constexpr int kSprites = 2499;
constexpr int kSheets = 6;           // the game's six sprite sheets
constexpr int kCell = 32;            // sheet cells of 32 x 32 pixels, 8 x 8 to a sheet
constexpr int kFramesPerSheet = 64;

struct Sprite {
  int sheet, frame;
  float x, y, rotation, scale, alpha, red;
};

// The window, the renderer and the sheets, made once for every benchmark.
struct Stage {
  GLFWwindow* window = nullptr;
  ZuGraphics* graphics = nullptr;
  std::vector<c_Image*> sheets;

  bool Open() {
    if (window) return true;
    window = zu_bench_OpenWindow("Zandrel frame benchmark");
    if (!window) return false;
    zu_graphics_Init();
    graphics = gc_new<ZuGraphics>();
    zu_graphics_SetGraphicsDevice(graphics);
    zu_app__devWidth = 640;  // as the delegate caches it from the window
    zu_app__devHeight = 480;
    for (int s = 0; s < kSheets; ++s) sheets.push_back(MakeSheet(s));
    return true;
  }

  // A sheet of 64 cells, each a soft disc in its own colour.
  c_Image* MakeSheet(int index) {
    const int side = kCell * 8;
    ZuSurface* surface = graphics->CreateSurface(side, side);
    Array<int> pixels(side * side);
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const int dx = x % kCell - kCell / 2, dy = y % kCell - kCell / 2;
        const int alpha = dx * dx + dy * dy < kCell * kCell / 4 ? 255 : 0;
        pixels[y * side + x] = alpha << 24 | (x * 7 + index * 40) % 256 << 16 | (y * 5) % 256 << 8 | 128;
      }
    }
    graphics->WritePixels2(surface, pixels, 0, 0, side, side, 0, side);
    return gc_new<c_Image>()->m_new()->p_Init2(surface, 0, 0, kCell, kCell, kFramesPerSheet,
                                               c_Image::CentreHandle, nullptr, 0, 0, side, side);
  }
};

Stage stage;

// Sprites in runs of `run` from the same sheet, the sheet changing between runs. Upright
// sprites at their own size are what tiles and text are; turned ones are the costly case.
std::vector<Sprite> MakeSprites(int run, bool turned) {
  std::vector<Sprite> sprites;
  uint32_t seed = 1234;
  auto next = [&seed](int range) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<uint32_t>(range));
  };
  for (int i = 0; i < kSprites; ++i) {
    sprites.push_back({run > 0 ? (i / run) % kSheets : 0, next(kFramesPerSheet),
                       static_cast<float>(next(640)), static_cast<float>(next(480)),
                       turned ? static_cast<float>(next(360)) : 0.0f,
                       turned ? 0.5f + next(100) / 100.0f : 1.0f,
                       0.5f + next(50) / 100.0f, static_cast<float>(155 + next(100))});
  }
  return sprites;
}

void SubmitFrame(const std::vector<Sprite>& sprites) {
  ZuGraphics* g = stage.graphics;
  g->BeginRender();
  zu_graphics_BeginRender();
  g->Cls(0, 0, 0);
  for (const Sprite& s : sprites) {
    zu_graphics_SetAlpha(s.alpha);
    zu_graphics_SetColor(s.red, 255, 255);
    zu_graphics_SetBlend(0);
    zu_graphics_DrawImage2(stage.sheets[s.sheet], s.x, s.y, s.rotation, s.scale, s.scale, s.frame);
  }
  zu_graphics_EndRender();
  g->EndRender();
}

// range(0): sprites drawn from one sheet before the next sheet; 0 = all from one sheet.
// range(1): 1 when every sprite is turned and scaled.
void BM_FullSpriteFrame(benchmark::State& state) {
  if (!stage.Open()) {
    state.SkipWithError("no X display or GL context");
    return;
  }
  const int run = static_cast<int>(state.range(0));
  const std::vector<Sprite> sprites = MakeSprites(run, state.range(1) != 0);
  for (auto _ : state) {
    SubmitFrame(sprites);
    state.PauseTiming();
    glFinish();
    state.ResumeTiming();
  }
  state.counters["draw_calls"] = stage.graphics->DrawCallsThisFrame();
  state.counters["sheet_changes"] = run > 0 ? (kSprites - 1) / run : 0;
  state.counters["sprites"] = kSprites;
}
BENCHMARK(BM_FullSpriteFrame)
    ->ArgsProduct({{0, 500, 100, 10}, {0, 1}})
    ->ArgNames({"run", "turned"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The driver's own floor for comparison: the same number of upright quads submitted with
// bare GL calls in the renderer's format (client arrays, 256 indexed quads a call), without
// any of our code. What the full frame costs beyond this is ours. `textured` false strips
// the quads down to plain untextured, unblended, single-coloured ones: the least the driver
// can be asked to do for this many quads.
struct BareQuads {
  std::vector<ZuVertex> vertices;

  BareQuads() {
    for (const Sprite& s : MakeSprites(0, false)) {
      const float u = (s.frame % 8) / 8.0f, v = (s.frame / 8) / 8.0f, side = 1 / 8.0f;
      vertices.push_back({s.x, s.y, u, v, 0xffffffffu});
      vertices.push_back({s.x + kCell, s.y, u + side, v, 0xffffffffu});
      vertices.push_back({s.x + kCell, s.y + kCell, u + side, v + side, 0xffffffffu});
      vertices.push_back({s.x, s.y + kCell, u, v + side, 0xffffffffu});
    }
  }

  void Submit(bool textured) const {
    ZuGraphics* g = stage.graphics;
    g->BeginRender();
    glClear(GL_COLOR_BUFFER_BIT);
    if (textured) {
      glEnable(GL_TEXTURE_2D);
      stage.sheets[0]->m_Surface->Bind();
    } else {
      glDisable(GL_BLEND);
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
      glDisableClientState(GL_COLOR_ARRAY);
    }
    for (size_t first = 0; first < vertices.size(); first += ZuGraphics::kBatchVertices) {
      const size_t count = std::min<size_t>(ZuGraphics::kBatchVertices, vertices.size() - first);
      glVertexPointer(2, GL_FLOAT, sizeof(ZuVertex), &vertices[first].x);
      glTexCoordPointer(2, GL_FLOAT, sizeof(ZuVertex), &vertices[first].u);
      glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(ZuVertex), &vertices[first].color);
      glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count / 4 * 6), GL_UNSIGNED_SHORT, g->quadIndexBuffer);
    }
    glDisable(GL_TEXTURE_2D);
  }
};

void BM_BareGlQuads(benchmark::State& state) {
  if (!stage.Open()) {
    state.SkipWithError("no X display or GL context");
    return;
  }
  const BareQuads bare;
  for (auto _ : state) {
    bare.Submit(state.range(0) != 0);
    state.PauseTiming();
    glFinish();
    state.ResumeTiming();
  }
  state.counters["sprites"] = kSprites;
}
BENCHMARK(BM_BareGlQuads)->ArgName("textured")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

int64_t ThreadCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The full frame of upright sprites from one sheet (range(0) = 0) or of turned and scaled
// ones (1) against the bare textured quads, frame by frame in turn on this thread's CPU
// clock, so that a busy machine slows both alike: counter `ratio` is the median of
// ours / bare over the pairs.
void BM_SpritesAgainstBareGl(benchmark::State& state) {
  if (!stage.Open()) {
    state.SkipWithError("no X display or GL context");
    return;
  }
  const std::vector<Sprite> sprites = MakeSprites(0, state.range(0) != 0);
  const BareQuads bare;
  std::vector<double> ours, plain, ratios;
  for (auto _ : state) {
    int64_t start = ThreadCpuNanoseconds();
    SubmitFrame(sprites);
    ours.push_back(static_cast<double>(ThreadCpuNanoseconds() - start) / 1e6);
    glFinish();
    start = ThreadCpuNanoseconds();
    bare.Submit(true);
    plain.push_back(static_cast<double>(ThreadCpuNanoseconds() - start) / 1e6);
    glFinish();
    ratios.push_back(ours.back() / plain.back());
  }
  auto median = [](std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
  };
  state.counters["ours_ms"] = median(ours);
  state.counters["bare_ms"] = median(plain);
  state.counters["ratio"] = median(ratios);
}
BENCHMARK(BM_SpritesAgainstBareGl)->ArgName("turned")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
