// The catalogue's texts by number, and how many games the calendar opens.
#include <string>

#include "tests/shell/shell_fixture.h"

namespace {

class Catalogue : public ShellTest {
 protected:
  void Expect(int n, const char* title1, const char* title2, const char* blurb) {
    app->p_GameID(n);
    EXPECT_EQ(app->m_Title1, String(title1)) << n;
    EXPECT_EQ(app->m_Title2, String(title2)) << n;
    EXPECT_EQ(app->m_Blurb, String(blurb)) << n;
  }
  int OpenOn(int year, int month, int day) {
    host.date[0] = year;
    host.date[1] = month;
    host.date[2] = day;
    return app->p_OpenGames();
  }
};

TEST_F(Catalogue, EachGameHasItsTwoTitleWordsAndDescription) {
  Expect(1, "Abstract", "Action", "Walk as far as you can\\n whilst avoiding the obstructions.");
  Expect(7, "Gone", "Golfin'", "Thwack the ball\\n into the hole.");
  Expect(15, "Ooooh", "Octopus!", "Clear the arena of bubbles\\n and avoid the Octopi.");
  Expect(20, "Tower", "Torment", "Keep the invading blobs at bay,\\n by throwing logs at them!");
  Expect(21, "Urgent :", "Umbrella", "Catch the rain\\n before it ruins the cement.");
  Expect(22, "Volatile", "Velocity", "Keep the wheel from\\n hitting the bushes.");
  Expect(25, "DAda", "Yahtzee", "Score whatever you can\\n as the Dice fall.");
  Expect(26, "Vumbo in", "Zone Zero", "Guide Vumbo through\\n the maze of Platforms.");
}

TEST_F(Catalogue, EveryDescriptionBreaksWithBackslashAndNNotANewline) {
  for (int n = 1; n <= 26; ++n) {
    app->p_GameID(n);
    const String blurb = app->m_Blurb;
    EXPECT_EQ(blurb.Find(String("\n")), -1) << n;
    const int brk = blurb.Find(String("\\n "));
    EXPECT_GT(brk, 0) << n;
    EXPECT_EQ(blurb.Find(String("\\"), brk + 1), -1) << n << ": one break";
    EXPECT_FALSE(app->m_Title1.IsEmpty());
    EXPECT_FALSE(app->m_Title2.IsEmpty());
  }
}

TEST_F(Catalogue, NumbersAfterTheGamesAreTheTenDigits) {
  Expect(27, "0", "0", "");
  Expect(30, "3", "3", "");
  Expect(36, "9", "9", "");
}

TEST_F(Catalogue, SixtyThreeIsTheLockedEntry) {
  Expect(63, "Locked", "Game", "This game is currently locked.\\n Try again later.");
}

TEST_F(Catalogue, AnyOtherNumberLeavesTheTextsAsTheyWere) {
  app->p_GameID(4);
  for (int n : {0, -1, 37, 62, 64, 1000}) {
    EXPECT_EQ(app->p_GameID(n), 0);
    EXPECT_EQ(app->m_Title2, String("Detonation")) << n;
    EXPECT_EQ(app->m_Blurb, String("Try to destroy as much\\n as you can.")) << n;
  }
}

TEST_F(Catalogue, November2014OpensOnlyTheFirstGame) {
  EXPECT_EQ(OpenOn(2014, 11, 1), 1);
  EXPECT_EQ(OpenOn(2014, 11, 30), 1);
}

TEST_F(Catalogue, EachDayOfDecember2014OpensOneMoreUpTo26OnChristmasDay) {
  EXPECT_EQ(OpenOn(2014, 12, 1), 2);
  EXPECT_EQ(OpenOn(2014, 12, 15), 16);
  EXPECT_EQ(OpenOn(2014, 12, 24), 25);
  EXPECT_EQ(OpenOn(2014, 12, 25), 26);
  EXPECT_EQ(OpenOn(2014, 12, 31), 26);
}

TEST_F(Catalogue, AnyOtherDateOpensEverything) {
  EXPECT_EQ(OpenOn(2014, 10, 31), 26);
  EXPECT_EQ(OpenOn(2013, 12, 1), 26);
  EXPECT_EQ(OpenOn(2015, 11, 1), 26);
  EXPECT_EQ(OpenOn(2026, 6, 15), 26);
}

TEST_F(Catalogue, AnOverrideReplacesTheCalendarAndZeroLeavesItToTheCalendar) {
  app->m_UnlockOverride = 5;
  EXPECT_EQ(OpenOn(2015, 1, 10), 5);
  app->m_UnlockOverride = 20;
  EXPECT_EQ(OpenOn(2014, 11, 2), 20);
  app->m_UnlockOverride = 0;
  EXPECT_EQ(OpenOn(2014, 12, 3), 4);
}

}  // namespace
