// The star field behind many games and its tumbling-snow variant: records of frame,
// position, speed (also the alpha) and spin that drift with the camera and wrap around the
// screen edges.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kRecordSize = 10;
constexpr int kPartsImage = 96;
enum StarField { kFrame = 0, kX = 1, kY = 2, kSpeed = 3, kAngle = 5, kSpin = 6 };

float RandomFrame() { return static_cast<float>(zu_f2i(std::floor(zu_random_Rnd() * 255.99f))); }
float RandomX() { return zu_random_Rnd() * (zu_Quor_jscrw + 16.0f) - 8.0f; }
float RandomY() { return zu_random_Rnd() * (zu_Quor_jscrh + 16.0f) - 8.0f; }
float RandomSpeed() { return zu_random_Rnd() * 0.6f + 0.2f; }

// Records 0..m_StarCount are in use, limited to what the array holds.
int RecordsInUse(const c_MyApp& app) {
  return std::min(app.m_StarCount + 1, app.m_Stars.Length() / kRecordSize);
}

// A star that leaves one side comes back on the other as a new star: the coordinate along
// the edge, the speed and the frame are drawn again (in that order).
void WrapStar(c_MyApp& app, float* star, bool snow) {
  const float margin = zu_Quor_overscan + 16.0f;
  const float spanX = zu_Quor_jscrw + 2.0f * margin;
  const float spanY = zu_Quor_jscrh + 2.0f * margin;
  auto renew = [&](int along, float position) {
    star[along] = position;
    star[kSpeed] = RandomSpeed();
    star[kFrame] = snow ? static_cast<float>(app.p_Rand(0.0f, 255.0f)) : RandomFrame();
  };
  if (star[kX] < -margin) {
    star[kX] += spanX;
    renew(kY, RandomY());
  }
  if (star[kX] > zu_Quor_jscrw + margin) {
    star[kX] -= spanX;
    renew(kY, RandomY());
  }
  if (star[kY] < -margin) {
    star[kY] += spanY;
    renew(kX, RandomX());
  }
  if (star[kY] > zu_Quor_jscrh + margin) {
    star[kY] -= spanY;
    renew(kX, RandomX());
  }
}

// Moves every record by (dx, dy) scaled by its speed, plus a random sway for snow, and
// draws it as a "parts" glyph whose alpha is its speed (nearer stars are brighter).
void MoveAndDraw(c_MyApp& app, float dx, float dy, bool snow) {
  app.p_ResetDraw();
  const int records = RecordsInUse(app);
  for (int i = 0; i < records; ++i) {
    float* star = app.m_Stars.begin() + i * kRecordSize;
    if (snow) {
      star[kX] += dx * star[kSpeed] + (zu_random_Rnd() * 0.6f - 0.3f);
      star[kY] += dy * star[kSpeed] + (zu_random_Rnd() * 0.9f - 0.3f);
    } else {
      star[kX] += dx * star[kSpeed];
      star[kY] += dy * star[kSpeed];
    }
    WrapStar(app, star, snow);
    star[kAngle] += star[kSpin];
    if (snow) app.p_SetRot(star[kAngle]);
    app.m_Alpha = star[kSpeed];
    app.p_DrawImg(kPartsImage, star[kX], star[kY], zu_f2i(star[kFrame]));
  }
  app.p_ResetDraw();
}

}  // namespace

int c_MyApp::p_ResetStars(int count) {
  if (count >= 1 && count <= 499) m_StarCount = count;
  const int records = RecordsInUse(*this);
  for (int i = 0; i < records; ++i) {
    float* star = m_Stars.begin() + i * kRecordSize;
    star[kFrame] = RandomFrame();
    star[kX] = RandomX();
    star[kY] = RandomY();
    star[kSpeed] = RandomSpeed();
    star[kAngle] = zu_random_Rnd() * 360.0f;
    star[kSpin] = zu_random_Rnd() - 0.5f;
  }
  return 0;
}

int c_MyApp::p_DoStars(float dx, float dy) {
  MoveAndDraw(*this, dx, dy, false);
  return 0;
}

int c_MyApp::p_DoSnow(float dx, float dy) {
  MoveAndDraw(*this, dx, dy, true);
  return 0;
}
