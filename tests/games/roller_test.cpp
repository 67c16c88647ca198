// Roller: the maze, gummies and ants built from the generator, the die, the player's walk,
// the ants' three steps, catching, gummies and levels, and a scripted play that collects the
// first level's gummies and then walks into an ant.
#include <deque>
#include <utility>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kRoller = 18;
constexpr int kSpace = 32;
constexpr int kUp = 38;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kDown = 40;

class RollerTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kRoller);
  }

  float& CellAt(int x, int y) { return Map(x + 50 * y); }
  float& Ant(int k, int field) { return Player(100 + 10 * k + field); }

  // A started game on an open maze (border walls only) with one gummy in the far corner,
  // no ants, and the player's turn with `moves` to walk.
  void OpenMaze(int moves) {
    app->m_Mode = 11;
    Update();
    for (int x = 1; x <= 15; ++x) {
      for (int y = 1; y <= 9; ++y) CellAt(x, y) = 0;
    }
    CellAt(1, 1) = 5;
    for (int k = 0; k < 10; ++k) Ant(k, 0) = 0;
    Player(7) = 2;
    Player(8) = 100;
    Player(9) = static_cast<float>(moves);
  }
  void AddAnt(int k, int x, int y, int direction) {
    Ant(k, 0) = 1;
    Ant(k, 1) = static_cast<float>(x);
    Ant(k, 2) = static_cast<float>(y);
    Ant(k, 3) = Ant(k, 4) = 0;
    Ant(k, 5) = static_cast<float>(direction);
  }
  void Press(int key) {
    KeyDown(key);
    Update();
    KeyUp(key);
  }
  int Walls() {
    int walls = 0;
    for (int x = 1; x <= 15; ++x) {
      for (int y = 1; y <= 9; ++y) walls += CellAt(x, y) == 1 ? 1 : 0;
    }
    return walls;
  }
};

// --- building a level ---

TEST_F(RollerTest, SetUpBuildsTheFirstLevelFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Roller();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(21), 1);
  for (int x = 0; x <= 16; ++x) {
    EXPECT_EQ(CellAt(x, 0), 1);
    EXPECT_EQ(CellAt(x, 10), 1);
  }
  for (int y = 0; y <= 10; ++y) {
    EXPECT_EQ(CellAt(0, y), 1);
    EXPECT_EQ(CellAt(16, y), 1);
  }
  // Worked out from seed 1234 after the 606 star draws.
  const std::pair<int, int> walls[] = {{2, 4},  {2, 6},  {6, 2},  {8, 4},  {10, 8},
                                       {12, 2}, {12, 8}, {14, 2}, {14, 6}, {14, 8}};
  for (auto [x, y] : walls) EXPECT_EQ(CellAt(x, y), 1) << x << "," << y;
  EXPECT_EQ(Walls(), 10);
  EXPECT_EQ(CellAt(15, 2), 2);
  EXPECT_EQ(CellAt(11, 5), 3);
  EXPECT_EQ(CellAt(3, 9), 4);
  EXPECT_EQ(CellAt(15, 5), 5);
  const float ants[2][3] = {{12, 1, 1}, {15, 7, 2}};
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(Ant(k, 0), 1) << k;
    EXPECT_EQ(Ant(k, 1), ants[k][0]) << k;
    EXPECT_EQ(Ant(k, 2), ants[k][1]) << k;
    EXPECT_EQ(Ant(k, 5), ants[k][2]) << k;
    EXPECT_EQ(CellAt(static_cast<int>(ants[k][0]), static_cast<int>(ants[k][1])), 0)
        << "the placing marker is cleared";
  }
  EXPECT_EQ(Ant(2, 0), 0);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 4292019270u) << "exactly 676 draws";
  EXPECT_EQ(Player(1), 8);
  EXPECT_EQ(Player(2), 5);
  for (int element : {7, 8, 9}) EXPECT_EQ(Player(element), 0) << element;
}

TEST_F(RollerTest, AnAntFacingSomethingOnItsFirstStepIsTurnedAlongIt) {
  app->p_LoadGame_Roller();
  // Seed 2: ant 1 lands at (4, 7) facing right, next to ant 0's placing marker on its left:
  // turned up.
  zu_random_Seed = 2;
  app->p_GetLev_Roller();
  EXPECT_EQ(Ant(1, 1), 4);
  EXPECT_EQ(Ant(1, 2), 7);
  EXPECT_EQ(Ant(1, 5), 0);
  // Seed 4: ant 0 at (3, 1) faces left, but the gummy on its right still turns it down.
  zu_random_Seed = 4;
  app->p_GetLev_Roller();
  EXPECT_EQ(Ant(0, 1), 3);
  EXPECT_EQ(Ant(0, 2), 1);
  EXPECT_EQ(Ant(0, 5), 2);
}

TEST_F(RollerTest, AntsComeInThreesAndNeverStartNearThePlayer) {
  app->p_LoadGame_Roller();
  const int expected[] = {2, 5, 8, 10, 10};
  for (int seed = 1; seed <= 8; ++seed) {
    for (int level = 1; level <= 5; ++level) {
      zu_random_Seed = seed;
      Player(21) = static_cast<float>(level);
      app->p_GetLev_Roller();
      int ants = 0;
      for (int k = 0; k < 11; ++k) {
        if (Ant(k, 0) == 0) continue;
        ++ants;
        const int x = static_cast<int>(Ant(k, 1));
        const int y = static_cast<int>(Ant(k, 2));
        EXPECT_FALSE(std::abs(x - 8) < 3 && std::abs(y - 5) < 3) << seed << ": " << x << "," << y;
        EXPECT_EQ(CellAt(x, y), 0) << seed << ": " << x << "," << y;
      }
      EXPECT_EQ(ants, expected[level - 1]) << "seed " << seed << " level " << level;
      int gummies = 0;
      for (int x = 1; x <= 15; ++x) {
        for (int y = 1; y <= 9; ++y) gummies += CellAt(x, y) >= 2 && CellAt(x, y) <= 5 ? 1 : 0;
      }
      EXPECT_EQ(gummies, 4);
    }
  }
}

// --- the die ---

TEST_F(RollerTest, FireRollsTheDieWhichFliesToTheCorner) {
  app->m_Mode = 11;
  Update();
  Update();
  std::vector<DrawnCommand> rects = Drawn(-3717);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].x, 254);
  EXPECT_EQ(rects[0].y, 174);
  EXPECT_EQ(rects[0].sizeA, 132);
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(7), 1);
  EXPECT_GE(Player(8), 2.6f) << "the roll advances in the same update";
  EXPECT_LT(Player(8), 3.5f);
  EXPECT_GE(Player(9), 1);
  EXPECT_LE(Player(9), 6);
  int updates = 1;
  while (Player(7) == 1 && updates < 100) {
    Update();
    ++updates;
  }
  KeyUp(kSpace);
  EXPECT_GE(updates, 28);
  EXPECT_LE(updates, 62);
  EXPECT_EQ(Player(7), 2);
  EXPECT_EQ(Player(8), 100);
  rects = Drawn(-3717);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].x, 592) << "32 square, centred 32 from the top-right corner";
  EXPECT_EQ(rects[0].y, 16);
  EXPECT_EQ(rects[0].sizeA, 32);
}

// --- the player's turn ---

TEST_F(RollerTest, EachPressWalksOneCellWhileMovesAreLeft) {
  OpenMaze(2);
  Press(kUp);
  EXPECT_EQ(Player(2), 4);
  EXPECT_EQ(Player(4), 1) << "slides over from the old cell";
  EXPECT_EQ(Player(9), 1);
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(sounds->Count(99), 1);
  KeyDown(kRight);
  Update();
  EXPECT_EQ(Player(1), 8) << "a new press needs the last one released";
  KeyUp(kRight);
  Update();  // slide 0.7
  KeyDown(kRight);
  int updates = 0;
  while (Player(1) == 8 && updates < 20) {
    Update();
    ++updates;
  }
  EXPECT_EQ(updates, 5) << "the held key walks once the slide has ended";
  EXPECT_EQ(Player(9), 0);
  EXPECT_EQ(Player(7), 12) << "the ants' turn, whose first step (of no ants) came at once";
  Update();
  Update();
  KeyUp(kRight);
  EXPECT_NEAR(Player(3), -0.7f, 1e-5f) << "sliding from -1 since";
  Update();
  Press(kLeft);
  EXPECT_EQ(Player(1), 9) << "no moves left";
}

TEST_F(RollerTest, WallsBlockAndTheFirstFreeWayInOrderIsTaken) {
  OpenMaze(3);
  CellAt(8, 4) = 1;
  CellAt(7, 5) = 1;
  KeyDown(kUp);
  KeyDown(kLeft);
  KeyDown(kDown);
  KeyDown(kRight);
  Update();
  EXPECT_EQ(Player(1), 9) << "up and left are walls; right comes before down";
  EXPECT_EQ(Player(2), 5);
  EXPECT_EQ(Player(3), -1);
}

TEST_F(RollerTest, AGummyScoresOnTheUpdateAfterTheStep) {
  OpenMaze(3);
  CellAt(8, 4) = 3;
  Press(kUp);
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(CellAt(8, 4), 3);
  Update();
  EXPECT_EQ(app->m_Score, 26);
  EXPECT_EQ(CellAt(8, 4), 0);
  EXPECT_EQ(sounds->Count(98), 1);
  EXPECT_EQ(Player(21), 1) << "the corner gummy is still there";
}

TEST_F(RollerTest, TheLastGummyBuildsTheNextLevelAndTheMovesLeftAreLost) {
  OpenMaze(4);
  CellAt(1, 1) = 0;
  CellAt(8, 4) = 2;
  Press(kUp);
  Update();  // the gummy is taken
  EXPECT_EQ(Player(21), 1);
  Update();  // no gummy left
  EXPECT_EQ(Player(21), 2);
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(Player(1), 8);
  EXPECT_EQ(Player(2), 5);
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(Player(9), 0);
  int ants = 0;
  for (int k = 0; k < 10; ++k) ants += Ant(k, 0) == 1 ? 1 : 0;
  EXPECT_EQ(ants, 5);
  EXPECT_EQ(app->m_Score, 26);
}

// --- the ants ---

TEST_F(RollerTest, TheAntsTakeThreeStepsTurningBackAtAWall) {
  OpenMaze(0);
  Player(7) = 13;
  CellAt(7, 3) = 1;
  AddAnt(0, 5, 3, 1);  // right, one cell before the wall
  Update();
  EXPECT_EQ(Ant(0, 1), 6);
  EXPECT_EQ(Ant(0, 3), -1);
  EXPECT_EQ(Player(7), 12);
  EXPECT_EQ(sounds->Count(10), 1);
  int updates = 0;
  while (Player(7) == 12 && updates < 100) {
    Update();
    ++updates;
  }
  EXPECT_EQ(updates, 16) << "a slide of 1 at 0.07 lasts 15 updates; the step follows it";
  EXPECT_EQ(Ant(0, 1), 6) << "spent the step turning back";
  EXPECT_EQ(Ant(0, 5), 3);
  Update();
  EXPECT_EQ(Player(7), 10) << "a turn leaves no slide, so the next step follows at once";
  EXPECT_EQ(Ant(0, 1), 5);
  for (int i = 0; i < 30; ++i) Update();
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(Player(8), 0) << "a new turn cycle";
  EXPECT_EQ(sounds->Count(10), 3);
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(RollerTest, WalkingOntoAnAntEndsTheGameInTheSameUpdate) {
  OpenMaze(3);
  AddAnt(4, 8, 4, 0);
  Press(kUp);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Player(8), 100);
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(Player(9), 0);
}

TEST_F(RollerTest, AnAntWalkingOntoThePlayerCatchesHimOnTheNextUpdate) {
  OpenMaze(0);
  Player(7) = 11;
  AddAnt(0, 8, 4, 2);
  Update();
  EXPECT_EQ(Ant(0, 2), 5);
  EXPECT_EQ(app->m_Dead, 0);
  Update();
  EXPECT_EQ(app->m_Dead, 1);
  for (int i = 0; i < 30; ++i) Update();
  EXPECT_EQ(Ant(0, 2), 5) << "the ants stop once the game is over";
}

// --- a whole play ---

class RollerPlayTest : public RollerTest {
 protected:
  // The first key of a shortest walk from the player to (tx, ty) around the walls.
  int KeyTowards(int tx, int ty) {
    const int px = static_cast<int>(Player(1));
    const int py = static_cast<int>(Player(2));
    int firstKey[17][11] = {};
    bool seen[17][11] = {};
    std::deque<std::pair<int, int>> queue{{px, py}};
    seen[px][py] = true;
    const int keys[] = {kUp, kLeft, kRight, kDown};
    const int dx[] = {0, -1, 1, 0};
    const int dy[] = {-1, 0, 0, 1};
    while (!queue.empty()) {
      auto [x, y] = queue.front();
      queue.pop_front();
      if (x == tx && y == ty) return firstKey[x][y];
      for (int d = 0; d < 4; ++d) {
        const int nx = x + dx[d];
        const int ny = y + dy[d];
        if (CellAt(nx, ny) == 1 || seen[nx][ny]) continue;
        seen[nx][ny] = true;
        firstKey[nx][ny] = (x == px && y == py) ? keys[d] : firstKey[x][y];
        queue.push_back({nx, ny});
      }
    }
    return kUp;
  }
  // Level 1: walk to the first gummy by column; from level 2: walk to ant 0.
  std::pair<int, int> Target() {
    if (Player(21) >= 2) return {static_cast<int>(Ant(0, 1)), static_cast<int>(Ant(0, 2))};
    for (int x = 1; x <= 15; ++x) {
      for (int y = 1; y <= 9; ++y) {
        if (CellAt(x, y) >= 2) return {x, y};
      }
    }
    return {8, 5};
  }
};

TEST_F(RollerPlayTest, CollectingGummiesUntilAnAntCatchesThePlayer) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  Update();
  int updates = 0;
  while (app->m_Dead == 0 && updates < 20000) {
    int key = 0;
    if (Player(7) == 0 && Player(8) == 0) key = kSpace;
    if (Player(7) == 2 && Player(3) == 0 && Player(4) == 0) {
      auto [tx, ty] = Target();
      key = KeyTowards(tx, ty);
    }
    if (key != 0) {
      Press(key);
      ++updates;
    }
    Update();
    ++updates;
  }
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(app->m_Score, sounds->Count(99) + 25 * sounds->Count(98))
      << "a point a step, 25 a gummy";
  bool caught = false;
  for (int k = 0; k < 10; ++k) {
    caught |= Ant(k, 0) == 1 && Ant(k, 1) == Player(1) && Ant(k, 2) == Player(2);
  }
  EXPECT_TRUE(caught);
  // The recorded outcome of this play from seed 1234: three gummies and 29 steps, then an
  // ant on the first level.
  EXPECT_EQ(Player(21), 1);
  EXPECT_EQ(sounds->Count(98), 3);
  EXPECT_EQ(app->m_Score, 104);
  EXPECT_EQ(updates, 938);
  // The game over hands back to the menu with the score in Roller's table.
  for (int i = 0; i < 200 && app->m_Mode != 1; ++i) Update();
  EXPECT_EQ(app->m_Mode, 1);
  EXPECT_EQ(app->m_Highscores[170], 104);
}

}  // namespace
