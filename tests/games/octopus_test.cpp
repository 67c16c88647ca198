// Octopus: arenas built from the generator, the turn function, the player's steps, turns and
// bubbles, completing blocks (hatching eggs), the prize and the next arena, octopi wandering
// and touching, the end of the game, and a scripted play that always ends the same way.
#include <cmath>
#include <random>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kOctopus = 15;
constexpr int kUpArrow = 38, kRightArrow = 39, kDownArrow = 40, kLeftArrow = 37;

class OctopusTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kOctopus);
  }

  float& Cell(int x, int y, int field = 0) { return app->m_Map[10 * (x + 20 * y) + field]; }
  float& Creature(int j, int field) { return app->m_Map[10000 + 10 * j + field]; }

  void Start(int seed = 1234) {
    zu_random_Seed = seed;
    app->m_Mode = 11;
    Update();
  }
  void Updates(int n) {
    for (int k = 0; k < n; ++k) Update();
  }
  // Keeps every creature record still and out of the way.
  void StillCreatures() {
    for (int j = 0; j <= 20; ++j) {
      Creature(j, 0) = 0;
      Creature(j, 9) = 1000;
    }
  }
  // Pieces (sprites 173..175) drawn faded.
  int FadedPieces() {
    int faded = 0;
    for (int i = 0; i < app->m_DrawCount; i += 15) {
      const float* c = app->m_DrawList.begin() + i;
      faded += c[0] == 2 && c[6] >= 45 && c[6] <= 47 && c[7] == 0.35f ? 1 : 0;
    }
    return faded;
  }
  // Eats every bubble of the window of block (bx, by).
  void EatWindow(int bx, int by) {
    for (int x = 4 * bx; x <= 4 * bx + 4; ++x) {
      for (int y = 3 * by; y <= 3 * by + 3; ++y) {
        if (Cell(x, y) == -1) Cell(x, y) = 0;
      }
    }
  }
};

// --- arenas ---

TEST_F(OctopusTest, TheFirstArenaFromTheGenerator) {
  Start();
  EXPECT_EQ(app->m_BgTR, 0);
  EXPECT_EQ(app->m_BgTG, 30);
  EXPECT_EQ(app->m_BgTB, 15);
  // Worked out from seed 1234 after the 606 star draws: pieces by row, "." a bubble.
  const char* rows[10] = {".................", ".212.313.233.311.", ".223.312.133.321.",
                          ".................", ".111.331.121.232.", ".122.112.333.232.",
                          ".................", ".133.223.132.232.", ".322.211.131.333.",
                          "................."};
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 17; ++x) {
      const float expected = rows[y][x] == '.' ? -1.0f : static_cast<float>(rows[y][x] - '0');
      EXPECT_EQ(Cell(x, y), expected) << x << ", " << y;
      EXPECT_EQ(Cell(x, y, 1), x == 15 && y == 7 ? 1 : 0) << x << ", " << y;
    }
  }
  EXPECT_EQ(Creature(19, 0), 1);
  EXPECT_EQ(Creature(19, 1), 0);
  EXPECT_EQ(Creature(19, 2), 9);
  EXPECT_FLOAT_EQ(Creature(19, 7), 0.05f);
  EXPECT_EQ(Creature(19, 8), 4);
  EXPECT_EQ(Creature(19, 9), 90);
  EXPECT_EQ(Creature(18, 0), 0);
  EXPECT_FLOAT_EQ(Player(40), 0.052f);
  EXPECT_EQ(Player(41), 1);
  EXPECT_EQ(Player(1), 8);
  EXPECT_EQ(Player(2), 5);
  EXPECT_EQ(Player(5), 90);
  EXPECT_EQ(app->m_Lives, 3);
}

TEST_F(OctopusTest, LaterArenasHaveTwoOctopiAndMoreEggs) {
  Player(41) = 1;
  Player(40) = 0.1f;
  zu_random_Seed = 5;
  app->p_NewMap_Octopus();
  EXPECT_EQ(Player(41), 2);
  EXPECT_EQ(Creature(19, 1), 0);
  EXPECT_FLOAT_EQ(Creature(19, 7), 0.09264743f);
  EXPECT_EQ(Creature(19, 8), 3);
  EXPECT_EQ(Creature(18, 1), 16);
  EXPECT_EQ(Creature(18, 2), 9);
  EXPECT_FLOAT_EQ(Creature(18, 7), 0.06873882f);
  EXPECT_EQ(Creature(18, 8), 2);
  EXPECT_FLOAT_EQ(Player(40), 0.104f);
  int eggs = 0;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 17; ++x) eggs += Cell(x, y, 1) != 0 ? 1 : 0;
  }
  EXPECT_EQ(eggs, 2);
  EXPECT_EQ(Cell(1, 7, 1), 1);
  EXPECT_EQ(Cell(10, 5, 1), 1);
}

TEST_F(OctopusTest, WithEveryOctopusRecordBusyOnlyTheSpeedLimitGrows) {
  for (int j = 0; j < 20; ++j) Creature(j, 0) = 1;
  Player(40) = 0.139f;
  const int seed = zu_random_Seed;
  app->p_Add_Octopus(3, 3);
  EXPECT_EQ(zu_random_Seed, seed);
  EXPECT_FLOAT_EQ(Player(40), 0.14f);
  EXPECT_EQ(Creature(19, 1), 0);
}

// --- the turn function ---

TEST_F(OctopusTest, WhichWayDoIGoTurnsTheShortWayOneUnitShortPastHalf) {
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(0, 90, 0, 359), 90);
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(350, 10, 0, 359), 20);
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(0, 179, 0, 359), 179);
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(0, 180, 0, 359), -179);
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(90, -90, 0, 359), -179);
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(10, 350, 0, 359), -19);
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(1, 0, 0, 359), 0);
  EXPECT_EQ(c_MyApp::m_WhichWayDoIGo(-720, 45, 0, 359), 45);
}

// --- the player ---

TEST_F(OctopusTest, TheStartCellsBubbleIsEatenAndAWallStopsTheStep) {
  Start();
  KeyDown(kRightArrow);  // (9, 5) holds a piece
  Update();
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(Cell(8, 5), 0);
  EXPECT_EQ(sounds->Count(16), 1);
  EXPECT_EQ(sounds->played.back().volume, 0.5f);
  EXPECT_EQ(Player(8), 0);
  int sparks = 0;
  for (int i = 0; i <= 250; ++i) sparks += app->m_Particles[10 * i] == 1 ? 1 : 0;
  EXPECT_EQ(sparks, 4);
}

TEST_F(OctopusTest, AStepTakesNineUpdatesAndTheEaterTurnsTwentyDegreesAtATime) {
  Start();
  KeyDown(kUpArrow);
  Update();
  EXPECT_EQ(Player(8), 1);
  EXPECT_EQ(Player(6), -90);
  EXPECT_EQ(Player(5), 70) << "turning the short way from 90 to -90";
  KeyUp(kUpArrow);
  Updates(8);
  EXPECT_EQ(Player(2), 5);
  EXPECT_FLOAT_EQ(Player(4), -0.8f);
  EXPECT_EQ(Player(5), -90);
  Update();
  EXPECT_EQ(Player(2), 4);
  EXPECT_EQ(Player(4), 0);
  EXPECT_EQ(Player(8), 0);
  EXPECT_EQ(Player(9), 1);
  EXPECT_EQ(app->m_Score, 2);
  const std::vector<DrawnCommand> eater = Drawn(2, 41, 44);
  ASSERT_EQ(eater.size(), 1u);
  EXPECT_EQ(eater[0].rot, 90) << "drawn turned to face up";
}

TEST_F(OctopusTest, HoldingRightAndDownTurnsDownAtTheFirstOpenJunction) {
  Start();
  StillCreatures();
  Player(1) = 9;
  Player(2) = 6;
  Player(9) = 2;
  KeyDown(kRightArrow);
  KeyDown(kDownArrow);
  Updates(27);
  EXPECT_EQ(Player(1), 11);
  EXPECT_EQ(Player(8), 2);
  Update();
  EXPECT_EQ(Player(1), 12);
  EXPECT_EQ(Player(2), 6);
  EXPECT_EQ(Player(8), 3) << "down wins over right while moving sideways";
  Updates(9);
  EXPECT_EQ(Player(2), 7);
}

// --- blocks, prize and arenas ---

TEST_F(OctopusTest, TheLastBubbleOfASharedCorridorCompletesTwoBlocksAndHatchesTheEgg) {
  Start();
  StillCreatures();
  EatWindow(0, 0);
  EatWindow(1, 0);
  Cell(4, 1) = -1;
  Cell(2, 1, 1) = 1;
  Player(1) = 4;
  Player(2) = 1;
  Update();
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(sounds->Count(14), 0);
  Update();
  EXPECT_EQ(app->m_Score, 101);
  EXPECT_EQ(sounds->Count(14), 2);
  EXPECT_EQ(Cell(1, 1), 102);
  EXPECT_EQ(Cell(7, 2), 102);
  EXPECT_EQ(Cell(9, 1), 2) << "the next block is untouched";
  EXPECT_EQ(Cell(2, 1, 1), 0);
  EXPECT_EQ(sounds->Count(2), 1);
  EXPECT_EQ(Creature(19, 0), 1);
  EXPECT_EQ(Creature(19, 1), 2);
  EXPECT_EQ(Creature(19, 2), 1);
  Update();
  EXPECT_EQ(app->m_Score, 101) << "a completed block stays completed";
  EXPECT_EQ(FadedPieces(), 12) << "the twelve completed pieces";
}

TEST_F(OctopusTest, ThePrizeComesAfterTheLastBlockAndCatchingItBuildsTheNextArena) {
  Start();
  StillCreatures();
  for (int bx = 0; bx < 4; ++bx) {
    for (int by = 0; by < 3; ++by) EatWindow(bx, by);
  }
  Update();
  EXPECT_EQ(sounds->Count(14), 12);
  EXPECT_EQ(Creature(20, 0), 0) << "not in the update that completes the last block";
  Update();
  ASSERT_EQ(Creature(20, 0), 2);
  EXPECT_GE(std::abs(Creature(20, 1) - 8), 3);
  EXPECT_GE(std::abs(Creature(20, 2) - 5), 3);
  EXPECT_LE(Cell(static_cast<int>(Creature(20, 1)), static_cast<int>(Creature(20, 2))), 0);
  EXPECT_EQ(sounds->Count(15), 1);
  EXPECT_EQ(sounds->Count(3), 1);
  const int score = app->m_Score;
  Creature(20, 9) = 1000;
  Player(1) = Creature(20, 1);
  Player(2) = Creature(20, 2);
  Update();
  EXPECT_EQ(Player(41), 2);
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(app->m_Score, score) << "the prize itself scores nothing";
  EXPECT_EQ(Creature(19, 0), 1);
  EXPECT_EQ(Creature(18, 0), 1);
  EXPECT_EQ(Creature(20, 0), 0);
  EXPECT_EQ(Player(1), 8);
  EXPECT_EQ(Player(2), 5);
}

// --- octopi ---

TEST_F(OctopusTest, AnOctopusRunsStraightAlongACorridor) {
  Start();
  StillCreatures();
  Creature(5, 0) = 1;
  Creature(5, 1) = 1;
  Creature(5, 2) = 3;
  Creature(5, 5) = 2;
  Creature(5, 7) = 0.14f;
  Creature(5, 9) = 1;
  Updates(6);
  EXPECT_EQ(Creature(5, 1), 2) << "six updates per cell at the top speed";
  EXPECT_EQ(Creature(5, 3), 0);
  Update();
  EXPECT_FLOAT_EQ(Creature(5, 3), 0.28f);
  EXPECT_EQ(Creature(5, 5), 2);
}

TEST_F(OctopusTest, AtAJunctionEachOpenSideIsTakenWithChanceOneInFour) {
  // Seeds 8, 2 and 1 give, for the two side draws: a turn up; no, then a turn down; neither.
  const struct {
    int seed;
    float offsetX, offsetY, heading;
  } cases[] = {{8, 0, -0.2f, 1}, {2, 0, 0.2f, 3}, {1, 0.2f, 0, 2}};
  for (const auto& c : cases) {
    Start();
    StillCreatures();
    Cell(8, 5) = 0;
    app->m_StarCount = -1;  // no snow, so only the octopus draws
    Creature(5, 0) = 1;
    Creature(5, 1) = 4;
    Creature(5, 2) = 3;
    Creature(5, 5) = 2;
    Creature(5, 7) = 0.1f;
    Creature(5, 9) = 0;
    zu_random_Seed = c.seed;
    app->p_Game_Octopus();
    EXPECT_FLOAT_EQ(Creature(5, 3), c.offsetX) << c.seed;
    EXPECT_FLOAT_EQ(Creature(5, 4), c.offsetY) << c.seed;
    EXPECT_EQ(Creature(5, 5), c.heading) << c.seed;
  }
}

TEST_F(OctopusTest, TouchesCostLivesAndTheOneBelowZeroEndsTheGame) {
  Start();
  StillCreatures();
  Update();
  Creature(3, 0) = 1;
  Creature(3, 1) = 8;
  Creature(3, 2) = 5;
  Update();
  EXPECT_EQ(app->m_Lives, 2);
  EXPECT_EQ(Creature(3, 0), 0);
  EXPECT_EQ(sounds->Count(12), 1);
  app->m_Lives = 0;
  Update();
  ASSERT_EQ(Drawn(2, 40, 40).size(), 3u);
  for (int i = 0; i < app->m_DrawCount; i += 15) {
    if (app->m_DrawList[i] == 2 && app->m_DrawList[i + 6] == 40) {
      EXPECT_EQ(app->m_DrawList[i + 7], 0.4f) << "all three lives dim";
    }
  }
  EXPECT_EQ(app->m_Dead, 0);
  Creature(3, 0) = 1;
  Update();
  EXPECT_EQ(app->m_Lives, -1);
  EXPECT_EQ(app->m_Dead, 0);
  Update();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Drawn(2, 41, 44).size(), 0u) << "the eater is gone";
}

// --- a whole play ---

TEST_F(OctopusTest, AScriptedPlayEndsTheSameWayEveryTime) {
  // A direction chosen by a generator of the test's own, held for 30 updates at a time.
  auto play = [this](int& updates) {
    app->m_KeyStickX = app->m_KeyStickY = 0;
    Start();
    sounds->played.clear();
    std::minstd_rand player(42);
    const int keys[4] = {kDownArrow, kRightArrow, kUpArrow, kLeftArrow};
    int held = keys[0];
    for (updates = 0; app->m_Dead == 0 && updates < 50000; ++updates) {
      if (updates % 30 == 0) {
        KeyUp(held);
        held = keys[player() % 4];
        KeyDown(held);
      }
      Update();
    }
    for (int key : keys) KeyUp(key);
    return app->m_Score;
  };
  int updates1 = 0, updates2 = 0;
  const int score1 = play(updates1);
  const int score2 = play(updates2);
  EXPECT_EQ(score1, score2);
  EXPECT_EQ(updates1, updates2);
  // The recorded outcome; every point is a bubble or a completed block.
  EXPECT_EQ(score1, 840);
  EXPECT_EQ(updates1, 14806);
  EXPECT_EQ(score1, sounds->Count(16) + 50 * sounds->Count(14));
  EXPECT_EQ(sounds->Count(12), 4) << "four touches";
  EXPECT_EQ(app->m_Lives, -1);
  EXPECT_EQ(Player(41), 2) << "the first arena cleared and its prize caught";
}

}  // namespace
