// Text in the bitmap font (one image command per glyph) and the number texts: padded
// values, ordinals and the place of the current score.
#include <cmath>

#include "host/numeric.h"
#include "shell/my_app.h"

namespace {

constexpr int kButtonMark = 172;  // "¬": the next letter names a controller button icon
constexpr int kFirstFontChar = 32;
constexpr float kDegreesToRadians = 0.0174532924f;

struct Vector {
  float x, y;
};

// The unit vector `degrees` clockwise from straight up on the y-down screen, i.e.
// (sin a, -cos a). Quarter turns are exact, so unrotated text lands on exact positions.
Vector Heading(float degrees) {
  const float quarters = degrees / 90.0f;
  if (quarters == std::floor(quarters) && std::fabs(quarters) < 1.0e6f) {
    static constexpr Vector kQuarterTurns[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    return kQuarterTurns[(static_cast<int>(quarters) % 4 + 4) % 4];
  }
  const float radians = degrees * kDegreesToRadians;
  return {std::sin(radians), -std::cos(radians)};
}

// The font is narrow for i, f, l and a few others and wide for w and m.
int WidthAdjustment(int unit) {
  switch (unit) {
    case 'w': case 'm': return 2;
    case 'W': case 'M': return 1;
    case 'i': case 'f': case 'l': return -3;
    case 'j': case 's': case 'k': case 'r': case 'z': case 't': case 'n': return -1;
    default: return 0;
  }
}

// The joypad icon frame of the button letter after "¬"; other letters name their own code.
int ButtonFrame(int letter) {
  switch (letter) {
    case 'J': return 96;
    case 'K': return 97;
    case 'L': return 98;
    case 'I': return 99;
    case 'U': return 100;
    case 'O': return 101;
    case 'Q': return 102;
    case 'E': return 103;
    case 'F': return 104;
    case 'W': return 105;
    case 'S': return 106;
    case 'A': return 107;
    case 'D': return 108;
    default: return letter;
  }
}

// The shoulder buttons are drawn wider than the others.
int ButtonAdjustment(int letter) { return letter == 'U' || letter == 'O' ? 6 : 4; }

// Width of the line as laid out for alignment: every character but the last, truncated to a
// whole unit at each step. A button icon counts as one character two units wider.
int MeasureWidth(const String& s, int advance, float sizeX) {
  int width = 0;
  for (int i = 0; i < s.Length() - 1; ++i) {
    const int unit = s[i];
    int adjustment = WidthAdjustment(unit);
    if (unit == kButtonMark) {
      adjustment = 2;
      ++i;
    }
    width = zu_f2i(static_cast<float>(width) + static_cast<float>(advance + adjustment) * sizeX);
  }
  return width;
}

}  // namespace

// Lays the text out from a cursor that starts half the width (alignX 1) or the whole width
// (alignX 2) before x, and half a line above or below y for alignY 2 or 0; all directions
// turn with the draw state's rotation. The two characters "\" and "n" break the line.
int c_MyApp::p_Text(float x, float y, const String& text, float alignX, float alignY) {
  const String s = String(" ") + text;
  const int advance = m_ImgInfo[3 * m_Font];
  const int lineHeight = m_ImgInfo[3 * m_Font + 1];
  const int width = MeasureWidth(s, advance, m_SizeX);

  const float angle = -m_Rot;
  const Vector back = Heading(angle - 90.0f);
  const Vector up = Heading(angle);
  const Vector down = Heading(angle + 180.0f);
  const Vector right = Heading(angle + 90.0f);
  const float across = static_cast<float>(width) * alignX / 2.0f;
  const float lift = static_cast<float>(lineHeight) * m_SizeY * (alignY - 1.0f) / 2.0f;
  const float startX = x + across * back.x + lift * up.x;
  const float startY = y + across * back.y + lift * up.y;

  float cursorX = startX;
  float cursorY = startY;
  int line = 0;
  const int length = s.Length();
  for (int i = 0; i < length; ++i) {
    const int unit = s[i];
    int glyph;
    int adjustment;
    if (unit == kButtonMark && i + 1 < length) {
      const int letter = s[++i];
      glyph = ButtonFrame(letter) + (m_Platform == 0 ? 16 : 0);
      adjustment = ButtonAdjustment(letter);
    } else if (unit == '\\' && i + 1 < length && s[i + 1] == 'n') {
      ++i;
      ++line;
      const float drop = static_cast<float>(line * lineHeight) * m_SizeY;
      cursorX = startX + drop * down.x;
      cursorY = startY + drop * down.y;
      continue;
    } else {
      glyph = unit - kFirstFontChar;
      adjustment = WidthAdjustment(unit);
    }
    if (glyph >= 1 && glyph <= 127) p_DrawImg(m_Font, cursorX, cursorY, glyph);
    // The character code 0 takes no room at all.
    if (glyph == -kFirstFontChar) continue;
    const float step = static_cast<float>(advance + adjustment) * m_SizeX;
    cursorX += step * right.x;
    cursorY += step * right.y;
  }
  return 0;
}

String c_MyApp::p_rstr(int value, int width, const String& pad) {
  String padded;
  for (int i = 0; i <= width; ++i) padded += pad;
  padded += String(value);
  return padded.Slice(padded.Length() - width);
}

String c_MyApp::p_Nth(int n) {
  static const char* const kOrdinals[10] = {"1st", "2nd", "3rd", "4th", "5th",
                                            "6th", "7th", "8th", "9th", "10th"};
  if (n < 1 || n > 10) return String();
  return String(kOrdinals[n - 1]);
}

// Ties reach the place. A game number without a score table (outside 1..26) has no place.
String c_MyApp::p_MyNth() {
  m_Loop = 0;
  if (m_Game < 1 || m_Game > 26) return String();
  const int base = (m_Game - 1) * 10;
  for (int i = 0; i < 10; ++i) {
    if (m_Highscores[base + i] <= m_Score) {
      m_Loop = i + 1;
      break;
    }
  }
  if (m_Loop == 0) return String();
  return m_Loop == 1 ? String("1st!") : p_Nth(m_Loop);
}
