// Yahtzee: the hands and their points, the label slots, the pair's sinking, hurrying,
// moving and swapping, dice settling and full columns tumbling away, the end after 24
// pairs, what one update draws, and a scripted play that ends the same way every time.
#include <vector>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kYahtzee = 25;
constexpr int kSpace = 32;
constexpr int kLeftArrow = 37;
constexpr int kRightArrow = 39;
constexpr int kDownArrow = 40;
// On a 640 x 480 screen: cells of 48, the well from x 200, its top row at y 48.
constexpr float kCell = 48;
constexpr float kLeft = 200;
constexpr float kTop = 48;

class YahtzeeTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kYahtzee);
  }

  void Start(int seed) {
    zu_random_Seed = seed;
    app->m_Mode = 11;
    Update();
  }

  float& Well(int row, int column) { return app->m_Map[10 * row + column]; }
  float& Tumbler(int k, int field) { return app->m_Player[110 + 10 * k + field]; }
  float& Label(int slot, int field) { return app->m_Player[900 + 10 * slot + field]; }

  // The pair one update from landing, in `column`.
  void PairAboutToLand(int column, float left, float right) {
    Player(1) = column;
    Player(2) = 3;
    Player(4) = 0.995f;
    Player(8) = left;
    Player(9) = right;
  }

  void Press(int key) {
    KeyDown(key);
    Update();
    KeyUp(key);
    Update();
  }
};

// --- hands ---

struct Hand {
  int dice[5];
  int code;
  int points;
  int sound;  // 0: none
};

TEST_F(YahtzeeTest, EachHandScoresItsCategory) {
  const Hand hands[] = {
      {{1, 2, 3, 4, 5}, 3, 300, 95},  {{6, 5, 4, 3, 2}, 4, 400, 95},
      {{1, 2, 3, 4, 6}, 10, 16, 0},   {{3, 5, 3, 5, 3}, 5, 500, 95},
      {{3, 3, 3, 5, 6}, 1, 100, 95},  {{4, 4, 1, 4, 4}, 2, 200, 95},
      {{6, 6, 6, 6, 6}, 6, 1000, 96}, {{2, 2, 5, 5, 6}, 10, 20, 0},
  };
  app->p_LoadGame_Yahtzee();
  int score = 0;
  for (const Hand& hand : hands) {
    sounds->played.clear();
    const int* d = hand.dice;
    app->p_Score_Yahtzee(d[0], d[1], d[2], d[3], d[4], 10, 20);
    score += hand.points;
    const int slot = static_cast<int>(Player(42));
    EXPECT_EQ(Label(slot, 0), hand.code) << d[0] << d[1] << d[2] << d[3] << d[4];
    EXPECT_EQ(Label(slot, 8), hand.points) << hand.code;
    EXPECT_EQ(app->m_Score, score) << hand.code;
    if (hand.sound == 0) {
      EXPECT_TRUE(sounds->played.empty()) << hand.code;
    } else {
      ASSERT_EQ(sounds->played.size(), 1u) << hand.code;
      EXPECT_EQ(sounds->played[0].number, hand.sound) << hand.code;
    }
  }
}

TEST_F(YahtzeeTest, LabelsCycleThroughFourSlotsStartingWithTheFourth) {
  app->p_LoadGame_Yahtzee();
  zu_random_Seed = 1234;  // spins from draws 0.714 and 0.207
  const int slots[] = {3, 0, 1, 2, 3};
  for (int i = 0; i < 5; ++i) {
    Label(slots[i], 4) = -3;
    app->p_Score_Yahtzee(1, 1, 2, 2, 6, 100.0f + i, 50);
    EXPECT_EQ(Player(42), slots[i]) << i;
    EXPECT_EQ(Label(slots[i], 1), 100.0f + i) << i;
    EXPECT_EQ(Label(slots[i], 2), 50) << i;
    EXPECT_EQ(Label(slots[i], 4), 0) << "a reused record starts still";
    if (i < 2) {
      EXPECT_EQ(Label(slots[i], 6), i == 0 ? 0.01f : -0.01f);
    }
  }
  EXPECT_EQ(Label(4, 0), 0) << "records beyond the fourth are never filled";
}

// --- the pair ---

TEST_F(YahtzeeTest, SetUpDealsAPairFromTheGenerator) {
  zu_random_Seed = 1234;
  app->p_LoadGame_Yahtzee();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(8), 1) << "the draws after the 606 of the stars";
  EXPECT_EQ(Player(9), 5);
  EXPECT_EQ(Player(1), 2);
  EXPECT_EQ(Player(25), 24);
  EXPECT_EQ(Player(42), 2);
  EXPECT_EQ(app->m_KeyLatch, 1);
}

TEST_F(YahtzeeTest, AnUnhurriedPairLandsOnThe401stUpdateAtTheBottom) {
  Start(1234);
  for (int i = 0; i < 400; ++i) Update();
  EXPECT_EQ(Player(2), 3);
  EXPECT_EQ(Player(25), 24);
  Update();
  EXPECT_EQ(Well(8, 2), 1) << "fallen to the bottom of its column";
  EXPECT_EQ(Well(8, 3), 5);
  EXPECT_EQ(Well(4, 2), 0);
  EXPECT_EQ(sounds->Count(8), 1);
  EXPECT_EQ(Player(25), 23);
  EXPECT_EQ(Player(2), 0);
  EXPECT_EQ(Player(4), 0);
  EXPECT_GE(Player(8), 1);
  EXPECT_LE(Player(9), 6);
}

TEST_F(YahtzeeTest, DownHurriesOnlyAfterTheDealingLatchIsReleased) {
  Start(1234);
  KeyDown(kDownArrow);
  for (int i = 0; i < 3; ++i) Update();
  EXPECT_FLOAT_EQ(Player(4), 0.03f) << "held from the start: not hurried";
  KeyUp(kDownArrow);
  Update();
  KeyDown(kDownArrow);
  Update();
  Update();
  EXPECT_FLOAT_EQ(Player(4), 0.04f + 0.42f);
}

TEST_F(YahtzeeTest, ThePairMovesWithinColumnsZeroToThreeAndSwaps) {
  Start(1234);
  Update();
  for (int i = 0; i < 3; ++i) Press(kLeftArrow);
  EXPECT_EQ(Player(1), 0);
  for (int i = 0; i < 5; ++i) Press(kRightArrow);
  EXPECT_EQ(Player(1), 3);
  EXPECT_EQ(sounds->Count(99), 8);
  Press(kSpace);
  EXPECT_EQ(Player(8), 5);
  EXPECT_EQ(Player(9), 1);
  EXPECT_EQ(sounds->Count(14), 1);
}

// --- columns ---

TEST_F(YahtzeeTest, AFullColumnIsScoredAndItsDiceTumbleAway) {
  app->p_LoadGame_Yahtzee();
  for (int row = 5; row <= 8; ++row) Well(row, 0) = 3;
  Well(8, 1) = 2;
  PairAboutToLand(0, 5, 6);
  app->p_Game_Yahtzee();
  EXPECT_EQ(app->m_Score, 200) << "5 over four 3s";
  EXPECT_EQ(sounds->Count(8), 1);
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(sounds->Count(13), 1);
  // The label, in slot 3, where slot 2 (the one before) puts it: row 2 + 2.
  EXPECT_EQ(Label(3, 0), 2);
  EXPECT_EQ(Label(3, 1), kLeft);
  EXPECT_EQ(Label(3, 2), kTop + 4 * kCell);
  for (int row = 4; row <= 8; ++row) EXPECT_EQ(Well(row, 0), 0) << row;
  EXPECT_EQ(Well(7, 1), 6) << "the right die landed on the 2";
  // Row 4's die takes the last free record, the rows below the ones before it.
  const float values[] = {5, 3, 3, 3, 3};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Tumbler(24 - i, 0), values[i]) << i;
    EXPECT_EQ(Tumbler(24 - i, 1), kLeft) << i;
    EXPECT_GT(Tumbler(24 - i, 2), kTop + (4 + i) * kCell) << "and falls at once";
  }
  EXPECT_EQ(Tumbler(19, 0), 0);
}

TEST_F(YahtzeeTest, WithEveryTumblingRecordBusyTheClearedDiceVanish) {
  app->p_LoadGame_Yahtzee();
  for (int k = 0; k < 25; ++k) {
    Tumbler(k, 0) = 1;
    Tumbler(k, 2) = -10000;
  }
  for (int row = 4; row <= 8; ++row) Well(row, 4) = 6;
  app->p_Game_Yahtzee();
  EXPECT_EQ(app->m_Score, 1000);
  EXPECT_EQ(sounds->Count(96), 1);
  for (int row = 4; row <= 8; ++row) EXPECT_EQ(Well(row, 4), 0) << row;
  for (int k = 0; k < 25; ++k) EXPECT_EQ(Tumbler(k, 0), 1) << k;
}

TEST_F(YahtzeeTest, TumblingDiceFallFasterAndAreFreedBelowTheScreen) {
  app->p_LoadGame_Yahtzee();
  zu_random_Seed = 1234;
  app->p_Magic_Yahtzee(250, 500, 4);
  EXPECT_EQ(Tumbler(24, 0), 4);
  EXPECT_EQ(Tumbler(24, 6), 0.01f);
  app->p_Game_Yahtzee();
  const float speed = Tumbler(24, 4);
  EXPECT_TRUE(speed >= 0.06f && speed < 0.12f) << speed;
  EXPECT_EQ(Tumbler(24, 2), 500 + speed);
  EXPECT_EQ(Tumbler(24, 5), 0.01f);
  EXPECT_GE(Tumbler(24, 6), 0.02f) << "the spin grows";
  const std::vector<DrawnCommand> die = Drawn(3, 19, 19);  // sprite 207 + 4
  ASSERT_EQ(die.size(), 1u);
  EXPECT_EQ(die[0].rot, -0.01f);
  for (int i = 0; i < 60 && Tumbler(24, 0) > 0; ++i) app->p_Game_Yahtzee();
  EXPECT_EQ(Tumbler(24, 0), 0);
  EXPECT_GT(Tumbler(24, 2), 544);
}

// --- the end ---

TEST_F(YahtzeeTest, TheTwentyFourthLandingEndsTheGame) {
  app->p_LoadGame_Yahtzee();
  Player(25) = 1;
  PairAboutToLand(1, 2, 2);
  app->p_Game_Yahtzee();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Player(25), 0);
  EXPECT_EQ(Player(2), -20);
  EXPECT_EQ(Player(1), 2);
  EXPECT_EQ(Well(8, 1), 2);
  const float fall = Player(4);
  app->p_Game_Yahtzee();
  EXPECT_EQ(Player(4), fall) << "the pair no longer falls";
}

// --- drawing ---

TEST_F(YahtzeeTest, TheWellThePairAndTheCountAreDrawn) {
  app->p_LoadGame_Yahtzee();
  Player(1) = 1;
  Player(2) = 2;
  Player(4) = 0.5f;
  Player(8) = 3;
  Player(9) = 6;
  Well(7, 4) = 2;  // falls to row 8, drawn on the way
  app->p_Game_Yahtzee();
  const std::vector<DrawnCommand> drop = Drawn(3, 22, 22);
  const std::vector<DrawnCommand> well = Drawn(3, 23, 23);
  ASSERT_EQ(drop.size(), 20u);
  ASSERT_EQ(well.size(), 25u);
  EXPECT_EQ(drop[0].x, kLeft);
  EXPECT_EQ(drop[0].y, kTop);
  EXPECT_EQ(drop[0].sizeA, 1.5f);
  EXPECT_EQ(well[24].x, kLeft + 4 * kCell);
  EXPECT_EQ(well[24].y, kTop + 8 * kCell);
  const std::vector<DrawnCommand> left = Drawn(3, 18, 18);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].x, kLeft + kCell);
  EXPECT_FLOAT_EQ(left[0].y, kTop + 2.51f * kCell);
  const std::vector<DrawnCommand> six = Drawn(3, 21, 21);
  ASSERT_EQ(six.size(), 1u);
  EXPECT_EQ(six[0].x, kLeft + 2 * kCell);
  const std::vector<DrawnCommand> two = Drawn(3, 17, 17);
  ASSERT_EQ(two.size(), 2u) << "at row 7 and again at row 8";
  EXPECT_EQ(two[1].y, kTop + 8 * kCell);
  EXPECT_EQ(Well(8, 4), 2);
}

// --- a whole play ---

class YahtzeePlayTest : public YahtzeeTest {
 protected:
  // From seed 1234: each pair goes to column (pairs dealt) mod 4 and is hurried down;
  // the game ends by itself after 24 pairs.
  int Play(int* columns, int* updates) {
    Start(1234);
    sounds->played.clear();
    *updates = 0;
    int dealt = 0;
    float pairsLeft = Player(25);
    bool pressed = false;
    while (app->m_Dead == 0 && *updates < 20000) {
      if (Player(25) != pairsLeft) ++dealt, pairsLeft = Player(25);
      for (int key : {kLeftArrow, kRightArrow, kDownArrow}) KeyUp(key);
      if (!pressed) {
        const int want = dealt % 4;
        const int at = static_cast<int>(Player(1));
        KeyDown(want < at ? kLeftArrow : want > at ? kRightArrow : kDownArrow);
      }
      pressed = !pressed;
      Update();
      ++*updates;
    }
    *columns = sounds->Count(13);
    return app->m_Score;
  }
};

TEST_F(YahtzeePlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int columns = 0, updates = 0;
  const int first = Play(&columns, &updates);
  int columns2 = 0, updates2 = 0;
  EXPECT_EQ(Play(&columns2, &updates2), first);
  EXPECT_EQ(updates2, updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(8), 24);
  // Six rounds of four pairs put 6 dice in columns 0 and 4 and 12 in each of the middle
  // three: 1 + 2 + 2 + 2 + 1 full columns.
  EXPECT_EQ(columns, 8);
  // The recorded outcome of this play.
  EXPECT_EQ(first, 234);
  EXPECT_EQ(updates, 959);
}

}  // namespace
