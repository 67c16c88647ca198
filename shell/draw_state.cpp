// The draw state (scale, rotation, colour, alpha, blend) that every appended command
// copies, and the nine-colour palette behind p_Ink and p_SetBG.
#include <algorithm>

#include "shell/my_app.h"

namespace {

struct PaletteColour {
  float red, green, blue;
};

// Colour numbers 1..9; index 0 is the grey that every other number gets.
constexpr PaletteColour kPalette[10] = {
    {0.3f, 0.3f, 0.3f}, {1.0f, 0.1f, 0.1f}, {1.0f, 0.5f, 0.1f}, {1.0f, 1.0f, 0.1f},
    {0.1f, 1.0f, 0.1f}, {0.1f, 1.0f, 1.0f}, {0.1f, 0.1f, 1.0f}, {0.5f, 0.1f, 1.0f},
    {1.0f, 0.1f, 0.5f}, {1.0f, 1.0f, 1.0f},
};

const PaletteColour& PaletteEntry(int colour) {
  return kPalette[colour >= 1 && colour <= 9 ? colour : 0];
}

// One channel of palette colour x brightness, in 0..255 (bright inks saturate to white-ish
// rather than overflowing the channel).
float Channel(float factor, float brightness) {
  return std::clamp(factor * brightness * 255.0f, 0.0f, 255.0f);
}

}  // namespace

int c_MyApp::p_ResetDraw() {
  m_SizeX = 1.0f;
  m_SizeY = 1.0f;
  m_Rot = 0.0f;
  m_ColR = 255.0f;
  m_ColG = 255.0f;
  m_ColB = 255.0f;
  m_Alpha = 1.0f;
  m_Blend = 1;
  return 0;
}

int c_MyApp::p_SetSize(float x, float y) {
  m_SizeX = x;
  m_SizeY = zu_IsOmitted(y) ? x : y;
  return 0;
}

// Stored negated: the replay hands m_Rot to the graphics module, where positive angles turn
// counter-clockwise, so a positive angle here turns pictures clockwise.
int c_MyApp::p_SetRot(float angle) {
  m_Rot = -angle;
  return 0;
}

int c_MyApp::p_Alpha(float alpha) {
  m_Alpha = alpha;
  return 0;
}

int c_MyApp::p_SetCol(float r, float g, float b, float a) {
  m_ColR = r;
  m_ColG = g;
  m_ColB = b;
  if (!zu_IsOmitted(a)) m_Alpha = a;
  return 0;
}

int c_MyApp::p_Ink(int colour, float brightness) {
  const PaletteColour& entry = PaletteEntry(colour);
  m_ColR = Channel(entry.red, brightness);
  m_ColG = Channel(entry.green, brightness);
  m_ColB = Channel(entry.blue, brightness);
  return 0;
}

int c_MyApp::p_SetBG(int colour, float brightness) {
  const PaletteColour& entry = PaletteEntry(colour);
  m_BgTR = Channel(entry.red, brightness);
  m_BgTG = Channel(entry.green, brightness);
  m_BgTB = Channel(entry.blue, brightness);
  return 0;
}
