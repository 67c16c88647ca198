// All progress as one text of "|"-terminated decimal integers: the options, the badge
// flags packed into eight words, and every game's two score tables. Each section carries
// its own checksum, so a damaged section is reset alone and the rest survives.
//
// Checksums are sums of products that may exceed the int range; they wrap around as
// 32-bit values, which both the writer and the reader compute the same way.
#include <cstdint>
#include <string>

#include "framework/app.h"
#include "host/numeric.h"
#include "host/report.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kOptionCount = 25;
constexpr int kSoundOption = 5;
constexpr int kBadgeWords = 8;
constexpr int kBadgeFlags = kBadgeWords * 32;
// Groups written; only the first 26 belong to games and are read back.
constexpr int kWrittenScoreGroups = 31;
constexpr int kGameScoreGroups = 26;
constexpr int kTableLength = 10;
// The last-ten tables follow the top-ten tables of all 26 games.
constexpr int kLastTenBase = 260;
constexpr int kScoreGroupFields = 2 * kTableLength + 1;
// How long the player is told that a save failed: four seconds of play. While the window
// is in the background updates come slowly, so the notice is still there on return.
constexpr int kSaveNoticeUpdates = 240;

int SettingsChecksum(const Array<int>& options) {
  int sum = 0;
  for (int i = 0; i < kOptionCount; ++i) sum = zu_wrap_add(sum, zu_wrap_mul(options[i], i));
  return sum;
}

int BadgeWord(const Array<bool>& flags, int word) {
  uint32_t bits = 0;
  for (int j = 0; j < 32; ++j) {
    if (flags[32 * word + j]) bits |= uint32_t{1} << j;
  }
  return static_cast<int>(bits);
}

int ScoreChecksum(const Array<int>& scores, int group) {
  int sum = 0;
  for (int j = 0; j < kTableLength; ++j) {
    const int top = scores[group * kTableLength + j];
    const int last = scores[kLastTenBase + group * kTableLength + j];
    sum = zu_wrap_add(sum, zu_wrap_mul(j + 4, top));
    sum = zu_wrap_add(sum, zu_wrap_mul(group + 3 + j, last));
  }
  return sum;
}

void AppendField(std::string& text, int value) {
  text += std::to_string(value);
  text += '|';
}

}  // namespace

int c_MyApp::p_Save() {
  std::string text;
  for (int i = 0; i < kOptionCount; ++i) AppendField(text, m_Options[i]);
  AppendField(text, SettingsChecksum(m_Options));

  int badgeSum = 0;
  for (int k = 0; k < kBadgeWords; ++k) {
    const int word = BadgeWord(m_Badges, k);
    AppendField(text, word);
    badgeSum = zu_wrap_add(badgeSum, word);
  }
  AppendField(text, badgeSum);

  for (int g = 0; g < kWrittenScoreGroups; ++g) {
    for (int j = 0; j < kTableLength; ++j) {
      AppendField(text, m_Highscores[g * kTableLength + j]);
      AppendField(text, m_Highscores[kLastTenBase + g * kTableLength + j]);
    }
    AppendField(text, ScoreChecksum(m_Highscores, g));
  }

  const String state(text.c_str());
  // A failed save keeps the old file; the next save writes everything again.
  m_SaveNoticeUpdates = zu_app_SaveState(state) == 0 ? 0 : kSaveNoticeUpdates;
  if (zu_Quor_DebugMode == 1) zuPrint(state);
  return 0;
}

int c_MyApp::p_Load() {
  const String state = zu_app_LoadState();
  if (zu_Quor_DebugMode == 1) zuPrint(state);
  const Array<String> parts = state.Split(String("|"));
  const int count = parts.Length();
  int p = 0;

  if (count >= kOptionCount + 1) {
    for (int i = 0; i < kOptionCount; ++i) m_Options[i] = parts[i].ToInt();
    p = kOptionCount + 1;
    if (SettingsChecksum(m_Options) == parts[kOptionCount].ToInt()) {
      zuPrint(String("Settings Loaded"));
    } else {
      zuPrint(String("Settings Checksum Invalid"));
      for (int i = 0; i < kOptionCount; ++i) m_Options[i] = 0;
      m_Options[kSoundOption] = 1;
    }
  }
  p_LimitOptions();

  if (count > p + kBadgeWords) {
    int badgeSum = 0;
    for (int k = 0; k < kBadgeWords; ++k) {
      const uint32_t word = static_cast<uint32_t>(parts[p + k].ToInt());
      for (int j = 0; j < 32; ++j) m_Badges[32 * k + j] = ((word >> j) & 1u) != 0;
      badgeSum = zu_wrap_add(badgeSum, static_cast<int>(word));
    }
    const bool valid = badgeSum == parts[p + kBadgeWords].ToInt();
    p += kBadgeWords + 1;
    if (valid) {
      zuPrint(String("Badges Loaded"));
    } else {
      zuPrint(String("Badge Checksum Invalid"));
      for (int i = 0; i < kBadgeFlags; ++i) m_Badges[i] = false;
    }
  }

  for (int g = 0; g < kGameScoreGroups; ++g) {
    if (count <= p + 2 * kTableLength) continue;
    const int topBase = g * kTableLength;
    const int lastBase = kLastTenBase + g * kTableLength;
    for (int j = 0; j < kTableLength; ++j) {
      m_Highscores[topBase + j] = parts[p + 2 * j].ToInt();
      m_Highscores[lastBase + j] = parts[p + 2 * j + 1].ToInt();
    }
    const bool valid = ScoreChecksum(m_Highscores, g) == parts[p + 2 * kTableLength].ToInt();
    p += kScoreGroupFields;
    const String prefix = String("Highscore ") + String(g);
    if (valid) {
      zuPrint(prefix + String(" Loaded"));
    } else {
      zuPrint(prefix + String(" Checksum Invalid"));
      for (int j = 0; j < kTableLength; ++j) {
        m_Highscores[topBase + j] = 0;
        m_Highscores[lastBase + j] = 0;
      }
    }
  }
  return 0;
}

int c_MyApp::p_LimitOptions() {
  if (m_Options[10] < 64) m_Options[10] = 64;
  if (m_Options[11] < 64) m_Options[11] = 64;
  if (m_Options[12] < 8) m_Options[12] = 10;
  if (m_Options[14] < 1) m_Options[14] = 64;
  // Only the console's ways keep an overscan border; the desktop always draws edge to
  // edge but keeps the option as it is, so that play from the sofa finds its border again.
  zu_Quor_overscan = zu_Quor_isConsole == 1 ? static_cast<float>(m_Options[14]) : 0;
  return 0;
}
