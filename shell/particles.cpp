// The shared particle pool: sparks, debris and floating score numbers for every game,
// kept in preallocated records of 10 Floats so that nothing is allocated per particle.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "host/numeric.h"
#include "shell/my_app.h"

namespace {

constexpr int kRecordSize = 10;
constexpr int kKind = 0, kX = 1, kY = 2, kVelocityX = 3, kVelocityY = 4, kAngle = 5, kSpin = 6,
              kLife = 7, kColour = 8, kFrame = 9;
constexpr int kMaxRequestedCount = 499;
constexpr int kPartsImage = 96;
constexpr float kScoreKind = 99.0f;
constexpr float kDebrisKind = 2.0f;
constexpr float kLifePerUpdate = 0.01f;
constexpr float kDebrisDrag = 0.95f;
constexpr float kDebrisGravity = 0.2f;
constexpr float kDegreesToRadians = 0.0174532925f;

// The last record index the pool may touch: the count in use, but never past the array.
int LastRecord(const c_MyApp& app) {
  return std::min(app.m_ParticleCount, app.m_Particles.Length() / kRecordSize - 1);
}

int RandomAngle() { return zu_f2i(std::floor(zu_random_Rnd() * 360.99f)); }

}  // namespace

int c_MyApp::p_ResetParticles(int count) {
  if (count >= 1 && count <= kMaxRequestedCount) m_ParticleCount = count;
  for (int i = 0; i <= LastRecord(*this); ++i) m_Particles[i * kRecordSize + kKind] = 0.0f;
  return 0;
}

// The highest free record is the one a scan from 0 would find last.
int c_MyApp::p_FreeParticle() {
  for (int i = LastRecord(*this); i >= 0; --i) {
    if (m_Particles[i * kRecordSize + kKind] == 0.0f) return i * kRecordSize;
  }
  return -1;
}

int c_MyApp::p_AddParticle(int kind, float x, float y, float vx, float vy, int frame, int colour,
                           int life) {
  const int at = p_FreeParticle();
  if (at < 0) return 0;
  float* record = m_Particles.begin() + at;
  record[kKind] = static_cast<float>(kind);
  record[kX] = x;
  record[kY] = y;
  record[kVelocityX] = vx;
  record[kVelocityY] = vy;
  record[kAngle] = static_cast<float>(RandomAngle());
  record[kSpin] = zu_random_Rnd() * 14.0f - 7.0f;
  record[kLife] = static_cast<float>(life) + 1.0f;
  record[kColour] = static_cast<float>(colour);
  record[kFrame] = static_cast<float>(frame);
  return 0;
}

// Angle 0 flings straight up and 90 to the right. An omitted angle or speed is drawn from
// the generator before the pool is searched, so a full pool consumes the same numbers.
int c_MyApp::p_ThrowParticle(float x, float y, int kind, int colour, float angle, float speed) {
  if (zu_IsOmitted(angle)) angle = zu_random_Rnd() * 360.0f;
  if (zu_IsOmitted(speed)) speed = zu_random_Rnd() * 5.0f + 3.0f;
  const int at = p_FreeParticle();
  if (at < 0) return 0;
  float* record = m_Particles.begin() + at;
  const float radians = angle * kDegreesToRadians;
  record[kKind] = static_cast<float>(kind);
  record[kX] = x;
  record[kY] = y;
  record[kVelocityX] = speed * std::sin(radians);
  record[kVelocityY] = -speed * std::cos(radians);
  record[kAngle] = zu_random_Rnd() * 360.0f;
  record[kSpin] = zu_random_Rnd() * 16.0f - 8.0f;
  record[kLife] = zu_random_Rnd() * 0.6f + 0.7f;
  record[kColour] = static_cast<float>(colour);
  record[kFrame] = static_cast<float>(zu_f2i(std::floor(zu_random_Rnd() * 255.99f)));
  return 0;
}

// The points always count; the floating number is only a show and may find no room.
int c_MyApp::p_Gimme(int points, float x, float y) {
  m_Score = zu_wrap_add(m_Score, points);
  const int at = p_FreeParticle();
  if (at < 0) return 0;
  float* record = m_Particles.begin() + at;
  record[kKind] = kScoreKind;
  record[kX] = x;
  record[kY] = y;
  record[kVelocityX] = 0.0f;
  record[kVelocityY] = -0.25f;
  record[kAngle] = static_cast<float>(RandomAngle());
  record[kSpin] = zu_random_Rnd() * 14.0f - 7.0f;
  record[kLife] = 1.0f;
  record[kColour] = 3.0f;
  record[kFrame] = static_cast<float>(points);
  return 0;
}

// Records of kinds 10..98 and above 99 move and age unseen; negative kinds are left alone.
int c_MyApp::p_DoParticles(float scale) {
  p_ResetDraw();
  // The count is read on every step: drawing a score may be followed by a game changing it.
  for (int i = 0; i <= LastRecord(*this); ++i) {
    float* record = m_Particles.begin() + i * kRecordSize;
    const float kind = record[kKind];
    if (kind <= 0.0f) continue;
    record[kX] += record[kVelocityX];
    record[kY] += record[kVelocityY];
    record[kAngle] += record[kSpin];
    p_SetRot(kind == kScoreKind ? 0.0f : record[kAngle]);
    if (kind == kDebrisKind) {
      record[kVelocityX] *= kDebrisDrag;
      record[kVelocityY] += kDebrisGravity;
    }
    p_Alpha(std::min(record[kLife], 1.0f));
    p_SetSize(scale);
    p_Ink(zu_f2i(record[kColour]));
    const float screenX = record[kX] - m_ScrollX;
    const float screenY = record[kY] - m_ScrollY;
    if (kind >= 1.0f && kind <= 9.0f) {
      p_DrawImg(kPartsImage, screenX, screenY, zu_f2i(record[kFrame]));
    } else if (kind == kScoreKind) {
      p_Text(screenX, screenY, String(zu_f2i(record[kFrame])), 1);
    }
    record[kLife] -= kLifePerUpdate;
    if (record[kLife] < 0.0f) record[kKind] = 0.0f;
  }
  p_ResetDraw();
  return 0;
}
