// Soda: the bartender's moves and pouring, sending a glass, patrons entering from the
// generator, catching, being pushed back, drinking and sending the empty glass back, glasses
// breaking, the two ways the play ends, and a scripted play that ends the same way every
// time.
#include <algorithm>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kSoda = 19;
constexpr int kSpace = 32;
constexpr int kUpArrow = 38;
constexpr int kDownArrow = 40;

// With a 480-high screen the rows are 80 high: counter c's top is at 480 - 80 c, its
// patrons stand 16 higher.
constexpr float CounterTop(int c) { return 480.0f - 80.0f * c; }
constexpr float PatronY(int c) { return CounterTop(c) - 16.0f; }

class SodaTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kSoda);
  }

  // A started game with the bartender standing at counter 2 and no patron coming in.
  void StartAtCounter(int counter = 2) {
    app->p_LoadGame_Soda();
    Player(2) = counter;
    Player(4) = CounterTop(counter);
    Player(499) = 0;  // nobody is thirsty
  }
  float& Glass(int n, int field) { return Player(100 + 10 * n + field); }
  float& Patron(int k, int field) { return Player(400 + 10 * k + field); }
  void PlacePatron(int k, int counter, float x, float drink = 0, float push = 0) {
    Patron(k, 0) = 2;
    Patron(k, 1) = x;
    Patron(k, 2) = counter;
    Patron(k, 3) = 0.5f;
    Patron(k, 4) = push;
    Patron(k, 5) = drink;
  }
  void PlaceGlass(int n, float contents, float x, float y) {
    Glass(n, 0) = contents;
    Glass(n, 1) = x;
    Glass(n, 2) = y;
  }
  int ParticlesInUse() {
    int count = 0;
    for (int r = 0; r <= 250; ++r) count += app->m_Particles[10 * r] > 0 ? 1 : 0;
    return count;
  }
};

// --- the bartender ---

TEST_F(SodaTest, SetUpAndTheBartenderEasingToHisCounter) {
  app->m_Mode = 11;
  app->p_LoadGame_Soda();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(2), 2);
  EXPECT_EQ(Player(498), 3);
  EXPECT_EQ(Player(499), 1);
  app->p_Game_Soda();
  EXPECT_EQ(Player(4), 40) << "an eighth of the way to 320";
  EXPECT_EQ(app->m_TmpF, 80);
  for (int i = 0; i < 60; ++i) app->p_Game_Soda();
  EXPECT_EQ(Player(4), 320) << "snapped once within 2";
}

TEST_F(SodaTest, AHeldKeyMovesOnceEveryTenUpdates) {
  StartAtCounter(2);
  KeyDown(kUpArrow);
  app->p_Game_Soda();
  EXPECT_EQ(Player(2), 3);
  EXPECT_EQ(app->m_KeyLatch, 10);
  for (int i = 0; i < 9; ++i) app->p_Game_Soda();
  EXPECT_EQ(Player(2), 3);
  app->p_Game_Soda();
  EXPECT_EQ(Player(2), 4);
  for (int i = 0; i < 10; ++i) app->p_Game_Soda();
  EXPECT_EQ(Player(2), 4) << "there is no fifth counter";
  KeyDown(kDownArrow);  // both held: down is tried first
  for (int i = 0; i < 10; ++i) app->p_Game_Soda();
  EXPECT_EQ(Player(2), 3);
}

TEST_F(SodaTest, NoMovingWithAGlassInHandDuringThePauseOrWhileFireIsHeld) {
  StartAtCounter(2);
  Player(11) = 5;
  KeyDown(kSpace);
  KeyDown(kUpArrow);
  app->p_Game_Soda();
  EXPECT_EQ(Player(2), 2);
  KeyUp(kSpace);
  app->p_Game_Soda();  // sends the glass: the pause starts
  EXPECT_EQ(Player(2), 2);
  for (int i = 0; i < 29; ++i) app->p_Game_Soda();
  EXPECT_EQ(Player(12), 1);
  EXPECT_EQ(Player(2), 2);
  app->p_Game_Soda();
  EXPECT_EQ(Player(12), 0);
  app->p_Game_Soda();
  EXPECT_EQ(Player(2), 3);
}

TEST_F(SodaTest, PouringFillsUpToEightyWithOneTapSound) {
  StartAtCounter(2);
  KeyDown(kSpace);
  app->p_Game_Soda();
  EXPECT_EQ(Player(11), 1);
  EXPECT_EQ(Player(497), 1);
  EXPECT_EQ(Player(15), 49);
  for (int i = 0; i < 99; ++i) app->p_Game_Soda();
  EXPECT_EQ(Player(11), 80);
  EXPECT_EQ(sounds->Count(15), 1);
  std::vector<DrawnCommand> inHand;
  for (const DrawnCommand& glass : Drawn(0, 55, 55)) {
    if (glass.y != 24) inHand.push_back(glass);  // not the lives in the corner
  }
  ASSERT_EQ(inHand.size(), 1u) << "a full glass";
  EXPECT_EQ(inHand[0].x, 576);
  EXPECT_EQ(inHand[0].y, 328);
  EXPECT_EQ(inHand[0].sizeA, 2);

  StartAtCounter(2);
  Player(4) = 300;  // still on his way
  app->p_Game_Soda();
  EXPECT_EQ(Player(11), 0);
}

TEST_F(SodaTest, LettingGoSendsTheGlassFromTheTaps) {
  StartAtCounter(2);
  Player(11) = 37;
  app->p_Game_Soda();
  EXPECT_EQ(Glass(20, 0), 37) << "the last free slot";
  EXPECT_EQ(Glass(20, 1), 524 - 5) << "sent from 524 and slid once";
  EXPECT_EQ(Glass(20, 2), 312);
  EXPECT_EQ(Player(11), 0);
  EXPECT_EQ(Player(12), 30);
  EXPECT_EQ(Player(15), 48);
  app->p_Game_Soda();
  EXPECT_EQ(Player(15), 50) << "throwing";
  EXPECT_EQ(Player(12), 29);
  EXPECT_EQ(Glass(20, 1), 514);
  const std::vector<DrawnCommand> glass = Drawn(0, 52, 52);  // fill 37: 51 + 1
  ASSERT_EQ(glass.size(), 1u);
  EXPECT_EQ(glass[0].x, 514);
}

// --- patrons ---

TEST_F(SodaTest, AtTheStartOnePatronComesFromTheGenerator) {
  zu_random_Seed = 1234;
  app->p_LoadGame_Soda();
  app->p_Game_Soda();
  // After the 606 star draws: one unused p_Rand, kind 4, counter 3, speed 0.25 + 0.090.
  EXPECT_EQ(Patron(16, 0), 4);
  EXPECT_EQ(Patron(16, 1), 0);
  EXPECT_EQ(Patron(16, 2), 3);
  EXPECT_FLOAT_EQ(Patron(16, 3), 0.34009734f);
  app->p_Game_Soda();
  EXPECT_FLOAT_EQ(Patron(16, 1), 0.34009734f);
  for (int i = 0; i < 50; ++i) app->p_Game_Soda();
  int present = 0;
  for (int k = 0; k < 17; ++k) present += Patron(k, 0) > 0 ? 1 : 0;
  EXPECT_EQ(present, 1) << "thirst 1 allows one patron";
  const std::vector<DrawnCommand> patron = Drawn(0, 59, 59);
  ASSERT_EQ(patron.size(), 1u);
  EXPECT_EQ(patron[0].y, PatronY(3));
}

TEST_F(SodaTest, ANewPatronAvoidsAFullCounter) {
  StartAtCounter(2);
  Player(499) = 2.5f;  // two patrons, one per counter
  PlacePatron(16, 3, 100);
  zu_random_Seed = 1234;
  app->p_Game_Soda();
  // Draws: unused 3; kind 1; counter 3 (full), 2; speed 0.25 + 0.402.
  EXPECT_EQ(Patron(15, 0), 1);
  EXPECT_EQ(Patron(15, 2), 2);
  EXPECT_FLOAT_EQ(Patron(15, 3), 0.65171969f);
  EXPECT_EQ(app->m_TmpP, 1);
}

TEST_F(SodaTest, APatronCatchesAGlassIsPushedBackAndDrinks) {
  StartAtCounter(1);
  PlacePatron(3, 2, 200);
  PlaceGlass(7, 40, 232, 312);  // 31.5 from the patron once it has walked
  app->p_Game_Soda();
  EXPECT_EQ(Patron(3, 5), 40);
  EXPECT_EQ(Patron(3, 4), 80);
  EXPECT_EQ(Glass(7, 0), 0);
  EXPECT_EQ(app->m_Score, 40);
  EXPECT_EQ(sounds->Count(14), 1);
  EXPECT_TRUE(Player(499) >= 0.1f && Player(499) < 0.2f) << Player(499);
  for (int i = 0; i < 19; ++i) app->p_Game_Soda();
  EXPECT_EQ(Patron(3, 1), 200.5f - 76);
  EXPECT_EQ(Patron(3, 5), 40) << "not a sip while still pushed";
  app->p_Game_Soda();
  EXPECT_EQ(Patron(3, 4), 0);
  EXPECT_EQ(Patron(3, 5), 39.5f);
  const float speed = Patron(3, 3);
  EXPECT_TRUE(speed >= 0.25f && speed < 0.75f) << speed;
}

TEST_F(SodaTest, AOnePointGlassIsFinishedTheUpdateAfterItsCatch) {
  StartAtCounter(1);
  PlacePatron(3, 2, 200);
  PlaceGlass(7, 1, 220, 312);
  app->p_Game_Soda();
  EXPECT_EQ(app->m_Score, 1);
  app->p_Game_Soda();
  EXPECT_EQ(Patron(3, 5), 0);
  EXPECT_EQ(Patron(3, 1), 196.5f);
  EXPECT_EQ(sounds->Count(10), 1);
  EXPECT_EQ(Glass(20, 0), -1) << "the empty glass goes back";
  EXPECT_EQ(Glass(20, 1), 200.5f) << "from 196.5, slid once";
  EXPECT_EQ(Glass(20, 2), PatronY(2) + 8);
}

TEST_F(SodaTest, AFullGlassPassesAPatronWithADrink) {
  StartAtCounter(1);
  PlacePatron(3, 2, 200, 30, 0);
  PlaceGlass(7, 40, 220, 312);
  app->p_Game_Soda();
  EXPECT_EQ(Glass(7, 0), 40);
  EXPECT_EQ(Glass(7, 1), 215);
  EXPECT_EQ(Patron(3, 5), 29.5f);
}

TEST_F(SodaTest, PushedOutOfTheDoorScoresFiftyAndCatchesNothingMore) {
  StartAtCounter(1);
  PlacePatron(3, 2, 18, 1, 4);  // the last step out of the door also finishes the drink
  PlaceGlass(7, 30, 30, 312);   // within reach of where the patron was
  app->p_Game_Soda();
  EXPECT_EQ(Patron(3, 0), 0);
  EXPECT_EQ(app->m_Score, 50);
  EXPECT_EQ(sounds->Count(13), 1);
  EXPECT_TRUE(Drawn(0, 56, 59).empty()) << "gone";
  EXPECT_EQ(Glass(7, 0), 30) << "a patron who has left catches no glass";
  EXPECT_EQ(Glass(20, 0), -1) << "the finished drink still comes back";
  EXPECT_EQ(Glass(20, 1), 18);
}

// --- glasses and the end ---

TEST_F(SodaTest, AGlassAtTheDoorBreaksAndCostsALife) {
  StartAtCounter(2);
  PlaceGlass(4, 40, 20, 312);
  app->p_Game_Soda();
  EXPECT_EQ(Glass(4, 0), 0);
  EXPECT_EQ(Player(498), 2);
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_EQ(ParticlesInUse(), 17);
  for (int r = 234; r <= 250; ++r) {
    const float* p = app->m_Particles.begin() + 10 * r;
    EXPECT_TRUE(p[0] == 1 || p[0] == 2) << r;
    EXPECT_EQ(p[8], 9) << r;
  }
}

TEST_F(SodaTest, AnEmptyGlassIsCaughtOnlyAtHisCounterAndNotWhilePouring) {
  StartAtCounter(2);
  PlaceGlass(1, -1, 508, 312);
  PlaceGlass(2, -1, 508, 232);  // counter 3
  app->p_Game_Soda();
  EXPECT_EQ(app->m_Score, 25);
  EXPECT_EQ(sounds->Count(4), 1);
  EXPECT_EQ(Player(498), 2) << "the other counter's glass broke";
  EXPECT_EQ(Glass(1, 0), 0);
  EXPECT_EQ(Glass(2, 0), 0);

  PlaceGlass(1, -1, 508, 312);
  KeyDown(kSpace);
  app->p_Game_Soda();
  EXPECT_EQ(app->m_Score, 25);
  EXPECT_EQ(Player(498), 1);
}

TEST_F(SodaTest, WithEverySlotInUseGlassesAreLostWithoutPenalty) {
  StartAtCounter(2);
  for (int n = 1; n <= 20; ++n) PlaceGlass(n, -1, 30, 10);
  Player(11) = 12;
  PlacePatron(3, 1, 200, 0.5f, 0);
  app->p_Game_Soda();
  EXPECT_EQ(Player(11), 0);
  EXPECT_EQ(Player(12), 30);
  EXPECT_EQ(Patron(3, 5), 0);
  for (int n = 1; n <= 20; ++n) ASSERT_EQ(Glass(n, 1), 34) << n;
  EXPECT_EQ(Player(498), 3);
}

TEST_F(SodaTest, APatronAtTheTapsEndsThePlayAndSoDoesTheLastLife) {
  StartAtCounter(2);
  PlacePatron(0, 4, 510);
  app->p_Game_Soda();
  EXPECT_EQ(Patron(0, 1), 510);
  EXPECT_EQ(app->m_Dead, 1);

  StartAtCounter(2);
  PlaceGlass(4, 40, 20, 312);
  Player(498) = 1;
  app->p_Game_Soda();
  EXPECT_EQ(app->m_Dead, 11);
  const std::vector<DrawnCommand> lives = Drawn(0, 51, 51);
  EXPECT_EQ(lives.size(), 3u) << "three empty glasses in the corner";
}

// --- a whole play ---

class SodaPlayTest : public SodaTest {
 protected:
  // From seed 1234: go to the counter of the patron nearest the taps, pour there for 20
  // updates and send the glass; then wait for the next patron.
  int Play(int& updates) {
    StartFromMenu();
    updates = 0;
    int pour = 0;
    while (app->m_Dead == 0 && updates < 100000) {
      int target = 0;
      float nearest = -1;
      for (int k = 0; k < 17; ++k) {
        if (Patron(k, 0) > 0 && Patron(k, 5) == 0 && Patron(k, 1) > nearest) {
          nearest = Patron(k, 1);
          target = static_cast<int>(Patron(k, 2));
        }
      }
      KeyUp(kUpArrow);
      KeyUp(kDownArrow);
      KeyUp(kSpace);
      if (pour > 0) {
        KeyDown(kSpace);
        --pour;
      } else if (target > Player(2)) {
        KeyDown(kUpArrow);
      } else if (target != 0 && target < Player(2)) {
        KeyDown(kDownArrow);
      } else if (target != 0 && Player(4) == CounterTop(target) && Player(12) == 0) {
        pour = 20;
      }
      Update();
      ++updates;
    }
    KeyUp(kUpArrow);
    KeyUp(kDownArrow);
    KeyUp(kSpace);
    return app->m_Score;
  }
};

TEST_F(SodaPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int updates = 0;
  const int score = Play(updates);
  const int dead = app->m_Dead;
  int updates2 = 0;
  EXPECT_EQ(Play(updates2), score);
  EXPECT_EQ(updates2, updates);
  EXPECT_EQ(app->m_Dead, dead);
  EXPECT_EQ(score, 160);
  EXPECT_EQ(updates, 355);
  EXPECT_EQ(dead, 11) << "the glasses ran out before a patron reached the taps";
}

}  // namespace
