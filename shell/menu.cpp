// The main menu, one whole frame per update: background and backdrop, the unlock override,
// the back key, then the title area, side panel, card row and the menu's controls.
#include "framework/app.h"
#include "framework/input.h"
#include "framework/random.h"
#include "host/report.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kGames = 26;
constexpr int kLockedPicture = 62;
constexpr int kBackdropImage = 99;
constexpr float kPanelWidth = 140;
constexpr int kDown = 8;
constexpr int kFire5 = 14;
constexpr int kFire6 = 15;
constexpr int kBack = 99;
constexpr int kEscapeKey = 27;
#ifdef __EMSCRIPTEN__
constexpr bool kPadBackAsks = true;
#else
constexpr bool kPadBackAsks = false;
#endif
constexpr int kPlayers = 4;
// Marks a key latch held by the unlock override rather than by a menu action.
constexpr int kOverrideLatch = 2;

}  // namespace

int c_MyApp::p_Menu() {
  p_DoBG();
  p_DoSnow(0, 0);
  // Reseeded from the clock every frame, so each game starts from a different sequence.
  zu_random_Seed = zu_app_Millisecs();
  for (int i = 0; i < 11; ++i) zu_random_Rnd();

  if (m_MenuSlide < 0) ++m_MenuSlide;

  // The backdrop turns one degree every 300 ms.
  p_SetCol(255, 255, 255, 0.15f);
  p_SetSize(3);
  p_SetRot(static_cast<float>(zu_app_Millisecs()) / 300.0f);
  p_DrawImg(kBackdropImage, zu_Quor_jscrw / 2, zu_Quor_jscrh / 2, 0);
  p_ResetDraw();

  p_MenuUnlockOverride();
  const int openGames = p_OpenGames();
  p_MenuBack();

  if (m_MenuSel < 1 || m_MenuSel > kGames) m_MenuSel = 1;
  m_Game = m_MenuSel;
  m_MenuW = kPanelWidth;
  p_MenuTitle(m_MenuSel > openGames ? kLockedPicture : m_MenuSel - 1);
  p_MenuScores();
  p_MenuCards(openGames);
  p_MenuKeyRepeat();
  p_MenuStart(openGames);
  p_MenuBoxButtons();
  p_MenuDrag();
  return 0;
}

// Holding down, fire 5 closes and fire 6 opens one more game per press; 0 hands the count
// back to the calendar. It is a tester's switch and is never saved.
int c_MyApp::p_MenuUnlockOverride() {
  if (p_PlayKey(kDown, 1, 0) == 0) return 0;
  const bool lower = p_PlayKey(kFire5, 1, 0) != 0;
  const bool raise = p_PlayKey(kFire6, 1, 0) != 0;
  if (lower && m_KeyLatch <= 1) {
    --m_UnlockOverride;
    m_KeyLatch = kOverrideLatch;
  }
  if (raise && m_KeyLatch <= 1) {
    ++m_UnlockOverride;
    m_KeyLatch = kOverrideLatch;
  }
  if (!lower && !raise) m_KeyLatch = 1;
  if (m_UnlockOverride < 0) m_UnlockOverride = 0;
  if (m_UnlockOverride > kGames) m_UnlockOverride = kGames;
  return 0;
}

// Back leaves the program from the menu on the desktop; the console asks first, and so
// does a pad's back in a browser, where a player on a sofa may hold nothing but the pad.
int c_MyApp::p_MenuBack() {
  if (m_KeyLatch != 0 || m_TouchLatch != 0) return 0;
  bool back = false;
  for (int player = 0; player < kPlayers; ++player) {
    if (p_PlayKey(kBack, 1, player) != 0) back = true;
  }
  if (zu_Quor_isConsole == 0) {
    // Player -1 reads the keys and slots alone: what is left of a back is a pad's.
    const bool padBack = back && p_PlayKey(kBack, 1, -1) == 0;
    if (kPadBackAsks && padBack) {
      m_Platform = 1;
      m_Mode = 4;
      m_KeyLatch = 1;
      m_TouchLatch = 1;
    } else if (back) {
      zuError(String());
    }
    return 0;
  }
  if (back || zu_input_KeyDown(kEscapeKey)) {
    m_Mode = 4;
    m_KeyLatch = 1;
    m_TouchLatch = 1;
  }
  return 0;
}

int c_MyApp::p_AnyBoxOpen() {
  return m_CreditsOpen != 0 || m_OptionsOpen != 0 || m_BadgesOpen != 0 ? 1 : 0;
}
