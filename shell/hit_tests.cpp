// Whether a touch (or the mouse, which is touch point 0) falls inside a box or an
// on-screen button. All comparisons are strict, so a point on an edge is outside.
#include "shell/my_app.h"

namespace {

constexpr int kTouchPoints = 10;
constexpr int kImages = 100;
// p_Touch's box reaches further right and down than up and left: fingers cover what
// they press, so the point lands past the far edges more often.
constexpr float kTouchMarginBefore = 6.0f;
constexpr float kTouchMarginAfter = 12.0f;

bool Inside(float value, float low, float high) { return low < value && value < high; }

// Half the drawn size of an image at the current scale; an unknown image has no size.
struct HalfSize {
  float w = 0;
  float h = 0;
};

HalfSize ImageHalfSize(const c_MyApp& app, int image) {
  if (image < 0 || image >= kImages) return {};
  return {static_cast<float>(app.m_ImgInfo[3 * image]) * app.m_ImgScale * app.m_SizeX / 2.0f,
          static_cast<float>(app.m_ImgInfo[3 * image + 1]) * app.m_ImgScale * app.m_SizeY / 2.0f};
}

// Point `i` inside the box centred on (x, y). A point that is up carries the absent
// sentinel as its coordinates and is never inside, wherever the box lies.
bool PointInCentredBox(const c_MyApp& app, int i, float x, float y, HalfSize half) {
  const int tx = app.m_TouchX[i];
  const int ty = app.m_TouchY[i];
  if (zu_IsOmitted(static_cast<float>(tx)) || zu_IsOmitted(static_cast<float>(ty))) return false;
  return Inside(static_cast<float>(tx), x - half.w, x + half.w) &&
         Inside(static_cast<float>(ty), y - half.h, y + half.h);
}

}  // namespace

int c_MyApp::p_Button(int image, float x, float y, int frame) {
  p_DrawImg(image, x, y, frame);
  m_ButtonHit = 0;
  if (m_TouchDown <= 0) return m_ButtonHit;
  const HalfSize half = ImageHalfSize(*this, image);
  for (int i = 0; i < kTouchPoints; ++i) {
    if (PointInCentredBox(*this, i, x, y, half)) m_ButtonHit = 1;
  }
  return m_ButtonHit;
}

int c_MyApp::p_Button0(int image, float x, float y, int frame) {
  p_DrawImg(image, x, y, frame);
  if (m_TouchDown <= 0) return 0;
  return PointInCentredBox(*this, 0, x, y, ImageHalfSize(*this, image)) ? 1 : 0;
}

int c_MyApp::p_Touch(float x, float y, float w, float h) {
  p_Rect(x, y, w, h);
  for (int i = 0; i < kTouchPoints; ++i) {
    if (m_TouchOn[i] == 0) continue;
    const float tx = static_cast<float>(m_TouchX[i]);
    const float ty = static_cast<float>(m_TouchY[i]);
    if (Inside(tx, x - kTouchMarginBefore, x + w + kTouchMarginAfter) &&
        Inside(ty, y - kTouchMarginBefore, y + h + kTouchMarginAfter)) {
      return 1;
    }
  }
  return 0;
}

int c_MyApp::p_MouseIn(float x, float y, float w, float h) {
  for (int i = 0; i < kTouchPoints; ++i) {
    if (m_TouchOn[i] == 0) continue;
    if (Inside(static_cast<float>(m_TouchX[i]), x, x + w) &&
        Inside(static_cast<float>(m_TouchY[i]), y, y + h)) {
      return 1;
    }
  }
  return 0;
}

int c_MyApp::p_MouseIn_Centered(float x, float y, float w, float h) {
  return p_MouseIn(x - w / 2.0f, y - h / 2.0f, w, h);
}
