// Surfaces on a GL that refuses textures whose sides are not powers of two. Mesa can be
// made to behave like such a GL for a whole process, so the test runs itself again in a
// child process with that setting.
#include <GL/gl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/host/graphics/gl_window.h"
#include "tests/host/graphics/png_files.h"

extern char** environ;

namespace {

constexpr char kChildMarker[] = "ZANDREL_REFUSING_GL_CHILD=1";

bool GlAccepts100By60() {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  while (glGetError() != GL_NO_ERROR) {
  }
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 100, 60, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  const bool accepted = glGetError() == GL_NO_ERROR;
  glDeleteTextures(1, &name);
  return accepted;
}

// Runs the current test again in a child whose Mesa refuses such textures; its exit status.
int RunInRefusingChild() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string self = "/proc/self/exe";
  std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
  std::string refuse = "MESA_EXTENSION_OVERRIDE=-GL_ARB_texture_non_power_of_two";
  std::string marker = kChildMarker;
  std::vector<char*> env = {refuse.data(), marker.data()};
  for (char** e = environ; *e; ++e) env.push_back(*e);
  env.push_back(nullptr);
  char* argv[] = {self.data(), filter.data(), nullptr};
  pid_t child = 0;
  int status = 0;
  if (posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, env.data()) != 0) return -1;
  if (waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class PowerOfTwoFallback : public GlWindowTest {};

TEST_F(PowerOfTwoFallback, ImageDrawsAtItsOwnSizeWithOnlyItsOwnPixels) {
  const bool child = std::getenv("ZANDREL_REFUSING_GL_CHILD") != nullptr;
  ASSERT_EQ(GlAccepts100By60(), !child);

  std::vector<unsigned char> raw;  // 100 x 60, red following x and green following y
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 100; ++x) raw.insert(raw.end(), {static_cast<unsigned char>(x * 2 + 20), static_cast<unsigned char>(y * 4 + 10), 99});
  }
  PngFolder folder;
  ZuGraphics* g = gc_new<ZuGraphics>();
  g->BeginRender();
  g->SetColor(255, 255, 255);
  g->SetAlpha(1);
  g->SetScissor(0, 0, kWidth, kHeight);
  g->Cls(0, 0, 0);
  ZuSurface* s = g->LoadSurface(String(folder.Make("gradient.png", 100, 60, kRgbPng, raw).c_str()));
  ASSERT_NE(s, nullptr);
  GLint texture_w = 0, texture_h = 0;
  glBindTexture(GL_TEXTURE_2D, s->textureName);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &texture_w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &texture_h);
  EXPECT_EQ(texture_w, child ? 128 : 100);
  EXPECT_EQ(texture_h, child ? 64 : 60);
  EXPECT_FLOAT_EQ(s->uScale, child ? 1.0f / 128 : 1.0f / 100);

  g->DrawSurface(s, 0, 0);
  g->DrawSurface2(s, 200, 200, 50, 30, 50, 30);  // the bottom-right quarter as a frame
  g->EndRender();
  const auto screen = Screen(g);
  int wrong_whole = 0, wrong_frame = 0;
  for (int y = 0; y <= 60; ++y) {
    for (int x = 0; x <= 100; ++x) {
      const bool inside = x < 100 && y < 60;
      if (At(screen, x, y) != (inside ? Rgb(x * 2 + 20, y * 4 + 10, 99) : Rgb(0, 0, 0))) ++wrong_whole;
      const bool in_frame = x < 50 && y < 30;
      const uint32_t frame_want = in_frame ? Rgb((50 + x) * 2 + 20, (30 + y) * 4 + 10, 99) : Rgb(0, 0, 0);
      if (x <= 50 && y <= 30 && At(screen, 200 + x, 200 + y) != frame_want) ++wrong_frame;
    }
  }
  EXPECT_EQ(wrong_whole, 0);
  EXPECT_EQ(wrong_frame, 0);

  if (!child && !HasFailure()) {
    CloseWindow();
    EXPECT_EQ(RunInRefusingChild(), 0) << "the same drawing on a GL that refuses 100 x 60";
  }
}

}  // namespace
