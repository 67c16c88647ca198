// Badges: the text table (name and detail joined by "|"), the notification strip that
// slides a panel in at the bottom left for each queued badge, and the badges box.
#include <cstdint>

#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kSlots = 13;
constexpr int kPanelWidth = 160;
// A notification lives this many updates; it slides in over the first ten and out over
// the last ten.
constexpr int kLifetime = 240;
constexpr int kSlideSpeed = 16;
constexpr int kPanelPitch = 34;
constexpr int kBadgeImage = 80;
constexpr int kBadgeIcons = 64;

}  // namespace

String c_MyApp::p_BadgeID(int id) {
  if (id == 0) return String("Test Badge|This is a Test Badge which has no purpose.");
  return String();
}

String c_MyApp::p_BadgeName(int id) {
  const String text = p_BadgeID(id);
  const int bar = text.Find(String("|"));
  return bar < 0 ? text : text.Slice(0, bar);
}

String c_MyApp::p_BadgeDetail(int id) {
  const String text = p_BadgeID(id);
  const int bar = text.Find(String("|"));
  return bar < 0 ? String() : text.Slice(bar + 1);
}

// Slot 0 is the lowest panel; each further slot sits one panel higher.
int c_MyApp::p_ShowBadges() {
  p_ResetDraw();
  m_TmpC = kPanelWidth;
  for (m_TmpD = 0; m_TmpD < kSlots; ++m_TmpD) {
    const int slot = m_TmpD;
    if (m_BadgeB[slot] <= 0) continue;
    // Widened: a slot set far beyond the lifetime ages out instead of overflowing.
    const int64_t age = int64_t{m_BadgeB[slot]} + 1;
    const bool leaving = age > kLifetime - m_TmpC / kSlideSpeed;
    int64_t x = kSlideSpeed * (leaving ? kLifetime - age : age) - m_TmpC;
    if (x > 0) x = 0;
    m_TmpI = static_cast<int>(x < INT32_MIN ? INT32_MIN : x);
    m_BadgeB[slot] = age > kLifetime ? 0 : static_cast<int>(age);

    const float panelX = static_cast<float>(m_TmpI);
    const float panelY = zu_Quor_jscrh - static_cast<float>(kPanelPitch * (slot + 1));
    const int id = m_BadgeA[slot];
    p_SetCol(0, 0, 80, 0.8f);
    p_Rect(panelX, panelY, kPanelWidth, 32);
    p_SetCol(255, 255, 255, 1);
    p_Text(panelX + 16, panelY + 4, p_BadgeName(id), 0, 0);
    if (id >= 0 && id < kBadgeIcons) {
      p_SetSize(0.5f);
      p_DrawImg(kBadgeImage, panelX + 144, panelY + 16, id);
      p_SetSize(1);
    }
  }
  return 0;
}

// The box's frame and its scroll position; the list it scrolls holds no entries in this
// collection. Back closes it (the update step handles that).
int c_MyApp::p_BadgesBox() {
  p_SetCol(255, 125, 0, 0.8f);
  p_Rect(zu_Quor_jscrw * 0.1f, -1, zu_Quor_jscrw * 0.8f, zu_Quor_jscrh + 2);
  p_SetCol(100, 0, 0, 0.8f);
  p_Rect(zu_Quor_jscrw * 0.12f, -1, zu_Quor_jscrw * 0.76f, zu_Quor_jscrh + 2);
  p_SetCol(255, 255, 255, 1);

  int64_t target = m_BadgeBoxB;
  if (p_PlayKeyAll(8, 1) > 0) target -= 16;
  if (p_PlayKeyAll(0, 1) > 0) target += 16;
  m_TmpR = m_OldMouseY - m_MouseY;
  if (m_WasDown > 0 && static_cast<float>(m_MouseX) > zu_Quor_jscrw * 0.12f) {
    target -= zu_f2i(1.5 * m_TmpR);
  }
  if (target > 0) target = 0;
  m_BadgeBoxB = static_cast<int>(target < INT32_MIN ? INT32_MIN : target);

  const int64_t gap = int64_t{m_BadgeBoxA} - m_BadgeBoxB;
  m_BadgeBoxA = gap > -6 && gap < 6 ? m_BadgeBoxB : static_cast<int>(m_BadgeBoxA - gap / 6);
  return 0;
}
