// The row of 26 game cards along the bottom of the menu. The selected card and its
// neighbours rise and brighten, each card easing a sixth of the way to its place per frame;
// locked cards lie low and dark with a lock for an icon. Touching a card selects it.
#include <cstdlib>

#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kGames = 26;
// The cards fill columns 1..26 of 28 across the screen left of the side panel.
constexpr int kColumns = 28;
constexpr int kIconImage = 70;
constexpr int kLockIcon = 63;
constexpr int kColours = 7;
constexpr int kTouchPoints = 10;
constexpr int kTickSound = 99;
constexpr float kBodyHeight = 180;
constexpr float kLockedBrightness = 0.2f;

struct CardTarget {
  float brightness;
  float rise;  // how far above jscrh the card's top sits
};

CardTarget TargetFor(int distance) {
  switch (distance) {
    case 0: return {1.0f, 140};
    case 1: return {0.7f, 120};
    case 2: return {0.5f, 110};
    default: return {0.3f, 100};
  }
}

float EaseTowards(float value, float target) { return value - (value - target) / 6.0f; }

}  // namespace

int c_MyApp::p_MenuCards(int openGames) {
  const int w = zu_f2i((zu_Quor_jscrw - m_MenuW) / kColumns);
  const float width = static_cast<float>(w);
  for (int n = 1; n <= kGames; ++n) {
    const float x = static_cast<float>(n * w);
    const bool locked = n > openGames;
    const int colour = n % kColours + 1;
    float* card = m_MenuCards.begin() + 10 * n;

    const CardTarget target = TargetFor(std::abs(n - m_MenuSel));
    card[5] = target.brightness;
    card[6] = zu_Quor_jscrh - target.rise;
    if (n == m_MenuSel) p_SetBG(colour, 0.25f);
    card[1] = EaseTowards(card[1], card[5]);
    card[2] = EaseTowards(card[2], card[6]);

    // The body is drawn opaque; its brightness alone tells the cards apart.
    float y;
    p_Alpha(1);
    if (locked) {
      p_Ink(colour, kLockedBrightness);
      y = static_cast<float>(zu_f2i(zu_Quor_jscrh - 60));
    } else {
      p_Ink(colour, card[1]);
      y = static_cast<float>(zu_f2i(card[2]));
    }
    p_Rect(x + 1, y + 16, width - 2, kBodyHeight);

    p_SetCol(255, 255, 255, 0.25f);
    p_Rect(x, y + 14, width, 5);
    p_Rect(x - 1, y + 15, width + 2, 3);

    const int icon = locked ? kLockIcon : n - 1;
    const float centre = x + static_cast<float>(w / 2);
    if (n == m_MenuSel) {
      p_Alpha(1);
      p_SetSize(2);
      p_DrawImg(kIconImage, centre, y - 14, icon);
    } else {
      p_Alpha(0.5f);
      p_SetSize(0.5f);
      p_DrawImg(kIconImage, centre, y + 8, icon);
    }

    // A box over the menu takes the pointer, so the cards below do not react to it.
    if (p_AnyBoxOpen() != 0) continue;
    for (int i = 0; i < kTouchPoints; ++i) {
      if (m_TouchOn[i] == 0) continue;
      const float tx = static_cast<float>(m_TouchX[i]);
      const float ty = static_cast<float>(m_TouchY[i]);
      if (x + 1 < tx && tx < x + width - 1 && zu_Quor_jscrh - 160 < ty && ty < zu_Quor_jscrh) {
        if (m_MenuSel != n) p_PlaySFX(kTickSound, static_cast<float>(n) / kGames + 0.5f, 0.8f);
        m_MenuSel = n;
      }
    }
  }
  return 0;
}
