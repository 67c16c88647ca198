// Xplode: steering inside the circle, turning, the stream of shots, explosions spawned from
// the generator and their pace, shooting them down, the ship's end, and a scripted play
// that always ends the same way.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kXplode = 24;
constexpr int kRightArrow = 39, kUpArrow = 38, kLeftArrow = 37, kDownArrow = 40;

class XplodeTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kXplode);
    app->p_LoadGame_Xplode();
    Player(51) = 1000;  // no explosions unless a test wants them
    app->m_StarCount = -1;  // no snow, so only the game draws random numbers
  }

  // Pushes the stick by (sx, sy), multiples of 1/72, through the touch stick, and runs
  // one update of the game.
  void Push(float sx, float sy) {
    app->m_TouchDown = 1;
    app->m_AnchorX = 300;
    app->m_AnchorY = 200;
    app->m_MouseX = 300 + static_cast<int>(std::lround(sx * 72));
    app->m_MouseY = 200 + static_cast<int>(std::lround(sy * 72));
    app->p_Game_Xplode();
  }
  void Release() {
    app->m_TouchDown = 0;
    app->p_Game_Xplode();
  }
  float& Shot(int j, int field) { return app->m_Player[100 + 10 * j + field]; }
  float& Explosion(int k, int field) { return app->m_Map[10 * k + field]; }
  int FlyingShots() {
    int n = 0;
    for (int j = 0; j < 51; ++j) n += Shot(j, 0) == 1 ? 1 : 0;
    return n;
  }
  void PlaceExplosion(int k, float x, float y) {
    Explosion(k, 0) = 2;
    Explosion(k, 1) = x;
    Explosion(k, 2) = y;
    Explosion(k, 3) = 0;
    Explosion(k, 4) = 0;
  }
};

// --- the ship ---

TEST_F(XplodeTest, AStickNearTheCentreNeitherMovesTurnsNorFires) {
  Player(7) = 3;
  Push(0.125f, -0.125f);
  EXPECT_EQ(Player(1), 320);
  EXPECT_EQ(Player(2), 240);
  EXPECT_EQ(Player(5), 0);
  EXPECT_EQ(Player(7), 0) << "the cool-down is reset";
  EXPECT_EQ(FlyingShots(), 0);
  EXPECT_EQ(app->m_TmpG, 0);
}

TEST_F(XplodeTest, TheShipSlidesAlongTheEdgeOfItsCircle) {
  Player(1) = 320 + 127;
  Push(1, 0);
  EXPECT_EQ(Player(1), 320 + 128);
  EXPECT_EQ(Player(2), 240);
  Push(0, 1);
  EXPECT_FLOAT_EQ(std::hypot(Player(1) - 320, Player(2) - 240), 128);
  EXPECT_GT(Player(2), 240);
  EXPECT_LT(Player(1), 320 + 128);
}

TEST_F(XplodeTest, TheShipTurnsAtMostEightDegreesAnUpdate) {
  Push(0.5f, 0);
  EXPECT_EQ(Player(1), 321.5f);
  EXPECT_EQ(app->m_TmpR, 90);
  EXPECT_EQ(app->m_TmpE, 8);
  EXPECT_EQ(Player(5), 8);
  for (int i = 0; i < 11; ++i) Push(0.5f, 0);
  EXPECT_EQ(Player(5), 90) << "eleven more steps, the last one of 2";
  Push(0, -1);
  EXPECT_EQ(Player(5), 82);
  const std::vector<DrawnCommand> ship = Drawn(0, 34, 34);
  ASSERT_EQ(ship.size(), 1u);
  EXPECT_EQ(ship[0].rot, -82) << "drawn turned clockwise by its new heading";
  EXPECT_EQ(ship[0].sizeA, 0.5f);
}

// --- shots ---

TEST_F(XplodeTest, AShotLeavesEverySixthUpdateTheWayTheStickPoints) {
  Push(0, 1);
  ASSERT_EQ(Shot(50, 0), 1) << "the last free record";
  EXPECT_EQ(Shot(50, 5), 180);
  EXPECT_EQ(Player(7), 6);
  EXPECT_NEAR(Shot(50, 1), 320, 1e-4);
  EXPECT_EQ(Shot(50, 2), 243 + 16) << "moved once already";
  const std::vector<DrawnCommand> shots = Drawn(0, 6, 6);
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(shots[0].rot, -270);
  EXPECT_EQ(shots[0].sizeB, 0.2f);
  for (int i = 0; i < 5; ++i) Push(0, 1);
  EXPECT_EQ(FlyingShots(), 1);
  Push(0, 1);
  EXPECT_EQ(FlyingShots(), 2);
  EXPECT_EQ(Shot(49, 0), 1);
  for (int i = 0; i < 12; ++i) Push(0, 1);
  EXPECT_EQ(Shot(50, 0), 0) << "freed once more than 64 below the screen";
  EXPECT_EQ(FlyingShots(), 3);
}

TEST_F(XplodeTest, WithEveryShotInFlightNoneLeavesButTheCoolDownStarts) {
  for (int j = 0; j < 51; ++j) {
    Shot(j, 0) = 1;
    Shot(j, 1) = 10 * j;
    Shot(j, 2) = -10;
  }
  Push(1, 0);
  EXPECT_EQ(Player(7), 6);
  EXPECT_EQ(app->m_Loop, 51);
}

// --- explosions ---

TEST_F(XplodeTest, TheFirstExplosionComesFromBeyondTheEdgeTowardsTheCentre) {
  Player(51) = 0;
  zu_random_Seed = 1234;
  Release();
  // Worked out from seed 1234: kind 3; the sixth position drawn is outside the view by
  // more than 32; direction -142 (towards the centre at -140.67, plus -1.33); speed 4.40.
  ASSERT_EQ(Explosion(100, 0), 3) << "the last free record";
  EXPECT_FLOAT_EQ(Explosion(100, 1), 585.0216f);
  EXPECT_FLOAT_EQ(Explosion(100, 2), -83.401093f);
  EXPECT_NEAR(Explosion(100, 3), -2.7117914f, 1e-4);
  EXPECT_NEAR(Explosion(100, 4), 3.4709347f, 1e-4);
  EXPECT_EQ(Explosion(100, 5), 244);
  EXPECT_FLOAT_EQ(Explosion(100, 6), 4.8007393f);
  EXPECT_EQ(Player(51), 60);
  EXPECT_EQ(Player(52), 58);
  Release();
  EXPECT_FLOAT_EQ(Explosion(100, 5), 244 + 4.8007393f);
  const std::vector<DrawnCommand> drawn = Drawn(1, 26, 26);
  ASSERT_EQ(drawn.size(), 3u) << "the explosion and its two trailing copies";
  EXPECT_NEAR(drawn[0].x, 585.0216f - 2.7117914f, 1e-3);
  EXPECT_NEAR(drawn[1].x, 585.0216f + 3 * 2.7117914f, 1e-3) << "three steps behind where it was";
  EXPECT_EQ(drawn[2].x, 601) << "the trail point, whole units";
  EXPECT_EQ(drawn[2].sizeA, 1.5f);
}

TEST_F(XplodeTest, ExplosionsComeEverMoreOftenAndWaitForAFreeRecord) {
  Player(51) = 0;
  Player(52) = 9;
  Release();
  EXPECT_EQ(Player(52), 8);
  Player(51) = 0;
  Release();
  EXPECT_EQ(Player(52), 8) << "never below eight";
  for (int k = 0; k < 101; ++k) PlaceExplosion(k, 20, -100);
  Player(51) = 0;
  Release();
  Release();
  EXPECT_EQ(Player(51), -2) << "counting on below zero";
  EXPECT_EQ(app->m_TmpN, -1);
  Explosion(37, 0) = 0;
  Release();
  EXPECT_EQ(app->m_TmpN, 370);
  EXPECT_GE(Explosion(37, 0), 1);
  EXPECT_EQ(Player(51), 8);
}

TEST_F(XplodeTest, AnExplosionFarBeyondTheEdgeIsFreed) {
  PlaceExplosion(4, -139, 100);
  Explosion(4, 3) = -2;
  Release();
  EXPECT_EQ(Explosion(4, 0), 0);
  EXPECT_EQ(Drawn(1, 24, 27).size(), 0u);
}

TEST_F(XplodeTest, AShotDownExplosionScoresFiveAndBreaksUp) {
  Push(1, 0);  // a shot at x = 339, y = 240
  PlaceExplosion(9, 339 + 16 + 23, 250);
  const int seed = zu_random_Seed;
  Release();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Explosion(9, 0), 0);
  EXPECT_EQ(FlyingShots(), 0);
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8) + sounds->Count(9), 1);
  int debris = 0;
  for (int i = 0; i <= 250; ++i) debris += app->m_Particles[10 * i] == 1 ? 1 : 0;
  EXPECT_EQ(debris, 17);

  // The same with sound off draws the same random numbers.
  const int seedAfter = zu_random_Seed;
  app->p_LoadGame_Xplode();
  Player(51) = 1000;
  app->m_StarCount = -1;
  app->m_Options[5] = 0;
  Push(1, 0);
  PlaceExplosion(9, 339 + 16 + 23, 250);
  zu_random_Seed = seed;
  Release();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(zu_random_Seed, seedAfter);
}

TEST_F(XplodeTest, TwoShotsOnOneExplosionScoreItOnce) {
  Push(1, 0);  // a shot at x = 339, y = 240
  int first = -1;
  for (int j = 0; j < 51 && first < 0; ++j) first = Shot(j, 0) == 1 ? j : -1;
  ASSERT_GE(first, 0);
  const int second = first == 50 ? 0 : first + 1;
  for (int field = 0; field < 10; ++field) Shot(second, field) = Shot(first, field);
  PlaceExplosion(9, 339 + 16 + 23, 250);
  Release();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Explosion(9, 0), 0);
  EXPECT_EQ(FlyingShots(), 1) << "the second shot flies on";
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8) + sounds->Count(9), 1);
}

TEST_F(XplodeTest, AHitShipExplodesForThirtyNineUpdatesAndThenTheGameEnds) {
  PlaceExplosion(2, 320 + 23, 240 - 23);
  Release();
  EXPECT_EQ(Player(8), 1);
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_EQ(sounds->Count(12), 1);
  int sparks = 0;
  for (int i = 0; i <= 250; ++i) sparks += app->m_Particles[10 * i] == 1 ? 1 : 0;
  EXPECT_EQ(sparks, 32);
  Explosion(2, 0) = 0;
  for (int i = 0; i < 38; ++i) Push(1, 0);
  EXPECT_EQ(Player(8), 39);
  EXPECT_EQ(app->m_Dead, 0);
  EXPECT_EQ(Player(1), 320) << "a dead ship does not move";
  EXPECT_EQ(FlyingShots(), 0) << "nor fire";
  EXPECT_EQ(Drawn(0, 34, 34).size(), 0u);
  Release();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Player(8), 60);
}

// --- a whole play ---

TEST_F(XplodeTest, AScriptedPlayEndsTheSameWayEveryTime) {
  // The arrow keys aim at the nearest explosion, one axis only when the other is within 40.
  auto play = [this](int& updates) {
    app->m_KeyStickX = app->m_KeyStickY = 0;
    StartFromMenu();
    for (updates = 0; app->m_Dead == 0 && updates < 50000; ++updates) {
      float best = 1e9f, dx = 0, dy = 0;
      for (int k = 0; k < 101; ++k) {
        if (Explosion(k, 0) == 0) continue;
        const float ex = Explosion(k, 1) - Player(1), ey = Explosion(k, 2) - Player(2);
        if (ex * ex + ey * ey < best) {
          best = ex * ex + ey * ey;
          dx = ex;
          dy = ey;
        }
      }
      dx > 40 ? KeyDown(kRightArrow) : KeyUp(kRightArrow);
      dx < -40 ? KeyDown(kLeftArrow) : KeyUp(kLeftArrow);
      dy > 40 ? KeyDown(kDownArrow) : KeyUp(kDownArrow);
      dy < -40 ? KeyDown(kUpArrow) : KeyUp(kUpArrow);
      Update();
    }
    for (int key : {kRightArrow, kLeftArrow, kDownArrow, kUpArrow}) KeyUp(key);
    return app->m_Score;
  };
  int updates1 = 0, updates2 = 0;
  const int score1 = play(updates1);
  const int hits1 = sounds->Count(12);
  const int shotDown1 = sounds->Count(7) + sounds->Count(8) + sounds->Count(9) - 1;
  const int score2 = play(updates2);
  EXPECT_EQ(score1, score2);
  EXPECT_EQ(updates1, updates2);
  EXPECT_EQ(hits1, 1);
  EXPECT_EQ(score1, 5 * shotDown1) << "five for each explosion shot down";
  // The recorded outcome.
  EXPECT_EQ(score1, 70);
  EXPECT_EQ(updates1, 786);
}

}  // namespace
