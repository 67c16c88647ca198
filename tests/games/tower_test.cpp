// Tower: the logs sliding in and being picked up, walking, throwing once per press, logs
// knocking blobs off for growing points, blobs spawning (forced and random), a blob on the
// top knocking the player off, the fall that ends the game, and a scripted play.
#include <cmath>
#include <vector>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kTower = 20;
constexpr int kSpace = 32;
constexpr int kLeft = 37, kRight = 39;
constexpr float kUnit = 640.0f / 12.0f;
constexpr float kTop = 186.0f;  // Int(480 - 5.5 units)

class TowerTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kTower);
  }

  float& Log(int slot, int field) { return app->m_Map[10 * slot + field]; }
  float& Blob(int k, int field) { return app->m_Map[1000 + 10 * k + field]; }

  // A started game without stars (so the generator is drawn by the game's rules alone),
  // both logs resting at the ends and no forced blob for a long time.
  void StartQuietly() {
    app->p_LoadGame_Tower();
    app->m_StarCount = -1;
    Player(12) = Player(13) = 1;
    Player(20) = 10000;
  }

  void PutBlob(int k, float x, float y, float speedY) {
    Blob(k, 0) = 1;
    Blob(k, 1) = x;
    Blob(k, 2) = y;
    Blob(k, 4) = speedY;
  }
};

// --- logs at the ends ---

TEST_F(TowerTest, TheLeftLogComesToRestFirstAndIsPickedUpAtTheEnd) {
  app->m_Mode = 11;
  app->p_LoadGame_Tower();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(12), 6) << "starting two steps along";
  EXPECT_EQ(Player(13), 8);
  app->p_Game_Tower();
  const std::vector<DrawnCommand> logs = Drawn(5, 59, 59);
  ASSERT_EQ(logs.size(), 2u);
  EXPECT_FLOAT_EQ(logs[0].x, -4 * kUnit) << "2.5 - 6 units, less half a unit";
  EXPECT_FLOAT_EQ(logs[0].y, kTop + 0.4f * kUnit);
  EXPECT_FLOAT_EQ(logs[1].x, 18 * kUnit);
  EXPECT_FLOAT_EQ(logs[0].sizeA, kUnit / 32);
  for (int i = 1; i < 51; ++i) app->p_Game_Tower();
  EXPECT_EQ(Player(12), 1) << "at rest after 51 updates";
  EXPECT_GT(Player(13), 1);
  for (int i = 51; i < 71; ++i) app->p_Game_Tower();
  EXPECT_EQ(Player(13), 1);

  Player(1) = 1.4f;
  app->p_Game_Tower();
  EXPECT_EQ(Player(12), 0);
  EXPECT_EQ(Player(15), 1);
  EXPECT_EQ(sounds->Count(13), 1);
  Player(1) = 10.6f;
  app->p_Game_Tower();
  EXPECT_EQ(Player(13), 1) << "one log at a time: the other stays where it lies";
  EXPECT_EQ(sounds->Count(13), 1);
}

TEST_F(TowerTest, AnEmptyEndGetsANewLogOneTimeInSixty) {
  StartQuietly();
  Player(12) = 0;
  zu_random_Seed = 1234;  // 0.714: no log
  app->p_Game_Tower();
  EXPECT_EQ(Player(12), 0);
  // The state before 0x00010000, whose number 2^-16 is below 1/60.
  zu_random_Seed = 2124091365;
  app->p_Game_Tower();
  EXPECT_FLOAT_EQ(Player(12), 7.9f) << "drawn at 8 and slid once";
}

// --- walking and throwing ---

TEST_F(TowerTest, ThePlayerWalksWithTheStickAndSlowerWhileCarrying) {
  app->m_Mode = 11;
  Update();
  KeyDown(kRight);
  Update();
  EXPECT_FLOAT_EQ(Player(1), 5.015f);
  EXPECT_EQ(Player(5), 0) << "a stick of 0.15 does not turn the player";
  Update();
  EXPECT_FLOAT_EQ(Player(1), 5.045f);
  EXPECT_EQ(Player(5), 1);
  Player(15) = 1;
  Update();
  EXPECT_FLOAT_EQ(Player(1), 5.045f + 0.075f * 0.45f);
  Player(1) = 11.2f;
  for (int i = 0; i < 5; ++i) Update();
  EXPECT_EQ(Player(1), 11.25f);
  KeyUp(kRight);
  KeyDown(kLeft);
  for (int i = 0; i < 12; ++i) Update();
  const std::vector<DrawnCommand> side = Drawn(5, 51, 51);
  ASSERT_EQ(side.size(), 1u);
  EXPECT_FLOAT_EQ(side[0].sizeA, -kUnit / 32) << "mirrored when facing left";
}

TEST_F(TowerTest, AThrowNeedsTheControlReleasedAndPressedAgain) {
  app->m_Mode = 11;
  Update();
  Player(15) = 1;
  Player(16) = 19;
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(15), 0);
  EXPECT_EQ(Player(16), 0) << "slots cycle through 0..19";
  EXPECT_EQ(Log(0, 0), 1);
  EXPECT_FLOAT_EQ(Log(0, 1), 5.5f);
  EXPECT_FLOAT_EQ(Log(0, 2), 0.3f - 0.1f) << "thrown at y 0.3 and moved once";
  EXPECT_FLOAT_EQ(Log(0, 4), -0.09f);
  EXPECT_GE(Log(0, 6), -8);
  EXPECT_LT(Log(0, 6), 8);
  EXPECT_EQ(sounds->Count(5), 1);
  Player(15) = 1;
  Update();
  Update();
  EXPECT_EQ(Player(15), 1) << "still held";
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(15), 0);
  EXPECT_EQ(Player(16), 1);
  EXPECT_EQ(sounds->Count(5), 2);
}

TEST_F(TowerTest, AnUnbouncedLogFallsStraightAndIsFreedBelowTheScreen) {
  StartQuietly();
  Log(3, 0) = 1;
  Log(3, 1) = 4;
  Log(3, 4) = 0.15f;
  Log(3, 6) = 2;
  app->p_Game_Tower();
  EXPECT_FLOAT_EQ(Log(3, 2), 0.15f);
  EXPECT_FLOAT_EQ(Log(3, 4), 0.16f);
  const std::vector<DrawnCommand> flying = Drawn(5, 59, 59);
  ASSERT_EQ(flying.size(), 3u) << "two resting at the ends and the flying one";
  EXPECT_EQ(flying[2].rot, -2);
  int updates = 1;
  while (Log(3, 0) == 1 && updates < 100) {
    app->p_Game_Tower();
    ++updates;
  }
  EXPECT_EQ(Log(3, 1), 4);
  EXPECT_GT(kTop + kUnit * Log(3, 2), 544);
  EXPECT_EQ(updates, 35);
}

// --- blobs ---

TEST_F(TowerTest, ALogKnockingOffThreeBlobsInTurnScoresFiveTwentyAndFortyFive) {
  StartQuietly();
  Log(0, 0) = 1;
  Log(0, 1) = 5;
  Log(0, 2) = 3;
  for (int k = 0; k < 3; ++k) PutBlob(k, 5.1f, 3, 0);
  app->p_Game_Tower();
  EXPECT_EQ(app->m_Score, 70);
  EXPECT_EQ(Log(0, 9), 3);
  std::vector<float> shown;
  for (int i = 250; i >= 0; --i) {
    const float* p = app->m_Particles.begin() + 10 * i;
    if (p[0] == 99) shown.push_back(p[9]);
  }
  EXPECT_EQ(shown, (std::vector<float>{5, 20, 45}));
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Blob(k, 9), 1) << k;
    EXPECT_NEAR(Blob(k, 3), 0.04f, 1e-5f) << "away from the log";
  }
  EXPECT_NEAR(Log(0, 3), -0.04f, 1e-5f) << "and the log bounces the other way";
  EXPECT_EQ(Log(0, 4), -0.2f);
  EXPECT_EQ(sounds->Count(10), 3);
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8) + sounds->Count(9), 3);
  int debris = 0;
  for (int i = 0; i <= 250; ++i) debris += app->m_Particles[10 * i] == 2 ? 1 : 0;
  EXPECT_EQ(debris, 21);
  EXPECT_EQ(Drawn(5, 54, 54).size(), 3u) << "drawn climbing in the update they are hit";
  EXPECT_TRUE(Drawn(5, 55, 55).empty());
}

TEST_F(TowerTest, ABlobOnTheTopKnocksThePlayerOffAndTheFallEndsTheGame) {
  StartQuietly();
  PutBlob(4, 6.5f, 0.3f, -0.2f);
  app->p_Game_Tower();
  EXPECT_FLOAT_EQ(Blob(4, 2), 0.2f);
  EXPECT_FLOAT_EQ(Blob(4, 1), 6.48f) << "creeping towards the player";
  EXPECT_EQ(Player(10), 0);
  Player(1) = 5.8f;
  app->p_Game_Tower();
  EXPECT_EQ(Player(10), 1);
  EXPECT_EQ(sounds->Count(12), 1);
  EXPECT_FLOAT_EQ(Player(4), -0.28f);
  EXPECT_EQ(Player(5), 5) << "tumbling";
  int updates = 1;
  while (app->m_Dead == 0 && updates < 200) {
    app->p_Game_Tower();
    ++updates;
  }
  EXPECT_EQ(updates, 51);
  EXPECT_EQ(sounds->Count(12), 1);
}

TEST_F(TowerTest, AForcedBlobClimbsFromTheFootOfTheWall) {
  StartQuietly();
  Player(20) = 0;
  // From seed 1234: record 13, roll 124 (no chance blob), kind 3.
  zu_random_Seed = 1234;
  app->p_Game_Tower();
  EXPECT_EQ(app->m_Loop, 13);
  EXPECT_EQ(app->m_TmpQ, 124);
  EXPECT_EQ(Blob(13, 0), 3);
  EXPECT_FLOAT_EQ(Blob(13, 1), 4.614562f);
  EXPECT_EQ(Blob(13, 2), 6);
  EXPECT_FLOAT_EQ(Blob(13, 4), -0.0170516f);
  EXPECT_EQ(Player(21), 284);
  EXPECT_EQ(Player(20), 284);
  EXPECT_EQ(zu_random_Seed, -844221107);
}

TEST_F(TowerTest, AForcedBlobWaitsForAFreeRecord) {
  StartQuietly();
  for (int k = 0; k < 19; ++k) PutBlob(k, 3, 6, 0);
  Player(20) = 0;
  Player(21) = 100;
  for (int i = 0; i < 5; ++i) app->p_Game_Tower();
  EXPECT_EQ(Player(20), -5);
  Blob(7, 0) = 0;
  int updates = 0;
  while (Blob(7, 0) == 0 && updates < 1000) {
    app->p_Game_Tower();
    ++updates;
  }
  EXPECT_GT(Blob(7, 0), 0);
  EXPECT_EQ(Player(21), 90) << "never sooner than every 90 updates";
  EXPECT_EQ(Player(20), 90);
}

// --- a whole play ---

// From seed 1234: fetch a resting log from the nearer end, carry it over the blob nearest
// the top and throw it there; after 4000 updates stand still in the middle.
class TowerPlayTest : public TowerTest {
 protected:
  int PlayScripted() {
    zu_random_Seed = 1234;
    app->m_KeyStickX = 0;  // nothing left over from an earlier play
    app->m_Mode = 11;
    Update();
    sounds->played.clear();
    int updates = 0, held = 0;
    bool fire = false;
    while (app->m_Dead == 0 && updates < 50000) {
      float target = 5.5f;
      bool throwNow = false;
      if (updates < 4000) {
        if (Player(15) == 0) {
          if (Player(12) == 1 && (Player(13) != 1 || Player(1) < 6)) target = 1;
          if (Player(13) == 1 && (Player(12) != 1 || Player(1) >= 6)) target = 11;
        } else {
          float nearest = 100;
          for (int k = 0; k < 21; ++k) {
            if (Blob(k, 0) > 0 && Blob(k, 9) == 0 && Blob(k, 2) < nearest) {
              nearest = Blob(k, 2);
              target = Blob(k, 1) - 0.5f;
            }
          }
          throwNow = nearest < 100 && std::fabs(Player(1) - target) < 0.3f;
        }
      }
      const int wanted = std::fabs(Player(1) - target) < 0.2f ? 0 : Player(1) < target ? kRight : kLeft;
      if (wanted != held) {
        if (held != 0) KeyUp(held);
        if (wanted != 0) KeyDown(wanted);
        held = wanted;
      }
      const bool press = throwNow && !fire;
      if (press != fire) press ? KeyDown(kSpace) : KeyUp(kSpace);
      fire = press;
      Update();
      ++updates;
    }
    if (held != 0) KeyUp(held);
    if (fire) KeyUp(kSpace);
    return updates;
  }
};

TEST_F(TowerPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  const int updates = PlayScripted();
  const int score = app->m_Score;
  EXPECT_EQ(sounds->Count(12), 1) << "knocked off once";
  EXPECT_EQ(PlayScripted(), updates);
  EXPECT_EQ(app->m_Score, score);
  // The recorded outcome of this play.
  EXPECT_EQ(score, 175);
  EXPECT_EQ(updates, 3314) << "overrun by blobs while still fetching logs";
}

}  // namespace
