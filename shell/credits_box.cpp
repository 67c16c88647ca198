// The credits box, drawn as a television test card: a grid of cells that flies together
// as the box slides in, colour bars round its border, the round test picture with the
// credit lines scrolling through its middle, the title logo, and four corner badges that
// show the screen sizes and the update and render rates.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/app.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kShown = 30;
// Below this slide count the cells are still growing to their full size.
constexpr int kGrowingUntil = 20;
constexpr int kTestCardImage = 91;
constexpr int kLogoImage = 93;
constexpr int kButtonsImage = 95;
constexpr int kBadgeDiscFrame = 12;
constexpr int kTitleImage = 98;
constexpr int kTickSound = 99;
constexpr float kLineSpacing = 16;

struct GridOrigin {
  float x, y;
};

GridOrigin Origin(float cell, int cols, int rows) {
  return {zu_Quor_jscrw / 2 - static_cast<float>(cols) * cell / 2,
          zu_Quor_jscrh / 2 - static_cast<float>(rows) * cell / 2};
}

// Int, then limited to a colour channel. A degenerate grid (too few cells to spread a
// gradient over) divides by zero; the float result saturates and stays defined.
float Channel(float value) { return static_cast<float>(std::clamp(zu_f2i(value), 0, 255)); }

// How far a cell starts from its place while the box slides: the square of its distance
// from the middle, so the outer cells fly in fastest.
float Spread(int index, int count, int slide) {
  int d = index - count / 2;
  if (d <= 0) d -= 1;
  return static_cast<float>(slide) * static_cast<float>(d) * std::fabs(static_cast<float>(d));
}

}  // namespace

int c_MyApp::p_CreditBox() {
  const int slide = kShown - m_CreditsSlide;
  const float alpha = static_cast<float>(m_CreditsSlide) / kShown;
  p_ResetDraw();
  const float cell = std::max(zu_Quor_jscrw / 12, zu_Quor_jscrh / 12);
  m_CreditCols = zu_f2i(zu_Quor_jscrw / cell);
  m_CreditRows = zu_f2i(zu_Quor_jscrh / cell);
  const float cellSize = m_CreditsSlide < kGrowingUntil
                             ? cell * static_cast<float>(m_CreditsSlide) / kGrowingUntil
                             : cell;
  const GridOrigin origin = Origin(cell, m_CreditCols, m_CreditRows);

  p_Alpha(alpha);
  p_CreditGrid(cell, cellSize, slide);
  p_SetCol(255, 255, 255);
  p_DrawImg(kTestCardImage, zu_Quor_jscrw / 2, zu_Quor_jscrh / 2 - static_cast<float>(24 * slide),
            0);
  p_CreditLines(slide);
  p_SetCol(255, 255, 255, alpha);
  p_SetSize(0.4f);
  p_DrawImg(kTitleImage, zu_Quor_jscrw / 2,
            origin.y + static_cast<float>(m_CreditRows - 1) * cell + static_cast<float>(4 * slide),
            0);
  p_CreditBadges(cell, cellSize, slide);

  // Any touch or fire closes the box; a press that opened it is still latched.
  if (m_TouchDown > 0 && m_TouchLatch == 0) {
    m_TouchLatch = 1;
    m_CreditsOpen = 0;
    p_PlaySFX(kTickSound, 1);
  }
  if (m_KeyLatch == 0 &&
      (p_PlayKeyAll(15, 1) > 0 || p_PlayKeyAll(10, 1) > 0 || p_PlayKeyAll(11, 1) > 0)) {
    m_KeyLatch = 1;
    m_CreditsOpen = 0;
    p_PlaySFX(kTickSound, 1);
  }
  return 0;
}

// (cols + 1) x (rows + 1) cells: black round the border with a colour bar in each edge cell,
// white with a grey face inside, and one grey band across the last inner row.
int c_MyApp::p_CreditGrid(float cell, float cellSize, int slide) {
  const int cols = m_CreditCols;
  const int rows = m_CreditRows;
  const GridOrigin origin = Origin(cell, cols, rows);
  const float across = static_cast<float>(cols - 2);
  const float down = static_cast<float>(rows - 2);
  for (int i = 0; i <= cols; ++i) {
    for (int j = 0; j <= rows; ++j) {
      const float x =
          origin.x + static_cast<float>(i) * cell + Spread(i, cols, slide) - cellSize / 2;
      const float y =
          origin.y + static_cast<float>(j) * cell + Spread(j, rows, slide) - cellSize / 2;
      const bool edgeColumn = i == 0 || i == cols;
      const bool edgeRow = j == 0 || j == rows;
      const float base = edgeColumn || edgeRow ? 0.0f : 255.0f;
      p_SetCol(base, base, base);
      p_Rect(x, y, cellSize + 1, cellSize + 1);

      if (!edgeColumn && !edgeRow) {
        p_SetCol(128, 128, 128);
        if (j == rows - 1 && 3 < i && i < cols - 3) {
          p_Rect(x - 6, y + 2, cellSize + 24, cellSize - 4);
        } else if (j == rows - 1 && i == cols - 3) {
          p_Rect(cols > 6 ? x - 6 : x + 2, y + 2, cellSize + 4, cellSize - 4);
        } else {
          p_Rect(x + 2, y + 2, cellSize - 4, cellSize - 4);
        }
        continue;
      }
      if (edgeColumn && edgeRow) continue;  // the corners stay plain black

      const float p = static_cast<float>(i - 1);
      const float q = static_cast<float>(j - 1);
      if (j == 0) {
        p_SetCol(Channel(512 * p / across), Channel(512 - 512 * p / across), 0);
      } else if (j == rows) {
        const float grey = Channel(255 * p / across);
        p_SetCol(grey, grey, grey);
      } else if (i == 0) {
        p_SetCol(0, Channel(512 - 512 * q / down), Channel(512 * q / down));
      } else {
        p_SetCol(Channel(512 - 512 * q / down), 0, Channel(512 * q / down));
      }
      const float dx = edgeColumn ? 0.0f : 8.0f;
      const float dy = edgeRow ? 0.0f : 8.0f;
      p_Rect(x + dx, y + dy, cellSize - 2 * dx, cellSize - 2 * dy);
    }
  }
  return 0;
}

// Eight lines round the scroll origin, fading out above and below the middle. The last
// entry of the credit text is never reached: the index cycles over all the others.
int c_MyApp::p_CreditLines(int slide) {
  m_CreditScroll -= 0.3f;
  if (p_PlayKeyAll(8, 1) > 0 || p_PlayKeyAll(0, 1) > 0) m_CreditScroll -= 1.5f;
  if (m_CreditScroll < -kLineSpacing) {
    m_CreditScroll += kLineSpacing;
    m_CreditLine = zu_wrap_add(m_CreditLine, 1);
  }

  const int cycle = zu_Quor_CreditText.Length() - 1;
  // Fewer than two lines leave nothing to cycle through.
  if (cycle < 1) return 0;
  p_SetSize(1);
  for (int k = -3; k <= 4; ++k) {
    int index = static_cast<int>((int64_t{m_CreditLine} + k) % cycle);
    if (index < 0) index += cycle;
    const float offset = kLineSpacing * static_cast<float>(k) + m_CreditScroll;
    const float d = std::fabs(offset) / 40 - 0.3f;
    const float lineAlpha = d < 0 ? 1.0f : d <= 1 ? 1.0f - d : 0.0f;
    p_SetCol(255, 255, 255, lineAlpha);
    p_Text(zu_Quor_jscrw / 2 + 24, zu_Quor_jscrh / 2 - static_cast<float>(24 * slide) + offset,
           zu_Quor_CreditText[index], 0.8f, 0.8f);
  }
  return 0;
}

int c_MyApp::p_CreditBadges(float cell, float cellSize, int slide) {
  const int cols = m_CreditCols;
  const int rows = m_CreditRows;
  const GridOrigin origin = Origin(cell, cols, rows);
  const float s = static_cast<float>(slide);
  const float left = origin.x + 1.5f * cell - 6 * s;
  const float right = origin.x + (static_cast<float>(cols) - 1.5f) * cell + 6 * s;
  const float top = origin.y + 1.5f * cell - 3 * s;
  const float bottom = origin.y + (static_cast<float>(rows) - 1.5f) * cell + 3 * s;

  p_ResetDraw();
  p_Alpha(static_cast<float>(m_CreditsSlide) / kShown);
  const auto disc = [&](float x, float y) {
    p_SetCol(255, 255, 255);
    p_Oval(x, y, cellSize, cellSize);
    p_SetCol(128, 128, 128);
    p_Oval(x, y, cellSize - 3, cellSize - 3);
    p_SetCol(255, 255, 255);
  };
  const auto numbers = [&](float x, float y, int a, int b, int c) {
    p_Text(x, y - 16, String(a), 0.8f, 0.8f);
    p_Text(x, y, String(b), 0.8f, 0.8f);
    p_Text(x, y + 16, String(c), 0.8f, 0.8f);
  };

  disc(left, top);
  numbers(left, top, zu_app_DeviceWidth(), zu_app_DeviceHeight(), m_UpdateFpsAvg);
  disc(right, top);
  numbers(right, top, zu_f2i(zu_Quor_jscrw), zu_f2i(zu_Quor_jscrh), m_RenderFpsAvg);
  disc(left, bottom);
  p_SetSize(1);
  p_DrawImg(kButtonsImage, left, bottom, kBadgeDiscFrame);
  disc(right, bottom);
  p_SetSize(0.3f);
  p_DrawImg(kLogoImage, right, bottom, 0);
  p_SetSize(1);
  return 0;
}
