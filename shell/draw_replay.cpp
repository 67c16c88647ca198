// The render side of the draw list: every command recorded during the update, in order,
// through the graphics module, from virtual units to device pixels.
#include "framework/app.h"
#include "framework/graphics.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kCommandSize = 15;
constexpr float kAdditiveBlend = 3.0f;

// The loaded image a command names, or null when the index is outside the image table or
// its file failed to load (such commands draw nothing).
c_Image* CommandImage(const c_MyApp& app, float kind) {
  if (!(kind > -1.0f)) return nullptr;
  const int index = zu_f2i(kind);
  if (index >= app.m_Images.Length()) return nullptr;
  return app.m_Images[index];
}

}  // namespace

int c_MyApp::p_ReplayDrawList() {
  const float sx = m_ScaleX;
  const float sy = m_ScaleY;
  // The overscan border is given for the width; the height keeps the device's proportion.
  const int deviceWidth = zu_app_DeviceWidth();
  const float ox = zu_Quor_overscan;
  const float oy = deviceWidth != 0
                       ? zu_Quor_overscan * static_cast<float>(zu_app_DeviceHeight()) /
                             static_cast<float>(deviceWidth)
                       : 0.0f;
  const int count = m_DrawCount < m_DrawList.Length() ? m_DrawCount : m_DrawList.Length();
  const float* list = m_DrawList.begin();

  for (int start = 0; start + kCommandSize <= count; start += kCommandSize) {
    const float* command = list + start;
    zu_graphics_SetAlpha(command[7]);
    zu_graphics_SetColor(command[10], command[11], command[12]);
    zu_graphics_SetBlend(0);
    if (command[13] == kAdditiveBlend) zu_graphics_SetBlend(1);

    const float x = command[1] * sx + ox;
    const float y = command[2] * sy + oy;
    if (command[0] == ZU_DRAW_RECT) {
      zu_graphics_DrawRect(x, y, command[4] * sx, command[5] * sy);
    } else if (command[0] == ZU_DRAW_OVAL) {
      zu_graphics_DrawEllipse(x, y, command[4] * sx, command[5] * sy);
    } else if (c_Image* image = CommandImage(*this, command[0])) {
      // A frame the image does not have would index past its frame table: skip it like a
      // missing image.
      const int frame = zu_f2i(command[6]);
      if (frame < 0 || frame >= image->m_Frames.Length()) continue;
      zu_graphics_DrawImage2(image, x, y, command[3], command[4] * sx * m_ImgScale,
                             command[5] * sy * m_ImgScale, frame);
    }
  }
  return 0;
}
