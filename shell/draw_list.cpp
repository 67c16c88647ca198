// Appending commands to the draw list. Nothing is drawn during an update: each call writes
// one 15-Float command stamped with the current draw state, and the render replays them.
#include "shell/my_app.h"

namespace {

constexpr int kCommandSize = 15;
// A command is appended only while the count is at or below this, so a frame holds at most
// 2,499 commands; later calls of the frame are dropped.
constexpr int kLastCommandStart = 37484;

// Writes one command at the end of the list: kind (image index or shape code), position,
// the two size values (image scale, rectangle size or oval radii) and the frame, with
// rotation, alpha, colour and blend taken from the draw state.
void Append(c_MyApp& app, float kind, float x, float y, float sizeA, float sizeB, float frame) {
  if (app.m_DrawCount < 0 || app.m_DrawCount > kLastCommandStart) return;
  float* command = app.m_DrawList.begin() + app.m_DrawCount;
  command[0] = kind;
  command[1] = x;
  command[2] = y;
  command[3] = app.m_Rot;
  command[4] = sizeA;
  command[5] = sizeB;
  command[6] = frame;
  command[7] = app.m_Alpha;
  command[8] = 0.0f;
  command[9] = 0.0f;
  command[10] = app.m_ColR;
  command[11] = app.m_ColG;
  command[12] = app.m_ColB;
  command[13] = static_cast<float>(app.m_Blend);
  command[14] = 0.0f;
  app.m_DrawCount += kCommandSize;
}

}  // namespace

int c_MyApp::p_DrawImg(int image, float x, float y, int frame) {
  Append(*this, static_cast<float>(image), x, y, m_SizeX, m_SizeY, static_cast<float>(frame));
  return 0;
}

// The six 64-frame sprite sheets (images 0..5) share one numbering, 0..383.
int c_MyApp::p_DrawGfx(float x, float y, int sprite) {
  return p_DrawImg(sprite / 64, x, y, sprite % 64);
}

int c_MyApp::p_Rect(float x, float y, float w, float h) {
  Append(*this, ZU_DRAW_RECT, x, y, w, h, 0.0f);
  return 0;
}

int c_MyApp::p_Oval(float x, float y, float rx, float ry) {
  Append(*this, ZU_DRAW_OVAL, x, y, rx, ry, 0.0f);
  return 0;
}
