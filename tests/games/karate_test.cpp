// Karate: opponents coming in, the strike rules by kind, side and height, contact, the
// controls and their timers, what one update draws, the empty energy bar, and a play.
#include <cmath>
#include <vector>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kKarate = 11;
constexpr int kUpArrow = 38;
constexpr int kDownArrow = 40;
constexpr int kLeftArrow = 37;
constexpr int kSpace = 32;  // fire 1
constexpr int kKeyX = 88;   // fire 2
constexpr int kKeyC = 67;   // fire 3
constexpr float kCentre = 320;

class KarateTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kKarate);
  }

  // A started game without snow (the generator is the game's alone) and with the
  // controls free to act.
  void Start(int seed = 1234) {
    app->p_LoadGame_Karate();
    app->m_StarCount = -1;
    app->m_KeyLatch = 0;
    zu_random_Seed = seed;
  }
  void Step(int updates = 1) {
    for (int i = 0; i < updates; ++i) app->p_Game_Karate();
  }
  void Place(int record, int kind, float x, int lane) {
    Map(record) = kind;
    Map(record + 1) = x;
    Map(record + 2) = lane;
  }
  void Strike(int stance, int strike) {
    Player(10) = stance;
    Player(11) = 30;
    Player(12) = strike;
    Player(13) = 30;
  }
  std::vector<DrawnCommand> Rects() { return Drawn(-3717, 0, 0); }
  int ParticlesOf(int kind, int colour) {
    int count = 0;
    for (int i = 0; i <= 250; ++i) {
      const float* p = app->m_Particles.begin() + i * 10;
      count += p[0] == kind && p[8] == colour ? 1 : 0;
    }
    return count;
  }
};

TEST_F(KarateTest, SetUpWaitsFourSecondsWithTheControlsLatched) {
  app->m_Mode = 11;
  app->p_LoadGame_Karate();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(1), 240);
  EXPECT_EQ(Player(2), 120);
  EXPECT_EQ(Player(15), 100);
  EXPECT_EQ(app->m_KeyLatch, 1);
  KeyDown(kUpArrow);
  app->p_Game_Karate();
  EXPECT_EQ(Player(10), 0) << "a key held from the menu does nothing";
}

// --- opponents coming in ---

TEST_F(KarateTest, TheFirstOpponentsComeFromTheRightAtMiddleHeight) {
  Start();
  Step(240);
  EXPECT_EQ(Map(500), 0);
  Step();
  // Seed 1234: kind 3; its lane is drawn (1) and replaced by the middle one.
  EXPECT_EQ(Map(500), 3);
  EXPECT_EQ(Map(501), 704);
  EXPECT_EQ(Map(502), 2);
  EXPECT_EQ(Player(1), 120);
  EXPECT_EQ(Player(2), 118);
}

TEST_F(KarateTest, OnceTheIntervalIsBelow100HalfComeFromTheLeft) {
  Start(5);  // kind 1, low lane, then a draw below one half
  Player(1) = 0;
  Player(2) = 101;
  Step();
  EXPECT_EQ(Player(2), 99);
  EXPECT_EQ(Map(500), 1);
  EXPECT_EQ(Map(501), -64);
  EXPECT_EQ(Map(502), 3);
  Start(6);  // the same, but from the right
  Player(1) = 0;
  Player(2) = 101;
  Step();
  EXPECT_EQ(Map(501), 704);
}

TEST_F(KarateTest, TheIntervalShortensByTwoDownTo45) {
  Start();
  Player(1) = 0;
  Player(2) = 46;
  Step();
  EXPECT_EQ(Player(1), 46);
  EXPECT_EQ(Player(2), 45);
}

TEST_F(KarateTest, OpponentsStop32UnitsFromTheFighter) {
  Start();
  Place(0, 1, 400, 2);
  Place(10, 2, 200, 2);
  Step();
  EXPECT_EQ(Map(1), 397.5f);
  EXPECT_EQ(Map(11), 202.5f);
}

// --- strikes ---

TEST_F(KarateTest, ARightStrikeScoresFiveAndCostsNothing) {
  Start();
  Place(0, 2, kCentre + 42.5f, 2);  // 40 right of the fighter once it has walked
  Strike(0, 2);
  Step();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Player(15), 100);
  EXPECT_EQ(Map(0), 0);
  EXPECT_EQ(sounds->Count(14), 1);
  EXPECT_EQ(ParticlesOf(1, 5), 17);
}

TEST_F(KarateTest, AStrikeOfTheWrongKindRemovesTheOpponentForFifteenEnergy) {
  Start();
  Place(0, 3, kCentre + 42.5f, 2);
  Strike(0, 2);
  Step();
  EXPECT_EQ(app->m_Score, 0);
  EXPECT_EQ(Player(15), 85);
  EXPECT_EQ(Map(0), 0);
  EXPECT_EQ(sounds->Count(8), 1) << "7 + Int(0.714 x 2)";
  EXPECT_EQ(ParticlesOf(2, 4), 17);
}

TEST_F(KarateTest, AStrikeToTheLeftWorksOnlyOnTheLeft) {
  Start();
  Place(0, 1, kCentre - 42.5f, 1);
  Place(10, 1, kCentre + 42.5f, 1);
  Strike(-1, 5);
  Step();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Map(0), 0);
  EXPECT_EQ(Map(10), 1);
}

TEST_F(KarateTest, AStrikeFromTheWrongStanceMissesAndContactCostsTwentyFive) {
  Start();
  Place(0, 1, kCentre + 42.5f, 3);
  Strike(0, 1);  // standing reaches only the middle lane
  Step();
  EXPECT_EQ(Map(0), 1);
  EXPECT_EQ(Player(15), 100);
  Step(2);  // at 35: not yet
  EXPECT_EQ(Map(0), 1);
  Step();
  EXPECT_EQ(Map(0), 0);
  EXPECT_EQ(Player(15), 75);
  EXPECT_EQ(ParticlesOf(2, 1), 17);
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8), 1);
}

TEST_F(KarateTest, AStrikeThisCloseAlsoCostsTheContact) {
  Start();
  Place(0, 3, kCentre + 35, 3);  // walks to 32.5
  Strike(1, 3);
  Step();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Player(15), 75);
  EXPECT_EQ(ParticlesOf(1, 4), 17);
  EXPECT_EQ(ParticlesOf(2, 1), 17) << "the contact burst of a record already emptied";
}

// --- controls ---

TEST_F(KarateTest, ControlsSetStanceAndStrikeForThirtyUpdates) {
  Start();
  KeyDown(kUpArrow);
  KeyDown(kDownArrow);  // read later, so it wins
  KeyDown(kLeftArrow);
  KeyDown(kKeyC);  // fire 3 strikes kind 1 on the keyboard
  Step();
  EXPECT_EQ(Player(10), 1);
  EXPECT_EQ(Player(12), 5);
  EXPECT_EQ(Player(13), 30);
  for (int key : {kUpArrow, kDownArrow, kLeftArrow, kKeyC}) KeyUp(key);
  Step(30);
  EXPECT_EQ(Player(10), 1);
  EXPECT_EQ(Player(12), 5);
  Step();
  EXPECT_EQ(Player(10), 0);
  EXPECT_EQ(Player(12), 0);
}

TEST_F(KarateTest, JoypadPlayersHaveTheirOwnButtonsAndNoLabels) {
  Start();
  app->m_Platform = 1;
  Place(0, 2, 600, 2);
  KeyDown(kSpace);  // fire 1 strikes kind 3 on a joypad
  Step();
  EXPECT_EQ(Player(12), 3);
  EXPECT_TRUE(Drawn(90, 112, 114).empty());
  app->m_Platform = 0;
  KeyUp(kSpace);
  KeyDown(kKeyX);  // and kind 3 is fire 2 on the keyboard
  Step();
  EXPECT_EQ(Player(12), 3);
}

// --- drawing ---

TEST_F(KarateTest, TheLinesTheOpponentsAndTheFighterAreDrawn) {
  Start();
  Place(0, 1, 500, 1);
  Place(10, 2, 500, 2);
  Place(20, 3, 500, 3);
  Strike(1, 2);
  Step();
  const std::vector<DrawnCommand> rects = Rects();
  ASSERT_EQ(rects.size(), 6u);
  const float lineYs[4] = {400, 350, 300, 250};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(rects[i].x, -64) << i;
    EXPECT_EQ(rects[i].y, lineYs[i]) << i;
    EXPECT_EQ(rects[i].sizeA, 768) << i;
    EXPECT_EQ(rects[i].sizeB, 4) << i;
  }
  EXPECT_EQ(rects[4].x, 118);
  EXPECT_EQ(rects[4].sizeA, 404);
  EXPECT_EQ(rects[5].y, 449);
  EXPECT_EQ(rects[5].sizeA, 400);

  const std::vector<DrawnCommand> opponents = Drawn(1, 56, 58);
  ASSERT_EQ(opponents.size(), 3u);
  EXPECT_EQ(opponents[0].frame, 58) << "kind 1 is sprite 122";
  EXPECT_EQ(opponents[0].y, 275);
  EXPECT_EQ(opponents[1].frame, 56);
  EXPECT_EQ(opponents[1].y, 325);
  EXPECT_EQ(opponents[2].frame, 57);
  EXPECT_EQ(opponents[2].y, 375);
  EXPECT_EQ(opponents[2].sizeA, 2);
  // Keyboard labels: the L, J and K button icons.
  EXPECT_EQ(Drawn(90, 114, 114).size(), 1u);
  EXPECT_EQ(Drawn(90, 112, 112).size(), 1u);
  EXPECT_EQ(Drawn(90, 113, 113).size(), 1u);

  const std::vector<DrawnCommand> fighter = Drawn(2, 0, 24);
  ASSERT_EQ(fighter.size(), 1u);
  EXPECT_EQ(fighter[0].frame, 10) << "ducking (8) with strike 2";
  EXPECT_EQ(fighter[0].x, 320);
  EXPECT_EQ(fighter[0].y, 320);
  EXPECT_EQ(fighter[0].sizeA, 5);
}

// --- the end ---

TEST_F(KarateTest, FourContactsEmptyTheBarAndEndTheGame) {
  Start();
  for (int k = 0; k < 4; ++k) Place(10 * k, 1 + k % 3, kCentre + 34 + 0.1f * k, 2);
  Step();
  EXPECT_EQ(Player(15), 0);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Rects().size(), 5u) << "only the bar's frame is left";
  EXPECT_EQ(Drawn(2, 0, 0).size(), 1u) << "still standing in this update";
  KeyDown(kSpace);
  Step();
  EXPECT_EQ(Drawn(2, 24, 24).size(), 1u) << "beaten: sprite 152";
  EXPECT_EQ(Player(13), -2) << "no controls once the game is over";
}

TEST_F(KarateTest, EnergyMayFallBelowZero) {
  Start();
  Player(15) = 10;
  Place(0, 1, kCentre + 34, 2);
  Step();
  EXPECT_EQ(Player(15), -15);
  EXPECT_EQ(app->m_Dead, 1);
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int rightStrikes = 0;
};

class KaratePlayTest : public KarateTest {
 protected:
  // From seed 1234: for 4000 updates the nearest opponent within 80 of the fighter gets
  // the move of its kind, side and height; after that nothing is pressed.
  PlayOutcome PlayScripted() {
    StartFromMenu();
    PlayOutcome outcome;
    const int keys[] = {kUpArrow, kDownArrow, kLeftArrow, kSpace, kKeyX, kKeyC};
    const int strikeKey[4] = {0, kKeyC, kSpace, kKeyX};
    while (app->m_Dead == 0 && outcome.updates < 20000) {
      for (int key : keys) KeyUp(key);
      int nearest = -1;
      for (int k = 0; k < 51; ++k) {
        const float d = std::abs(Map(10 * k + 1) - kCentre);
        if (Map(10 * k) > 0 && d < 80 && (nearest < 0 || d < std::abs(Map(nearest + 1) - kCentre))) {
          nearest = 10 * k;
        }
      }
      if (nearest >= 0 && outcome.updates < 4000) {
        const int lane = static_cast<int>(Map(nearest + 2));
        if (lane == 1) KeyDown(kUpArrow);
        if (lane == 3) KeyDown(kDownArrow);
        if (Map(nearest + 1) < kCentre) KeyDown(kLeftArrow);
        KeyDown(strikeKey[static_cast<int>(Map(nearest))]);
      }
      Update();
      ++outcome.updates;
    }
    for (int key : keys) KeyUp(key);
    outcome.score = app->m_Score;
    outcome.rightStrikes = sounds->Count(14);
    return outcome;
  }
};

TEST_F(KaratePlayTest, AScriptedPlayEndsTheSameWayEveryTime) {
  const PlayOutcome first = PlayScripted();
  const PlayOutcome second = PlayScripted();
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(first.score, 5 * first.rightStrikes);
  // The recorded outcome of this input pattern.
  EXPECT_EQ(first.score, 240);
  EXPECT_EQ(first.updates, 4172);
  EXPECT_GT(first.updates, 4000) << "the play lasted until the help stopped";
}

}  // namespace
