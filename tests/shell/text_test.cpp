// Text layout in the bitmap font, and the number texts.
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/shell/shell_fixture.h"

namespace {

struct Glyph {
  int frame;
  float x, y;
  bool operator==(const Glyph& o) const { return frame == o.frame && x == o.x && y == o.y; }
};

std::ostream& operator<<(std::ostream& out, const Glyph& g) {
  return out << "{frame " << g.frame << " at " << g.x << ", " << g.y << "}";
}

class TextLayout : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    // The shell font as the loader records it: image 90, advance 7, line height 10.
    app->m_Font = 90;
    app->m_ImgInfo[270] = 7;
    app->m_ImgInfo[271] = 10;
    app->p_CLS2D();
  }
  // Every command appended so far, as font glyphs.
  std::vector<Glyph> Glyphs() {
    std::vector<Glyph> out;
    for (int i = 0; i < app->m_DrawCount; i += 15) {
      EXPECT_EQ(app->m_DrawList[i], 90.0f) << "command " << i / 15 << " is not a glyph";
      out.push_back({static_cast<int>(app->m_DrawList[i + 6]), app->m_DrawList[i + 1],
                     app->m_DrawList[i + 2]});
    }
    return out;
  }
  // A text with the button mark "¬" (code 172), written as "~" here.
  static String WithButtons(const std::u16string& text) {
    std::u16string out = text;
    for (char16_t& c : out) {
      if (c == u'~') c = 172;
    }
    return String(std::u16string_view(out));
  }
};

TEST_F(TextLayout, CentredTextStartsHalfItsMeasuredWidthBeforeX) {
  // W = 7 (the added space) + 7 ("A"); the last character is not measured.
  app->p_Text(100, 50, "AB", 1);
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{{33, 100, 50}, {34, 107, 50}}));
}

TEST_F(TextLayout, RightAlignedTextEndsOnXWithNarrowAndWideLetters) {
  // " wil": 7 + 9 + 4 = 20 measured; "l" lands on x.
  app->p_Text(100, 0, "wil", 2);
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{{87, 87, 0}, {73, 96, 0}, {76, 100, 0}}));
}

TEST_F(TextLayout, EveryWidthClassAdvancesByItsOwnAmount) {
  // Left-aligned from 0: the added space, then W +1, m +2, f -3, j -1, k -1, Z 0.
  app->p_Text(0, 0, "WmfjkZ", 0);
  const std::vector<Glyph> glyphs = Glyphs();
  ASSERT_EQ(glyphs.size(), 6u);
  const float expected_x[6] = {7, 15, 24, 28, 34, 40};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(glyphs[i].x, expected_x[i]) << i;
}

TEST_F(TextLayout, MeasuredWidthIsTruncatedAtEveryCharacter) {
  // At scale 1.5 each character measures 10.5: Int(10.5) = 10, Int(20.5) = 20, so the start
  // is x - 10 and "A" (after the space's 10.5) is at x + 0.5.
  app->p_SetSize(1.5f);
  app->p_Text(100, 50, "AB", 1);
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{{33, 100.5f, 50}, {34, 111, 50}}));
}

TEST_F(TextLayout, VerticalAlignmentMovesHalfAScaledLine) {
  app->p_SetSize(2);
  app->p_Text(0, 100, "A", 0, 0);  // half a line lower
  app->p_Text(0, 100, "A", 0, 2);  // half a line higher
  app->p_Text(100, 100, "A", 0.8f, 0.8f);  // " A" measures 14: starts 5.6 before x
  const std::vector<Glyph> glyphs = Glyphs();
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[0], (Glyph{33, 14, 110}));
  EXPECT_EQ(glyphs[1].y, 90);
  EXPECT_FLOAT_EQ(glyphs[2].x, 108.4f);
  EXPECT_FLOAT_EQ(glyphs[2].y, 102);
}

TEST_F(TextLayout, TwoCharacterLineBreakRestartsBelowTheStart) {
  // The added space is only on the first line, so "C" starts on the start point itself.
  app->p_Text(0, 0, "AB\\nCD", 0);
  EXPECT_EQ(Glyphs(),
            (std::vector<Glyph>{{33, 7, 0}, {34, 14, 0}, {35, 0, 10}, {36, 7, 10}}));
}

TEST_F(TextLayout, LineBreaksAreMeasuredAsTwoCharactersAndScaleWithTheText) {
  // " AB\nCD\nE" measures 7 + 7 + 7 + 7 ("\") + 6 ("n") + 7 + 7 + 7 + 6 = 61 before its
  // last character.
  app->p_SetSize(1, 3);
  app->p_Text(100, 0, "AB\\nCD\\nE", 2);
  const std::vector<Glyph> glyphs = Glyphs();
  ASSERT_EQ(glyphs.size(), 5u);
  const float start = 100 - 61;
  EXPECT_EQ(glyphs[0], (Glyph{33, start + 7, 0}));
  EXPECT_EQ(glyphs[2], (Glyph{35, start, 30}));
  EXPECT_EQ(glyphs[4], (Glyph{37, start, 60}));
}

TEST_F(TextLayout, ButtonIconsUseKeyGlyphsOnTheKeyboardAndPadGlyphsOtherwise) {
  app->m_Platform = 0;
  app->p_Text(0, 0, WithButtons(u"~J~K~L~A~D"), 0);
  app->m_Platform = 1;
  app->p_Text(0, 20, WithButtons(u"~J~W~S"), 0);
  std::vector<int> frames;
  for (const Glyph& g : Glyphs()) frames.push_back(g.frame);
  EXPECT_EQ(frames, (std::vector<int>{112, 113, 114, 123, 124, 96, 105, 106}));
}

TEST_F(TextLayout, ButtonIconsAreDrawnWiderThanTheyAreMeasured) {
  // " ~JA" measures 7 + (7 + 2) = 16, but the icon advances 7 + 4 and a shoulder 7 + 6.
  app->p_Text(100, 0, WithButtons(u"~JA"), 2);
  app->p_Text(0, 10, WithButtons(u"~UB"), 0);
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{
                          {112, 91, 0}, {33, 102, 0}, {116, 7, 10}, {34, 20, 10}}));
}

TEST_F(TextLayout, ButtonMarkBeforeAnUnknownLetterNamesItsCode) {
  app->m_Platform = 1;
  app->p_Text(0, 0, WithButtons(u"~bA"), 0);  // "b" is 98: glyph 98
  app->m_Platform = 0;
  app->p_Text(0, 10, WithButtons(u"~xA"), 0);  // 120 + 16 is past the font: nothing drawn
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{{98, 7, 0}, {33, 18, 0}, {33, 18, 10}}));
}

TEST_F(TextLayout, EmptyTextAndSpacesDrawNothing) {
  app->p_Text(10, 10, "", 1);
  app->p_Text(10, 10, "   ", 1);
  EXPECT_EQ(app->m_DrawCount, 0);
}

TEST_F(TextLayout, CharactersOutsideTheFontTakeRoomButCodeZeroTakesNone) {
  const char16_t text[] = {u'A', 0, u'B', 233, u'C', 127};
  app->p_Text(0, 0, String(text, 6), 0);
  // Code 0 is skipped in place; "é" advances a plain 7 unseen; DEL is frame 95.
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{{33, 7, 0}, {34, 14, 0}, {35, 28, 0}, {95, 35, 0}}));
}

TEST_F(TextLayout, RotatedTextRunsAlongTheTurnedBaseline) {
  // Turned a quarter clockwise: the line runs down the screen and the next line is to the
  // left; each glyph is turned with it.
  app->p_SetRot(90);
  app->p_Text(100, 100, "AB\\nC", 0);
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{{33, 100, 107}, {34, 100, 114}, {35, 90, 100}}));
  EXPECT_EQ(app->m_DrawList[3], -90.0f);
  // Half a turn: centring moves the start right, alignY 2 moves it down.
  app->p_CLS2D();
  app->p_SetRot(180);
  app->p_Text(100, 100, "AB", 1, 2);
  EXPECT_EQ(Glyphs(), (std::vector<Glyph>{{33, 100, 105}, {34, 93, 105}}));
  // Any other angle: one advance of 7 along (cos 30, sin 30).
  app->p_CLS2D();
  app->p_SetRot(30);
  app->p_Text(0, 0, "A", 0);
  EXPECT_NEAR(app->m_DrawList[1], 6.0622f, 1e-4);
  EXPECT_NEAR(app->m_DrawList[2], 3.5f, 1e-4);
}

class NumberText : public ShellTest {};

TEST_F(NumberText, PaddedNumbersKeepTheirLastDigits) {
  EXPECT_EQ(app->p_rstr(123, 8, "0"), String("00000123"));
  EXPECT_EQ(app->p_rstr(123456789, 8, "0"), String("23456789"));
  EXPECT_EQ(app->p_rstr(5, 11, " "), String("          5"));
  EXPECT_EQ(app->p_rstr(12345678, 8, "0"), String("12345678"));
  EXPECT_EQ(app->p_rstr(-5, 4, "0"), String("00-5"));
  EXPECT_EQ(app->p_rstr(42, 0, "0"), String());
  EXPECT_EQ(app->p_rstr(42, 3, ""), String("42"));
}

TEST_F(NumberText, OrdinalsOneToTen) {
  const char* expected[] = {"", "1st", "2nd", "3rd", "4th", "5th", "6th",
                            "7th", "8th", "9th", "10th", ""};
  for (int n = 0; n <= 11; ++n) EXPECT_EQ(app->p_Nth(n), String(expected[n])) << n;
  EXPECT_EQ(app->p_Nth(-1), String());
}

class ScorePlace : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->m_Game = 3;
    // Game 3's table: 1000, 900, ..., 100.
    for (int i = 0; i < 10; ++i) app->m_Highscores[20 + i] = 1000 - 100 * i;
  }
};

TEST_F(ScorePlace, PlaceIsTheFirstEntryReachedAndTiesCount) {
  const std::pair<int, const char*> cases[] = {
      {850, "3rd"}, {900, "2nd"}, {5000, "1st!"}, {100, "10th"}, {99, ""}};
  const int places[] = {3, 2, 1, 10, 0};
  for (int i = 0; i < 5; ++i) {
    app->m_Score = cases[i].first;
    EXPECT_EQ(app->p_MyNth(), String(cases[i].second)) << cases[i].first;
    EXPECT_EQ(app->m_Loop, places[i]);
  }
  app->m_Game = 1;  // an empty table: even nothing is first
  app->m_Score = 0;
  EXPECT_EQ(app->p_MyNth(), String("1st!"));
  app->m_Game = 27;  // no table at all: no place
  EXPECT_EQ(app->p_MyNth(), String());
  EXPECT_EQ(app->m_Loop, 0);
}

}  // namespace
