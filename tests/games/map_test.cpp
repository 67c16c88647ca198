// Map: the maze, coins and monsters built from the generator, the player's cell-by-cell
// steps, coins opening and being collected, the monsters' chasing, stopping and hits, the
// end of the game, and a scripted play that ends the same way every time.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <queue>
#include <string>
#include <vector>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kMap = 13;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

class MapTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kMap);
  }

  float& Cell(int x, int y) { return app->m_Map[x + 50 * y]; }
  float& Monster(int k, int field) { return app->m_Map[5000 + 10 * k + field]; }

  // A started game in a maze of cleared floor inside the border, with no coin but one far
  // away, no monster and no stars (so the generator is drawn by the game's rules alone).
  void StartInAnOpenField() {
    app->p_LoadGame_Map();
    for (int x = 1; x < 30; ++x) {
      for (int y = 1; y < 30; ++y) Cell(x, y) = 3;
    }
    for (int k = 0; k < 33; ++k) Monster(k, 0) = 0;
    Cell(2, 2) = 4;
    app->m_KeyLatch = app->m_TouchLatch = 0;
    app->m_StarCount = -1;
  }

  void PutMonster(int k, float x, float y, float speed) {
    Monster(k, 0) = 1;
    Monster(k, 1) = x;
    Monster(k, 2) = y;
    Monster(k, 8) = speed;
  }
};

// --- building a maze ---

TEST_F(MapTest, SetUpBuildsTheFirstMazeFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Map();
  EXPECT_EQ(app->m_Mode, 10);

  // Worked out from seed 1234 after the fresh start's 606 star draws: lines at x 8 and 22,
  // y 11 and 18; # wall, C closed coin, + the one monster's den (the monster is at 27, 8).
  const char* const expected[31] = {
      "###############################", "#.....................#.......#",
      "#.......#.....................#", "#.......#.....................#",
      "#.......#.............#.......#", "#.....C.#.....C.......#.......#",
      "#.......#.................+++.#", "#.....C......C........#..+++++#",
      "#.......#................+++++#", "#.......#.............#..+++++#",
      "#.......#.................+++.#", "#.###.##.#.#.###..#.######.#.##",
      "#.......#.............#.......#", "#.......#...........C.#.......#",
      "#.......#.............#.......#", "#.............................#",
      "#.......#.............#.....C.#", "#.......#.............#.......#",
      "###.##..#..#.#.#..#.#.#..#.#.##", "#.....................#.......#",
      "#.....................#.......#", "#.......#.....................#",
      "#.......#.....................#", "#.....................#.......#",
      "#.....................#.......#", "#.......#.....C.......#.......#",
      "#.....................#.......#", "#.....................#.......#",
      "#..C..................#.......#", "#.....................#.......#",
      "###############################"};
  const std::string symbols = ".#?+C";
  for (int y = 0; y < 31; ++y) {
    std::string row;
    for (int x = 0; x < 31; ++x) row += symbols[static_cast<int>(Cell(x, y))];
    EXPECT_EQ(row, expected[y]) << "row " << y;
  }
  EXPECT_EQ(app->m_TmpG, -2);
  EXPECT_EQ(app->m_TmpD, 2);
  EXPECT_EQ(app->m_TmpR, -2);
  EXPECT_EQ(app->m_TmpO, 1);
  EXPECT_EQ(app->m_TmpN, 0);
  EXPECT_EQ(app->m_TmpE, 0);
  EXPECT_EQ(app->m_TmpF, -1);
  EXPECT_EQ(app->m_TmpA, 0) << "the monster count replaces the third line offset";

  EXPECT_EQ(Monster(0, 0), 2);
  EXPECT_EQ(Monster(0, 1), 27);
  EXPECT_EQ(Monster(0, 2), 8);
  EXPECT_FLOAT_EQ(Monster(0, 8), 0.0648033544f);
  for (int field : {3, 4, 5}) EXPECT_EQ(Monster(0, field), 0);
  EXPECT_EQ(Monster(1, 0), 0) << "the first maze has one monster";

  EXPECT_EQ(Player(1), 15);
  EXPECT_EQ(Player(2), 15);
  EXPECT_EQ(Player(15), 3);
  EXPECT_EQ(Player(17), 1);
  EXPECT_EQ(Player(18), 368);
  EXPECT_EQ(Player(52), 0);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_EQ(zu_random_Seed, 1271598826) << "760 draws in all";
}

TEST_F(MapTest, EachMazeCompletedAddsFourMonstersUpToThirtyThree) {
  for (int done : {1, 2, 9}) {
    Player(52) = static_cast<float>(done);
    app->p_Make_Map();
    int monsters = 0;
    for (int k = 0; k < 40; ++k) monsters += Monster(k, 0) > 0 ? 1 : 0;
    EXPECT_EQ(monsters, std::min(4 * done + 1, 33)) << done;
    for (int k = 0; k < monsters; ++k) {
      const int x = static_cast<int>(Monster(k, 1)), y = static_cast<int>(Monster(k, 2));
      EXPECT_FALSE(std::abs(x - 15) < 4 && std::abs(y - 15) < 4) << "monster " << k;
      EXPECT_GE(Monster(k, 8), 0.05f);
      EXPECT_LT(Monster(k, 8), 0.1f);
    }
    for (int x = 14; x <= 16; ++x) {
      for (int y = 14; y <= 16; ++y) EXPECT_NE(Cell(x, y), 4) << "a coin in the centre";
    }
  }
}

// --- the player ---

TEST_F(MapTest, AStepToTheNextCellTakesNineUpdatesAndClearsTheFloor) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  Update();
  Update();  // nothing held: the latches clear and the centre cell is cleared
  EXPECT_EQ(Cell(15, 15), 3);
  EXPECT_EQ(app->m_Score, 1);
  KeyDown(kRight);
  for (int i = 0; i < 8; ++i) Update();
  EXPECT_EQ(Player(7), 4);
  EXPECT_FLOAT_EQ(Player(3), 0.8f);
  EXPECT_EQ(Player(18), 371);
  Update();
  EXPECT_EQ(Player(1), 16);
  EXPECT_EQ(Player(3), 0);
  EXPECT_EQ(Player(7), 0);
  Update();  // the new cell is cleared and the next step begins
  EXPECT_EQ(app->m_Score, 2);
  EXPECT_EQ(Player(7), 4);
  KeyUp(kRight);
  KeyDown(kLeft);
  for (int i = 0; i < 8; ++i) Update();
  EXPECT_EQ(Player(1), 17) << "a step under way is finished first";
  Update();
  EXPECT_EQ(Player(17), -1) << "drawn mirrored while walking left";
  const std::vector<DrawnCommand> walker = Drawn(5, 51, 53);
  ASSERT_EQ(walker.size(), 1u);
  EXPECT_EQ(walker[0].sizeA, -1);
}

TEST_F(MapTest, WallsStopThePlayerAndAClosedCoinOpensBesideIt) {
  StartInAnOpenField();
  Cell(15, 14) = 1;
  Cell(16, 15) = 4;
  KeyDown(kUp);
  KeyDown(kRight);
  app->p_Game_Map();
  EXPECT_EQ(Player(7), 0) << "up is a wall and right a closed coin";
  EXPECT_EQ(Cell(16, 15), 5) << "opened by standing next to it";
  EXPECT_EQ(sounds->Count(13), 1);
  app->p_Game_Map();
  EXPECT_EQ(Player(7), 4);
  for (int i = 0; i < 8; ++i) app->p_Game_Map();
  EXPECT_EQ(Player(1), 16);
  EXPECT_EQ(Cell(16, 15), 3) << "collected";
  EXPECT_EQ(sounds->Count(1), 1);
  EXPECT_EQ(app->m_Score, 0) << "only uncleared floor scores";
}

TEST_F(MapTest, CollectingTheLastCoinBuildsANewMazeWithMoreMonsters) {
  StartInAnOpenField();
  Cell(2, 2) = 3;
  Cell(16, 15) = 5;
  Player(1) = 16;
  app->p_Game_Map();  // counted 1 while drawing, then collected
  EXPECT_EQ(Player(51), 1);
  EXPECT_EQ(Player(52), 0);
  app->p_Game_Map();
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(Player(52), 1);
  EXPECT_EQ(Player(1), 15) << "back in the centre of a new maze";
  EXPECT_EQ(Player(15), 3) << "lives carry over";
  EXPECT_EQ(app->m_KeyLatch, 1);
  int monsters = 0;
  for (int k = 0; k < 33; ++k) monsters += Monster(k, 0) > 0 ? 1 : 0;
  EXPECT_EQ(monsters, 5);
}

// --- monsters ---

TEST_F(MapTest, AMonsterOnACellChasesThePlayerLaterTestsOverriding) {
  StartInAnOpenField();
  Player(2) = 10;
  PutMonster(0, 20, 15, 0.1f);
  // Draws 0.714 (right: the player is not to the right), 0.207 (left), 0.750 (down: the
  // player is not below), 0.346 (up overrides left).
  zu_random_Seed = 1234;
  app->p_Game_Map();
  EXPECT_EQ(Monster(0, 5), 2);
  EXPECT_FLOAT_EQ(Monster(0, 4), -0.1f);
  EXPECT_EQ(Monster(0, 3), 0);
  EXPECT_EQ(zu_random_Seed, 1486326822) << "four draws";
}

TEST_F(MapTest, AMonsterWithNoDirectionChoosesOneAndWaits) {
  StartInAnOpenField();
  Player(1) = 25;
  Player(2) = 20;
  PutMonster(0, 20, 15, 0.1f);
  Monster(0, 4) = 0.05f;  // off its cell: no chasing
  // p_Rand(1, 4) from 0.714 gives 3, then right (0.207), then down (0.7495, just below 3/4)
  // overrides it.
  zu_random_Seed = 1234;
  app->p_Game_Map();
  EXPECT_EQ(Monster(0, 5), 1);
  EXPECT_EQ(Monster(0, 3), 0);
  EXPECT_EQ(Monster(0, 4), 0.05f);
  EXPECT_EQ(zu_random_Seed, -1075709661) << "three draws: left and up do not apply";
}

TEST_F(MapTest, AMonsterStopsOneSpeedStepIntoUnclearedFloorAndMayTurnAfterACell) {
  StartInAnOpenField();
  PutMonster(0, 20, 20, 0.08f);
  Monster(0, 5) = 3;
  Monster(0, 3) = 0.3f;
  Cell(21, 20) = 0;
  PutMonster(1, 20, 22, 0.1f);
  Monster(1, 5) = 4;
  Monster(1, 3) = -0.85f;
  zu_random_Seed = 1234;  // one draw each for the turns, 0.714 and 0.207, neither below 1/8
  app->p_Game_Map();
  EXPECT_EQ(Monster(0, 5), 0);
  EXPECT_EQ(Monster(0, 3), 0.08f);
  EXPECT_EQ(Monster(0, 1), 20);
  EXPECT_EQ(Monster(1, 1), 19);
  EXPECT_EQ(Monster(1, 3), 0);
  EXPECT_EQ(Monster(1, 5), 4) << "it keeps going";
  EXPECT_EQ(zu_random_Seed, 889114580);
}

TEST_F(MapTest, AMonsterStaysInItsDenUntilThePlayerOpensAWay) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  Update();  // the monster's den is around (27, 8)
  for (int i = 0; i < 1200; ++i) {
    Update();
    ASSERT_EQ(Cell(static_cast<int>(Monster(0, 1)), static_cast<int>(Monster(0, 2))), 3) << i;
    ASSERT_LE(std::abs(Monster(0, 1) - 27) + std::abs(Monster(0, 2) - 8), 3) << i;
  }
  EXPECT_EQ(Player(15), 3);
}

TEST_F(MapTest, EachTouchCostsALifeAndRemovesTheMonsterTheFourthEndsTheGame) {
  StartInAnOpenField();
  for (int hit = 1; hit <= 4; ++hit) {
    PutMonster(hit, 15, 15, 0.05f);
    Monster(hit, 3) = 0.01f;  // off its cell, so it does not choose a way
    app->p_Game_Map();
    EXPECT_EQ(Player(15), 3 - hit);
    EXPECT_EQ(Monster(hit, 0), 0);
    EXPECT_EQ(app->m_Dead, hit == 4 ? 1 : 0) << hit;
  }
  app->p_Game_Map();
  EXPECT_EQ(sounds->Count(12), 4);
  EXPECT_EQ(sounds->Count(5), 4);
  EXPECT_TRUE(Drawn(5, 48, 58).empty()) << "the player is no longer drawn";
}

TEST_F(MapTest, OnlyThirtyOneMonsterRecordsAct) {
  StartInAnOpenField();
  PutMonster(31, 15, 15, 0.1f);
  PutMonster(32, 15, 15, 0.1f);
  app->p_Game_Map();
  EXPECT_EQ(Player(15), 3);
  EXPECT_EQ(Monster(31, 0), 1);
  EXPECT_TRUE(Drawn(5, 36, 39).empty());
}

// --- drawing ---

TEST_F(MapTest, TilesCoinsMonstersAndStatusAreDrawnAroundTheCentredPlayer) {
  StartInAnOpenField();
  app->m_ScrollX = app->m_ScrollTX = 160;  // the player's cell in the middle of the view
  app->m_ScrollY = app->m_ScrollTY = 240;
  Cell(17, 15) = 4;
  Cell(13, 15) = 5;
  PutMonster(0, 20, 12, 0.05f);
  Monster(0, 0) = 3;
  Monster(0, 4) = 0.5f;
  host.millisecs = 250;
  app->p_Game_Map();
  // Cells whose corner lies within 64 of the view: columns 4..26, rows 6..24.
  EXPECT_EQ(Drawn(5, 32, 35).size(), 23u * 19u);
  const std::vector<DrawnCommand> closed = Drawn(5, 43, 43);
  ASSERT_EQ(closed.size(), 1u);
  EXPECT_EQ(closed[0].x, 384);
  EXPECT_EQ(closed[0].y, 240);
  const std::vector<DrawnCommand> open = Drawn(5, 44, 44);
  ASSERT_EQ(open.size(), 2u);
  EXPECT_EQ(open[0].x, 256);
  EXPECT_EQ(open[1].x, 576) << "the status coin";
  EXPECT_EQ(open[1].sizeA, 2);
  const std::vector<DrawnCommand> monster = Drawn(5, 54, 55);
  ASSERT_EQ(monster.size(), 1u);
  EXPECT_EQ(monster[0].frame, 55) << "kind 3, second frame after 250 ms";
  EXPECT_EQ(monster[0].x, 480);
  EXPECT_EQ(monster[0].y, 160);
  const std::vector<DrawnCommand> player = Drawn(5, 48, 48);
  ASSERT_EQ(player.size(), 1u);
  EXPECT_EQ(player[0].x, 320);
  EXPECT_EQ(player[0].y, 240);
  const std::vector<DrawnCommand> lives = Drawn(50);
  ASSERT_EQ(lives.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(lives[i].x, 624 - 14 * i);
    EXPECT_EQ(lives[i].y, 48);
    EXPECT_EQ(lives[i].sizeA, 0.5f);
  }
  EXPECT_EQ(Player(51), 3) << "two coins here and the far one";
}

// --- a whole play ---

// From seed 1234 the player walks, by the shortest way over enterable cells, to the
// nearest cell beside a coin that is still closed, or onto the nearest open coin; it never
// avoids a monster. Returns the number of updates until the game ended.
class MapPlayTest : public MapTest {
 protected:
  int NextMove() {
    const int px = static_cast<int>(Player(1)), py = static_cast<int>(Player(2));
    std::array<int, 31 * 31> first{};
    first.fill(-1);
    std::queue<int> open;
    const int dxs[4] = {0, 0, -1, 1}, dys[4] = {-1, 1, 0, 0}, keys[4] = {kUp, kDown, kLeft, kRight};
    first[px + 31 * py] = 4;
    open.push(px + 31 * py);
    while (!open.empty()) {
      const int at = open.front();
      open.pop();
      const int x = at % 31, y = at / 31;
      bool goal = Cell(x, y) == 5;
      for (int d = 0; d < 4; ++d) goal = goal || Cell(x + dxs[d], y + dys[d]) == 4;
      if (goal && at != px + 31 * py) return keys[first[at]];
      for (int d = 0; d < 4; ++d) {
        const int nx = x + dxs[d], ny = y + dys[d];
        const float v = Cell(nx, ny);
        if (first[nx + 31 * ny] != -1 || !(v == 0 || v == 3 || v == 5)) continue;
        first[nx + 31 * ny] = at == px + 31 * py ? d : first[at];
        open.push(nx + 31 * ny);
      }
    }
    return 0;
  }

  int PlayScripted() {
    zu_random_Seed = 1234;
    host.millisecs = 0;
    app->m_Mode = 11;
    Update();
    sounds->played.clear();
    int held = 0, updates = 0;
    while (app->m_Dead == 0 && updates < 100000) {
      // A new maze waits for the controls to be let go.
      const int wanted = app->m_KeyLatch != 0 ? 0 : Player(7) == 0 ? NextMove() : held;
      if (wanted != held) {
        if (held != 0) KeyUp(held);
        if (wanted != 0) KeyDown(wanted);
        held = wanted;
      }
      host.millisecs += 16;
      Update();
      ++updates;
    }
    if (held != 0) KeyUp(held);
    return updates;
  }
};

TEST_F(MapPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  const int updates = PlayScripted();
  const int score = app->m_Score;
  const int mazes = static_cast<int>(Player(52));
  EXPECT_EQ(sounds->Count(12), 4) << "four hits";
  EXPECT_EQ(Player(15), -1);
  EXPECT_EQ(sounds->Count(95), mazes);
  EXPECT_EQ(PlayScripted(), updates);
  EXPECT_EQ(app->m_Score, score);
  // The recorded outcome of this play.
  EXPECT_EQ(score, 164);
  EXPECT_EQ(updates, 1997);
  EXPECT_EQ(mazes, 2);
}

}  // namespace
