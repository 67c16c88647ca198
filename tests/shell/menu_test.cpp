// The menu frame: the calendar lock on the cards and in the title area, key repeat, the
// score lists sized to the screen, touch selection, starting a game and from which pad,
// the credits and options buttons, the unlock override, back and drag.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/audio.h"
#include "shell/quor.h"
#include "tests/host/audio/audio_engine_openal_config.h"
#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

// The recorder below is an engine too; it should not go looking for a sound card.
const bool kNoSoundCard = zu_test_UseNoOutput();

constexpr int kFont = 90;
constexpr int kIcons = 70;
constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeySpace = 32;
constexpr int kKeyEscape = 27;

// Keeps the effects the menu plays: number of calls, and each rate and volume.
class TickRecorder : public ZuAudio {
 public:
  struct Play {
    float rate = 0, volume = 0;
  };
  std::vector<Play> plays;
  ZuSample* LoadSample(const String&) override { return nullptr; }
  void StopChannel(int) override { plays.push_back({}); }
  void SetRate(int, float rate) override { plays.back().rate = rate; }
  void SetVolume(int, float volume) override { plays.back().volume = volume; }
  void SetPan(int, float) override {}
  void StopMusic() override {}
};

class Menu : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    testing::internal::CaptureStdout();  // the engine's lines about the missing device
    audio = gc_new<TickRecorder>();
    testing::internal::GetCapturedStdout();
    zu_audio_SetAudioDevice(audio);
    app->m_Font = kFont;
    app->m_ImgInfo[3 * kFont] = 7;
    app->m_ImgInfo[3 * kFont + 1] = 10;
    app->m_ImgScale = 1;
    app->m_ImgInfo[3 * 93] = 256;  // the logo button
    app->m_ImgInfo[3 * 93 + 1] = 256;
    app->m_ImgInfo[3 * 95] = 64;  // the options gear
    app->m_ImgInfo[3 * 95 + 1] = 64;
    app->m_Options[5] = 1;
    app->m_Mode = 1;
    for (int i = 0; i < 10; ++i) {
      app->m_TouchX[i] = -3717;
      app->m_TouchY[i] = -3717;
    }
  }
  void TearDown() override { zu_audio_device = nullptr; }

  void SetDate(int year, int month, int day) {
    host.date[0] = year;
    host.date[1] = month;
    host.date[2] = day;
  }
  void Touch(int x, int y) {
    app->m_TouchOn[0] = 1;
    app->m_TouchX[0] = x;
    app->m_TouchY[0] = y;
    app->m_TouchDown = 1;
  }
  // The rectangle drawn at (x, y) with size (w, h), if any.
  const DrawnCommand* FindRect(float x, float y, float w, float h) {
    found = DrawnCommands(*app);
    for (const DrawnCommand& c : found) {
      if (c.kind == -3717.0f && c.x == x && c.y == y && c.sizeA == w && c.sizeB == h) return &c;
    }
    return nullptr;
  }
  std::vector<DrawnCommand> Images(int image) const {
    std::vector<DrawnCommand> out;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind == static_cast<float>(image)) out.push_back(c);
    }
    return out;
  }
  // The glyphs of one text colour, line by line (spaces are not drawn).
  std::vector<std::string> Lines(float red, float green, float blue) const {
    std::vector<std::string> lines;
    float lastY = -1e9f;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind != kFont || c.red != red || c.green != green || c.blue != blue) continue;
      if (c.y != lastY) lines.emplace_back();
      lastY = c.y;
      lines.back() += static_cast<char>(c.frame + 32);
    }
    return lines;
  }

  TickRecorder* audio = nullptr;
  std::vector<DrawnCommand> found;
};

// --- the calendar lock ---

TEST_F(Menu, OnTheFifteenthOfDecember2014TheLaterCardsAreLockedDarkAndLow) {
  SetDate(2014, 12, 15);
  app->m_MenuSel = 17;
  app->p_Menu();

  EXPECT_EQ(app->p_OpenGames(), 16);
  EXPECT_EQ(app->m_Title1, String("Locked"));
  EXPECT_EQ(app->m_Title2, String("Game"));
  EXPECT_EQ(app->m_Blurb, String("This game is currently locked.\\n Try again later."));
  // The big faint picture is the locked one, left of the panel.
  const DrawnCommand picture = Images(kIcons).front();
  EXPECT_EQ(picture.frame, 62);
  EXPECT_EQ(picture.sizeA, 8.0f);
  EXPECT_EQ(picture.x, 250.0f);
  EXPECT_EQ(picture.y, 176.0f);

  // Cards are 17 wide (500 / 28); a locked body starts 16 below Int(480 - 60) and has
  // its colour at brightness 0.2: the green factors of colours 1..7 times 51.
  const float greenFactor[8] = {0, 0.1f, 0.5f, 1.0f, 1.0f, 1.0f, 0.1f, 0.1f};
  for (int n = 17; n <= 26; ++n) {
    const DrawnCommand* body = FindRect(17.0f * n + 1, 436, 15, 180);
    ASSERT_NE(body, nullptr) << "card " << n;
    EXPECT_NEAR(body->green, greenFactor[n % 7 + 1] * 51, 1e-4f) << "card " << n;
    EXPECT_EQ(body->alpha, 1.0f);
  }
  EXPECT_EQ(FindRect(17.0f * 16 + 1, 436, 15, 180), nullptr) << "card 16 is open";

  std::vector<DrawnCommand> icons = Images(kIcons);
  ASSERT_EQ(icons.size(), 27u);  // the picture, then one icon per card
  EXPECT_EQ(icons[16].frame, 15);
  for (int n = 17; n <= 26; ++n) EXPECT_EQ(icons[n].frame, 63) << "card " << n;
  // The selected locked card shows its lock large above its low body.
  EXPECT_EQ(icons[17].sizeA, 2.0f);
  EXPECT_EQ(icons[17].x, 297.0f);
  EXPECT_EQ(icons[17].y, 406.0f);
  EXPECT_EQ(icons[18].sizeA, 0.5f);
  EXPECT_EQ(icons[18].alpha, 0.5f);
  EXPECT_EQ(icons[18].y, 428.0f);
}

TEST_F(Menu, ALockedSelectionDoesNotStartAndAnOpenOneDoes) {
  SetDate(2014, 12, 15);
  app->m_MenuSel = 17;
  KeyDown(kKeySpace);
  app->p_Menu();
  EXPECT_EQ(app->m_Mode, 1);
  EXPECT_TRUE(audio->plays.empty());

  app->m_MenuSel = 16;
  app->p_Menu();
  EXPECT_EQ(app->m_Mode, 11);
  EXPECT_EQ(app->m_Game, 16);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  ASSERT_EQ(audio->plays.size(), 1u);
  EXPECT_EQ(audio->plays[0].rate, 1.0f);
}

TEST_F(Menu, DownWithFire5Or6StepsTheOverrideOncePerPressWithin0To26) {
  Update();  // one frame with nothing held
  KeyDown(kKeyDown);
  KeyDown('B');
  Update();
  EXPECT_EQ(app->m_UnlockOverride, 0) << "it never goes below 0";
  EXPECT_EQ(app->m_KeyLatch, 2);
  KeyUp('B');
  Update();
  EXPECT_EQ(app->m_KeyLatch, 1) << "down alone holds the latch at 1";
  KeyDown('N');
  for (int i = 0; i < 5; ++i) Update();
  EXPECT_EQ(app->m_UnlockOverride, 1);
  KeyUp('N');
  Update();
  KeyDown('N');
  Update();
  EXPECT_EQ(app->m_UnlockOverride, 2);
  EXPECT_EQ(app->p_OpenGames(), 2);
  EXPECT_EQ(app->m_CreditsOpen, 0) << "fire 6 under down is not the credits key";

  app->m_UnlockOverride = 30;
  KeyUp('N');
  Update();
  EXPECT_EQ(app->m_UnlockOverride, 26);
}

// --- selection ---

TEST_F(Menu, HoldingRightStepsAtOnceThenAfter21And15And9ThenEveryThirdFrameUpTo26) {
  app->m_MenuSel = 1;
  Update();  // one frame with nothing held sets the first delay
  KeyDown(kKeyRight);
  std::vector<int> expected;
  int selection = 1;
  int nextStep = 1;
  const int gaps[] = {21, 15, 9};
  for (int frame = 1; frame <= 130; ++frame) {
    if (frame == nextStep && selection < 26) {
      const int steps = selection - 1;
      ++selection;
      nextStep = frame + (steps < 3 ? gaps[steps] : 3);
    }
    expected.push_back(selection);
  }
  std::vector<int> seen;
  for (int frame = 1; frame <= 130; ++frame) {
    Update();
    seen.push_back(app->m_MenuSel);
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(seen[0], 2);
  EXPECT_EQ(seen[20], 2);
  EXPECT_EQ(seen[21], 3);
  EXPECT_EQ(seen[36], 4);
  EXPECT_EQ(seen[45], 5);
  EXPECT_EQ(seen[48], 6);
  EXPECT_EQ(app->m_Game, 26);

  KeyUp(kKeyRight);
  Update();
  EXPECT_EQ(app->m_Player[22], 20.0f) << "releasing every direction restores the delay";
  EXPECT_EQ(app->m_Player[21], 0.0f);
}

TEST_F(Menu, EachStepTicksHigherTowardsTheEndOfTheAlphabet) {
  app->m_MenuSel = 10;
  Update();
  KeyDown(kKeyLeft);
  Update();
  EXPECT_EQ(app->m_MenuSel, 9);
  ASSERT_EQ(audio->plays.size(), 1u);
  EXPECT_FLOAT_EQ(audio->plays[0].rate, 9.0f / 26 + 0.5f);
  EXPECT_FLOAT_EQ(audio->plays[0].volume, 0.8f);
}

TEST_F(Menu, TouchingACardSelectsItWithOneTickButDoesNotStartIt) {
  app->m_MenuSel = 1;
  Touch(5 * 17 + 8, 400);
  app->p_Menu();
  EXPECT_EQ(app->m_MenuSel, 5);
  EXPECT_EQ(app->m_Mode, 1);
  ASSERT_EQ(audio->plays.size(), 1u);
  EXPECT_FLOAT_EQ(audio->plays[0].rate, 5.0f / 26 + 0.5f);
  EXPECT_FLOAT_EQ(audio->plays[0].volume, 0.8f);
  app->p_Menu();
  EXPECT_EQ(audio->plays.size(), 1u) << "touching the selected card again is silent";
}

TEST_F(Menu, WithOnScreenControlsANewTapOnTheTitleAreaStartsTheSelectedGame) {
  const struct {
    int onScreen, x, y, hit, latch;
    bool starts;
  } taps[] = {{1, 100, 200, 1, 0, true},    // a finger's tap
              {0, 100, 200, 1, 0, false},   // the mouse's click
              {1, 100, 200, 0, 0, false},   // a finger held since an earlier update
              {1, 100, 200, 1, 1, false},   // a press already taken
              {1, 100, 320, 1, 0, false},   // the cards' band
              {1, 100, 64, 1, 0, false},    // the gear's band
              {1, 499, 200, 1, 0, true},
              {1, 500, 200, 1, 0, false}};  // the side panel
  for (const auto& tap : taps) {
    zu_Quor_OnScreenControls = tap.onScreen;
    app->m_Mode = 1;
    app->m_MenuSel = 3;
    app->m_KeyLatch = 0;
    app->m_TouchLatch = tap.latch;
    Touch(tap.x, tap.y);
    app->m_MouseX = tap.x;
    app->m_MouseY = tap.y;
    app->m_MouseHit = tap.hit;
    app->p_Menu();
    EXPECT_EQ(app->m_Mode, tap.starts ? 11 : 1) << tap.onScreen << " " << tap.x << ", " << tap.y;
  }
  zu_Quor_OnScreenControls = 0;
}

TEST_F(Menu, ACardTakesTouchesStrictlyInsideItsColumnAndTheBottom160Units) {
  const struct {
    int x, y;
    bool inside;
  } points[] = {{86, 400, false}, {87, 400, true}, {100, 400, true}, {101, 400, false},
                {93, 320, false}, {93, 321, true}, {93, 479, true}};
  for (const auto& point : points) {
    app->m_MenuSel = 1;
    Touch(point.x, point.y);
    app->p_Menu();
    EXPECT_EQ(app->m_MenuSel, point.inside ? 5 : 1) << point.x << ", " << point.y;
  }
}

TEST_F(Menu, WhileABoxIsOpenNeitherKeysNorTouchesChangeOrStartAnything) {
  app->m_MenuSel = 4;
  app->m_OptionsOpen = 1;
  Touch(9 * 17 + 8, 400);
  KeyDown(kKeySpace);
  KeyDown(kKeyRight);
  app->p_Menu();
  EXPECT_EQ(app->m_MenuSel, 4);
  EXPECT_EQ(app->m_Mode, 1);
}

// --- starting a game ---

TEST_F(Menu, TheGameRemembersWhichPadStartedIt) {
  app->m_MenuSel = 3;
  KeyDown(256 + 32 * 2);  // pad 2, button A
  app->p_Menu();
  EXPECT_EQ(app->m_Mode, 11);
  EXPECT_EQ(app->m_StartPad, 2);
  EXPECT_EQ(app->m_Platform, 1);

  app->m_Mode = 1;
  app->m_KeyLatch = 0;
  KeyDown(256 + 32 * 1 + 2);  // pad 1, button X: the lowest pad holding fire wins
  app->p_Menu();
  EXPECT_EQ(app->m_StartPad, 1);

  app->m_Mode = 1;
  app->m_KeyLatch = 0;
  KeyDown(kKeySpace);  // the keyboard counts last
  app->p_Menu();
  EXPECT_EQ(app->m_StartPad, 0);
  EXPECT_EQ(app->m_Platform, 0);
}

// --- the title area and the score lists ---

TEST_F(Menu, TheTitleWordsAndDescriptionTakeTheirColoursFromTheSelection) {
  app->m_MenuSel = 22;
  app->p_Menu();
  // Colour numbers 22 mod 7 + 1 = 2, then 3, then 6, each five times as bright, clamped.
  const std::vector<std::string> first = Lines(255, 255, 127.5f);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0], "Volatile");
  EXPECT_EQ(first[1], "Velocity");
  const std::vector<std::string> blurb = Lines(127.5f, 127.5f, 255);
  ASSERT_EQ(blurb.size(), 2u);
  EXPECT_EQ(blurb[0], "Keepthewheelfrom");
  EXPECT_EQ(blurb[1], "hittingthebushes.");

  std::vector<DrawnCommand> glyphs;
  for (const DrawnCommand& c : DrawnCommands(*app)) {
    if (c.kind == kFont) glyphs.push_back(c);
  }
  // y0 = Int(480 * 0.2) = 96; the leading space puts the first letter one advance in.
  EXPECT_EQ(glyphs[0].x, 92.0f);
  EXPECT_EQ(glyphs[0].y, 56.0f);
  EXPECT_EQ(glyphs[0].sizeA, 4.0f);
  EXPECT_EQ(glyphs[8].x, 156.0f);
  EXPECT_EQ(glyphs[8].y, 96.0f);
  EXPECT_EQ(glyphs[16].x, 78.0f);
  EXPECT_EQ(glyphs[16].y, 138.0f);
  EXPECT_EQ(glyphs[16].sizeA, 2.0f);
}

struct ListCase {
  float height;
  std::vector<std::string> best;
  std::vector<std::string> last;
};

class MenuLists : public Menu, public testing::WithParamInterface<ListCase> {};

TEST_P(MenuLists, EachListShowsAsManyLinesAsItsHalfOfTheScreenHolds) {
  const ListCase& c = GetParam();
  zu_Quor_jscrh = c.height;
  app->m_MenuSel = 7;
  app->m_Highscores[60] = 4321;
  app->m_Highscores[61] = 99;
  app->m_Highscores[260 + 60] = 77;
  app->p_Menu();
  EXPECT_EQ(Lines(255, 200, 100), c.best);
  EXPECT_EQ(Lines(200, 255, 100), c.last);

  // The panel is 140 wide at the right edge; scores end 11 characters along.
  ASSERT_NE(FindRect(500, 0, 140, c.height), nullptr);
  std::vector<DrawnCommand> best;
  for (const DrawnCommand& g : DrawnCommands(*app)) {
    if (g.kind == kFont && g.red == 255 && g.green == 200) best.push_back(g);
  }
  EXPECT_EQ(best[0].x, 530.5f);
  EXPECT_EQ(best[0].y, 67.5f);
  EXPECT_EQ(best[0].sizeA, 1.5f);
  const size_t header = c.best[0].size();
  EXPECT_EQ(best[header + 3].x, 625.0f) << "right-aligned in eleven characters";
  EXPECT_EQ(best[header + 3].y, 82.5f);
}

std::vector<std::string> Column(std::string header, std::vector<std::string> scores, int lines) {
  std::vector<std::string> out = {header};
  for (int i = 0; i < lines; ++i) {
    out.push_back(i < static_cast<int>(scores.size()) ? scores[i] : "0");
  }
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    ScreenHeights, MenuLists,
    testing::Values(ListCase{480, Column("Top10", {"4321", "99"}, 10),
                             Column("Last10", {"77"}, 10)},
                    ListCase{400, Column("Top7", {"4321", "99"}, 7), Column("Last7", {"77"}, 7)},
                    ListCase{200, Column("Highscore", {"4321"}, 1), Column("Last", {"77"}, 1)}));

TEST_F(Menu, TheListsHideWhileABoxIsOpen) {
  app->m_CreditsOpen = 1;
  app->p_Menu();
  EXPECT_TRUE(Lines(255, 200, 100).empty());
  EXPECT_TRUE(Lines(200, 255, 100).empty());
}

TEST_F(Menu, ThePanelAndButtonsSlideInOver32Frames) {
  app->m_MenuSlide = -32;
  app->p_Menu();
  EXPECT_EQ(app->m_MenuSlide, -31);
  EXPECT_NE(FindRect(640 - 140 + 124, 0, 140, 480), nullptr);
  const DrawnCommand logo = Images(93).front();
  EXPECT_EQ(logo.y, 4.0f * -31 + 32);
  EXPECT_FLOAT_EQ(logo.sizeA, 0.35f);
  for (int i = 0; i < 40; ++i) app->p_Menu();
  EXPECT_EQ(app->m_MenuSlide, 0);
}

// --- the cards ---

TEST_F(Menu, CardsEaseASixthOfTheWayToTheirPlaceEachFrame) {
  app->m_MenuSel = 10;
  app->p_Menu();
  // From 0 towards 340: 56.67, drawn at Int; the body starts 16 lower.
  const DrawnCommand* selected = FindRect(171, 72, 15, 180);
  ASSERT_NE(selected, nullptr);
  EXPECT_NEAR(selected->red, 0.1f * 255 / 6, 1e-3f);  // colour 10 mod 7 + 1 = 4, green
  EXPECT_NEAR(selected->green, 255.0f / 6, 1e-3f);
  EXPECT_FLOAT_EQ(app->m_MenuCards[101], 1.0f / 6);
  EXPECT_FLOAT_EQ(app->m_MenuCards[105], 1.0f);
  EXPECT_FLOAT_EQ(app->m_MenuCards[106], 340);
  EXPECT_FLOAT_EQ(app->m_MenuCards[96], 360);
  EXPECT_FLOAT_EQ(app->m_MenuCards[86], 370);
  EXPECT_FLOAT_EQ(app->m_MenuCards[75], 0.3f);
  EXPECT_FLOAT_EQ(app->m_MenuCards[76], 380);
  app->p_Menu();
  EXPECT_FLOAT_EQ(app->m_MenuCards[102], 340.0f / 6 + (340 - 340.0f / 6) / 6);
  // The selected card's colour becomes the background target.
  EXPECT_NEAR(app->m_BgTG, 0.25f * 255, 1e-3f);
}

// --- buttons and keys that open the boxes ---

TEST_F(Menu, Fire6OrTheLogoOpensTheCredits) {
  KeyDown('O');
  app->p_Menu();
  EXPECT_EQ(app->m_CreditsOpen, 1);
  EXPECT_EQ(app->m_KeyLatch, 1);

  KeyUp('O');
  app->m_CreditsOpen = 0;
  app->m_KeyLatch = 0;
  Touch(570, 32);
  app->p_Menu();
  EXPECT_EQ(app->m_CreditsOpen, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_EQ(audio->plays.size(), 2u);
}

TEST_F(Menu, Fire5OrTheGearOpensTheOptionsAtTheBackButton) {
  app->m_OptSel = 3;
  KeyDown('U');
  app->p_Menu();
  EXPECT_EQ(app->m_OptionsOpen, 1);
  EXPECT_EQ(app->m_OptSel, 0);

  KeyUp('U');
  app->m_OptionsOpen = 0;
  app->m_KeyLatch = 0;
  app->m_OptSel = 2;
  Touch(32, 32);
  app->p_Menu();
  EXPECT_EQ(app->m_OptionsOpen, 1);
  EXPECT_EQ(app->m_OptSel, 0);
  EXPECT_EQ(app->m_TouchLatch, 1);
}

TEST_F(Menu, ADragLatchesThePointerSoTheLogoDoesNotOpenUnderIt) {
  app->m_TouchDown = 1;
  app->m_OldMouseX = 100;
  app->m_MouseX = 101;
  app->p_Menu();
  EXPECT_EQ(app->m_TouchLatch, 0) << "1.5 units a frame is not yet a drag";
  app->m_MouseX = 102;
  app->p_Menu();
  EXPECT_EQ(app->m_TouchLatch, 2);
  Touch(570, 32);
  app->p_Menu();
  EXPECT_EQ(app->m_CreditsOpen, 0);
}

// --- back ---

TEST_F(Menu, BackEndsTheProgramOnTheDesktop) {
  KeyDown(kKeyEscape);
  EXPECT_EXIT(app->p_Menu(), testing::ExitedWithCode(0), "");
}

TEST_F(Menu, BackWaitsForTheLatchesToClear) {
  KeyDown(kKeyEscape);
  app->m_KeyLatch = 1;
  app->p_Menu();
  app->m_KeyLatch = 0;
  app->m_TouchLatch = 2;
  app->p_Menu();
  EXPECT_EQ(app->m_Mode, 1);
}

// The press that closed a box must be released before back can end the program; the child
// reports on standard error once it has come that far.
TEST_F(Menu, BackThatClosedTheCreditsQuitsOnlyWhenPressedAgain) {
  const auto run = [this] {
    app->m_CreditsOpen = 1;
    Update();
    KeyDown(kKeyEscape);
    for (int i = 0; i < 10; ++i) Update();
    if (app->m_CreditsOpen != 0) std::exit(1);
    KeyUp(kKeyEscape);
    Update();
    std::fprintf(stderr, "released\n");
    KeyDown(kKeyEscape);
    Update();
    std::exit(2);
  };
  EXPECT_EXIT(run(), testing::ExitedWithCode(0), "released");
}

TEST_F(Menu, OnTheConsoleEscapeAsksBeforeQuitting) {
  zu_Quor_isConsole = 1;
  KeyDown(kKeyEscape);
  app->p_Menu();
  EXPECT_EQ(app->m_Mode, 4);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
}

TEST_F(Menu, ASelectionOutside1To26BecomesTheFirstGame) {
  app->m_MenuSel = 40;
  app->p_Menu();
  EXPECT_EQ(app->m_MenuSel, 1);
  EXPECT_EQ(app->m_Game, 1);
  EXPECT_EQ(app->m_Title1, String("Abstract"));
}

}  // namespace
