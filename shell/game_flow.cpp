// One play of one game: the clean start every game begins with, the stand-in game for a
// number without one, and recording the finished score in the game's two tables.
#include <cstdint>
#include <cstring>

#include "shell/my_app.h"

namespace {

constexpr int kGames = 26;
constexpr int kTableSize = 10;
// The last-10 lists follow the 26 top-10 tables.
constexpr int kLastTenStart = 260;
constexpr int kPlayerElementsCleared = 1001;
constexpr int kStartStars = 100;
constexpr int kStartParticles = 250;
constexpr int kFallbackImage = 4;
constexpr int kFallbackFrame = 1;

// Moves entries [from, last) one place down (towards `last`), dropping the last one.
void ShiftDown(Array<int>& table, int from, int last) {
  for (int i = last; i > from; --i) table[i] = table[i - 1];
}

}  // namespace

int c_MyApp::p_FreshGame() {
  m_Paused = 0;
  m_Score = 0;
  m_Dead = 0;
  m_GameOverTime = 0;
  m_Mode = 10;
  m_ScrollX = 0;
  m_ScrollTX = 0;
  m_ScrollY = 0;
  m_ScrollTY = 0;
  p_ResetStars(kStartStars);
  p_ResetParticles(kStartParticles);
  // Only elements holding something are written: pages of the large array that no game
  // has touched stay without memory.
  for (float& value : m_Map) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if (bits != 0) value = 0.0f;
  }
  p_ResetPlayers();
  return 0;
}

// Counted in the shared loop field, which callers may read afterwards (it ends at 1001).
int c_MyApp::p_ResetPlayers() {
  for (m_Loop = 0; m_Loop < kPlayerElementsCleared; ++m_Loop) m_Player[m_Loop] = 0.0f;
  return 0;
}

// Shown for a game number that has no game: snow drifting behind one sprite, and the score
// line. It never ends by itself; the pause menu's quit ends it.
int c_MyApp::p_Game() {
  p_DoBG();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_DrawImg(kFallbackImage, 100.0f, 100.0f, kFallbackFrame);
  p_DoParticles(1.0f);
  p_ScoreDisplay(0);
  return 0;
}

ZuCameraStep c_MyApp::p_StepCamera(float share) {
  const ZuCameraStep step{(m_ScrollX - m_ScrollTX) * share, (m_ScrollY - m_ScrollTY) * share};
  m_ScrollX -= step.dx;
  m_ScrollY -= step.dy;
  return step;
}

// A score enters the top 10 only when it beats an entry (an equal score stays below the
// older one); every score, even 0, is the newest of the last 10. A game number without
// tables records nothing: its slots would fall on another game's lists.
int c_MyApp::p_LoadMenu() {
  m_NewRank = -1;
  if (m_Game >= 1 && m_Game <= kGames) {
    const int base = (m_Game - 1) * kTableSize;
    for (int i = 0; i < kTableSize; ++i) {
      if (m_Score > m_Highscores[base + i]) {
        m_NewRank = i;
        break;
      }
    }
    if (m_NewRank != -1) {
      ShiftDown(m_Highscores, base + m_NewRank, base + kTableSize - 1);
      m_Highscores[base + m_NewRank] = m_Score;
    }
    const int lastTen = kLastTenStart + base;
    ShiftDown(m_Highscores, lastTen, lastTen + kTableSize - 1);
    m_Highscores[lastTen] = m_Score;
  }
  p_Save();
  return 0;
}
