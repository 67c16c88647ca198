// Umbrella: the start, the bursts of rain and their timing, drops falling, caught and
// splashing, the clouds, the umbrella's motion, the lives and the ground that fades with
// them, and a scripted play that ends the same way every time.
#include <vector>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kUmbrella = 21;
constexpr int kLeftArrow = 37;
constexpr int kRightArrow = 39;

class UmbrellaTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kUmbrella);
  }

  // A started game whose first burst is far off.
  void StartQuiet() {
    app->p_LoadGame_Umbrella();
    Player(49) = 100000;
  }
  float& Drop(int k, int field) { return app->m_Map[10 * k + field]; }
  void PlaceDrop(int k, float x, float y, float speed) {
    Drop(k, 0) = 1;
    Drop(k, 1) = x;
    Drop(k, 2) = y;
    Drop(k, 4) = speed;
  }
  // Alphas of the image commands for sprite n drawn at height y, and of rectangles at y.
  std::vector<float> AlphasAt(float image, int frame, float y) const {
    std::vector<float> alphas;
    for (int i = 0; i < app->m_DrawCount; i += 15) {
      const float* c = app->m_DrawList.begin() + i;
      if (c[0] == image && static_cast<int>(c[6]) == frame && c[2] == y) alphas.push_back(c[7]);
    }
    return alphas;
  }
  std::vector<int> SoundsPlayed() const {
    std::vector<int> numbers;
    for (const PlayedEffect& effect : sounds->played) numbers.push_back(effect.number);
    return numbers;
  }
};

bool IsThunder(int n) { return n >= 7 && n <= 9; }

// --- start and bursts ---

TEST_F(UmbrellaTest, SetUpPlacesUmbrellaAndCloudsAndFiveLives) {
  app->m_Mode = 11;
  app->p_LoadGame_Umbrella();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(1), 320);
  EXPECT_EQ(Player(11), 160);
  EXPECT_EQ(Player(21), 320);
  EXPECT_EQ(Player(31), 480);
  EXPECT_EQ(Player(49), 320);
  EXPECT_EQ(app->m_Lives, 5);
  for (int element : {3, 13, 23, 33, 50, 51, 52}) EXPECT_EQ(Player(element), 0) << element;
}

TEST_F(UmbrellaTest, ABurstThundersRumblesThriceThenRainsOneDropPerTick) {
  app->p_LoadGame_Umbrella();
  for (int i = 0; i < 320; ++i) app->p_Game_Umbrella();
  EXPECT_TRUE(sounds->played.empty());
  EXPECT_EQ(Player(49), 0);
  app->p_Game_Umbrella();  // update 321: the first tick
  EXPECT_EQ(app->m_TmpR, 1);
  EXPECT_EQ(Player(49), 30);
  const float drops = Player(50);
  EXPECT_TRUE(drops == 4 || drops == 6 || drops == 8) << drops;
  const int cloud = static_cast<int>(Player(51));
  EXPECT_TRUE(cloud >= 1 && cloud <= 3) << cloud;
  EXPECT_EQ(Player(52), 3);
  ASSERT_EQ(sounds->played.size(), 2u) << "thunder and the first rumble";
  EXPECT_TRUE(IsThunder(sounds->played[0].number) && IsThunder(sounds->played[1].number));
  EXPECT_EQ(sounds->played[0].volume, 1);

  for (int tick = 2; tick <= 3; ++tick) {
    for (int i = 0; i < 30; ++i) app->p_Game_Umbrella();
    EXPECT_EQ(app->m_TmpR, 0);
    app->p_Game_Umbrella();
    EXPECT_EQ(Player(52), 4 - tick);
    EXPECT_EQ(sounds->played.size(), static_cast<size_t>(tick + 1)) << "a rumble each tick";
  }
  for (int i = 0; i < 30; ++i) app->p_Game_Umbrella();
  const float cloudX = Player(10 * cloud + 1);
  app->p_Game_Umbrella();
  EXPECT_EQ(Player(52), 0);
  EXPECT_EQ(sounds->played.size(), 4u) << "no rumble with the first drop";
  EXPECT_EQ(Drop(30, 0), 1) << "the last free record";
  EXPECT_EQ(Drop(30, 1), cloudX);
  EXPECT_EQ(Drop(30, 2), 52);
  EXPECT_FLOAT_EQ(Drop(30, 4), 0.2f);
  EXPECT_EQ(Player(50), drops) << "the first drop spends none of the count";
}

TEST_F(UmbrellaTest, LaterTicksSpendTheBurstThenStartTheNext) {
  StartQuiet();
  Player(49) = 0;
  Player(50) = 1;
  Player(51) = 3;
  Player(52) = 0;
  app->p_Game_Umbrella();
  EXPECT_EQ(Player(50), 0);
  EXPECT_EQ(Drop(30, 0), 0) << "a spent burst drops nothing";
  Player(49) = 0;
  app->p_Game_Umbrella();
  EXPECT_EQ(Player(52), 3) << "the next burst has begun";
  EXPECT_EQ(sounds->played.size(), 2u);
}

TEST_F(UmbrellaTest, WithEveryDropFallingATickStartsNoDrop) {
  StartQuiet();
  for (int k = 0; k < 31; ++k) PlaceDrop(k, 5, -10000, 0);
  Player(49) = 0;
  Player(50) = 4;
  Player(51) = 1;
  app->p_Game_Umbrella();
  EXPECT_EQ(app->m_TmpN, -1);
  EXPECT_EQ(Player(50), 3) << "the burst still counts down";
  for (int k = 0; k < 31; ++k) ASSERT_EQ(Drop(k, 1), 5) << k;
}

// --- drops ---

TEST_F(UmbrellaTest, DropsFallFasterUpToFour) {
  StartQuiet();
  PlaceDrop(4, 100, 100, 3.97f);
  app->p_Game_Umbrella();
  EXPECT_FLOAT_EQ(Drop(4, 2), 103.97f);
  EXPECT_FLOAT_EQ(Drop(4, 4), 4.02f);
  app->p_Game_Umbrella();
  EXPECT_FLOAT_EQ(Drop(4, 2), 107.99f);
  EXPECT_FLOAT_EQ(Drop(4, 4), 4.02f);
  EXPECT_EQ(app->m_TmpN, 300) << "the last free record";
}

TEST_F(UmbrellaTest, TheUmbrellaCatchesDropsWithinItsReach) {
  StartQuiet();
  PlaceDrop(0, 343, 420, 1);   // 23 from the umbrella, inside the band 416..448
  PlaceDrop(1, 296.5f, 445, 1);
  PlaceDrop(2, 344, 420, 1);   // 24 away: missed
  PlaceDrop(3, 320, 415, 1);   // at 416, not below the band's top
  app->p_Game_Umbrella();
  EXPECT_EQ(app->m_Score, 2);
  EXPECT_EQ(Drop(0, 0), 0);
  EXPECT_EQ(Drop(1, 0), 0);
  EXPECT_EQ(Drop(2, 0), 1);
  EXPECT_EQ(Drop(3, 0), 1);
  EXPECT_EQ(sounds->Count(14), 2);
  EXPECT_EQ(Drawn(4, 47, 47).size(), 4u + 5u) << "caught drops are drawn once more";
}

TEST_F(UmbrellaTest, ADropOnTheGroundCostsALife) {
  StartQuiet();
  PlaceDrop(0, 100, 496, 0.5f);
  PlaceDrop(1, 100, 495, 1);  // exactly 496: still falling
  app->p_Game_Umbrella();
  EXPECT_EQ(app->m_Lives, 4);
  EXPECT_EQ(Drop(0, 0), 0);
  EXPECT_EQ(Drop(1, 0), 1);
  EXPECT_EQ(sounds->Count(5), 1);
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(UmbrellaTest, LostLivesFadeAndTheLastEndsThePlay) {
  StartQuiet();
  app->m_Lives = 2;
  app->p_Game_Umbrella();
  const std::vector<float> icons = AlphasAt(4, 47, 16);
  EXPECT_EQ(icons, (std::vector<float>{1, 1, 0.2f, 0.2f, 0.2f}));
  EXPECT_FLOAT_EQ(AlphasAt(ZU_DRAW_RECT, 0, 472).at(0), 0.7f);
  EXPECT_EQ(app->m_Dead, 0);
  app->m_Lives = 5;
  app->p_Game_Umbrella();
  EXPECT_FLOAT_EQ(AlphasAt(ZU_DRAW_RECT, 0, 472).at(0), 1.0f);
  PlaceDrop(0, 100, 500, 1);
  app->m_Lives = 1;
  app->p_Game_Umbrella();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_FLOAT_EQ(AlphasAt(ZU_DRAW_RECT, 0, 472).at(0), 0.5f);
}

// --- clouds and umbrella ---

TEST_F(UmbrellaTest, CloudsTurnBackFromTheEdgesAndTheRainingOneDarkens) {
  StartQuiet();
  Player(11) = 60;
  Player(13) = -1;
  Player(31) = 580;
  Player(33) = 1;
  Player(50) = 4;
  Player(51) = 2;
  app->p_Game_Umbrella();
  EXPECT_EQ(Player(11), 59);
  EXPECT_TRUE(Player(13) >= 0.5f && Player(13) < 2) << Player(13);
  EXPECT_EQ(Player(31), 581);
  EXPECT_TRUE(Player(33) <= -0.5f && Player(33) > -2) << Player(33);
  const std::vector<DrawnCommand> plain = Drawn(4, 35, 35);
  const std::vector<DrawnCommand> raining = Drawn(4, 36, 36);
  ASSERT_EQ(plain.size(), 2u);
  ASSERT_EQ(raining.size(), 1u);
  EXPECT_EQ(raining[0].x, Player(21));
  EXPECT_EQ(raining[0].y, 42);
}

TEST_F(UmbrellaTest, TheUmbrellaStopsAtTheEdgeButKeepsItsSpeed) {
  StartQuiet();
  Player(1) = 605;
  Player(3) = 7.5f;
  app->m_KeyStickX = 0.85f;  // a right key held for a while: the stick is at 1
  KeyDown(kRightArrow);
  app->p_Game_Umbrella();
  EXPECT_EQ(Player(1), 608);
  EXPECT_EQ(Player(3), 7.5f);
  KeyUp(kRightArrow);
  app->m_KeyStickX = 0;
  app->p_Game_Umbrella();
  EXPECT_EQ(Player(1), 608);
  EXPECT_FLOAT_EQ(Player(3), 6.7f) << "braking without a steer";
  Player(3) = -0.5f;
  app->p_Game_Umbrella();
  EXPECT_EQ(Player(3), 0) << "braking stops at 0";
  const std::vector<DrawnCommand> umbrella = Drawn(4, 46, 46);
  ASSERT_EQ(umbrella.size(), 1u);
  EXPECT_EQ(umbrella[0].y, 440);
}

// --- a whole play ---

class UmbrellaPlayTest : public UmbrellaTest {
 protected:
  // From seed 1234: steer towards the lowest falling drop, and stop within 8 of it.
  int Play(int& updates) {
    zu_random_Seed = 1234;
    app->m_Mode = 11;
    app->m_KeyStickX = 0;
    Update();
    sounds->played.clear();
    updates = 0;
    int held = 0;
    while (app->m_Dead == 0 && updates < 100000) {
      float lowest = -1, target = 0;
      for (int k = 0; k < 31; ++k) {
        if (Drop(k, 0) != 0 && Drop(k, 2) > lowest) {
          lowest = Drop(k, 2);
          target = Drop(k, 1);
        }
      }
      int wanted = 0;
      if (lowest >= 0 && target > Player(1) + 8) wanted = kRightArrow;
      if (lowest >= 0 && target < Player(1) - 8) wanted = kLeftArrow;
      if (wanted != held) {
        if (held != 0) KeyUp(held);
        if (wanted != 0) KeyDown(wanted);
        held = wanted;
      }
      Update();
      ++updates;
    }
    if (held != 0) KeyUp(held);
    return app->m_Score;
  }
};

TEST_F(UmbrellaPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int updates = 0;
  const int score = Play(updates);
  int updates2 = 0;
  EXPECT_EQ(Play(updates2), score);
  EXPECT_EQ(updates2, updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(app->m_Lives, 0);
  EXPECT_EQ(sounds->Count(5), 5);
  EXPECT_EQ(sounds->Count(14), score) << "a catch sound for every point";
  EXPECT_EQ(score, 25);
  EXPECT_EQ(updates, 1832);
}

}  // namespace
