// Golfing: the hole placement from the generator, the swinging meter, the stroke, the ball's
// flight and where it lands, the messages that spend strokes or score the hole, the end of
// the play, and a scripted play that ends the same way every time.
#include <string>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kGolfing = 7;
constexpr int kSpace = 32;
constexpr int kLeftArrow = 37;
constexpr int kRightArrow = 39;
constexpr float kGround = 414;  // 480 - 66, the ball's resting height
// The bonus shown is drawn at y 90 at scale 2 with vertical alignment 0.75: its glyphs'
// line is 2.5 lower.
constexpr float kBonusLine = 92.5f;

class GolfingTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kGolfing);
  }

  // A started game with the ball in flight at (x, y) and the hazards and hole far away.
  void StartFlying(float x, float y, float vx, float vy) {
    app->p_LoadGame_Golfing();
    Player(1) = x;
    Player(2) = y;
    Player(3) = vx;
    Player(4) = vy;
    Player(7) = 1;
    Player(11) = Player(12) = Player(13) = 5000;
  }
  // The characters of the font drawn on the line at y.
  std::string TextAt(float y) const {
    std::string text;
    for (const DrawnCommand& glyph : Drawn(90)) {
      if (glyph.y == y) text += static_cast<char>(glyph.frame + 32);
    }
    return text;
  }
  // A started game showing the message of `state` on its last update.
  void StartMessage(float state) {
    app->p_LoadGame_Golfing();
    Player(7) = state;
    Player(17) = 0;
  }
};

// --- a new hole ---

TEST_F(GolfingTest, SetUpPlacesTheFirstHoleFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Golfing();
  EXPECT_EQ(app->m_Mode, 10);
  // From seed 1234 after the fresh start's 606 star draws.
  EXPECT_FLOAT_EQ(Player(5), 0.69803953f);
  EXPECT_FLOAT_EQ(Player(6), 1.8011622f);
  EXPECT_EQ(Player(11), 390);
  EXPECT_EQ(Player(12), 146);
  EXPECT_EQ(Player(13), 510);
  EXPECT_EQ(Player(1), 32);
  EXPECT_EQ(Player(2), kGround);
  EXPECT_EQ(Player(8), 32);
  EXPECT_EQ(Player(9), 1) << "facing the centre";
  EXPECT_EQ(Player(10), 4) << "three strokes and one for the hole";
  EXPECT_EQ(Player(50), 100);
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(app->m_KeyLatch, 1);
}

TEST_F(GolfingTest, PlacesTooCloseAreDrawnAgainAndStrokesStopAtSeven) {
  zu_random_Seed = 1234;
  Player(1) = 300;
  app->p_Get_Golfing();
  // Draws 0.714 0.207 | hole 432 | water 236 (exactly 64 from the ball: not more), 485 (53
  // from the hole), 209 | sand 180 (29 from the water), 142.
  EXPECT_FLOAT_EQ(Player(5), 257.15076f);
  EXPECT_FLOAT_EQ(Player(6), 1.0484157f);
  EXPECT_EQ(Player(11), 432);
  EXPECT_EQ(Player(12), 209);
  EXPECT_EQ(Player(13), 142);
  EXPECT_EQ(Player(9), 1);
  EXPECT_EQ(Player(8), 300);

  zu_random_Seed = 1234;
  Player(1) = 400;
  Player(10) = 7;
  app->p_Get_Golfing();
  // The same draws: hole 432 is 32 from the ball, 251; water 485; sand 209 and 180 are
  // within 96 of the hole, 142.
  EXPECT_EQ(Player(11), 251);
  EXPECT_EQ(Player(12), 485);
  EXPECT_EQ(Player(13), 142);
  EXPECT_EQ(Player(9), -1) << "beyond the centre, facing left";
  EXPECT_EQ(Player(10), 7);
}

TEST_F(GolfingTest, AScreenTooNarrowForTheGapsStillGetsAHole) {
  // 200 wide: no hole place is more than 64 from a ball in the middle; the redrawing gives
  // up after 10000 draws for each of the three places and keeps the last one.
  zu_Quor_jscrw = 200;
  Player(1) = 100;
  app->p_Get_Golfing();
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(Player(10), 1);
  EXPECT_GE(Player(11), 96);
  EXPECT_LE(Player(11), 104);
}

// --- meter and stroke ---

TEST_F(GolfingTest, TheMeterSwingsBetweenZeroAndTwoHundred) {
  app->p_LoadGame_Golfing();
  Player(5) = 360;  // a first value above the top
  Player(6) = 1.5f;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(5), 200);
  EXPECT_EQ(Player(6), -1.5f);
  app->p_Game_Golfing();
  EXPECT_EQ(Player(5), 192.5f);
  Player(5) = 2;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(5), 0);
  EXPECT_EQ(Player(6), 1.5f);
}

TEST_F(GolfingTest, FireStrikesOncePerPressWithThePowerShown) {
  app->p_LoadGame_Golfing();
  app->m_KeyLatch = 0;
  Player(8) = Player(1) = 400;
  Player(5) = 150.4f;
  Player(6) = 0.02f;  // the meter reads 150.5 when the stroke is made
  KeyDown(kLeftArrow);
  KeyDown(kSpace);
  app->p_Game_Golfing();
  EXPECT_EQ(Player(9), -1);
  EXPECT_EQ(Player(7), 1);
  // 2 x (150 + 120) to the left and 270 up, and the flight's first step in the same update.
  EXPECT_EQ(Player(3), -539.5f);
  EXPECT_EQ(Player(4), -262);
  EXPECT_FLOAT_EQ(Player(1), 394.6f);
  EXPECT_EQ(Player(2), kGround - 9);
  EXPECT_EQ(sounds->Count(4), 1);
  EXPECT_EQ(app->m_KeyLatch, 1);
  // The power bar stood on the left (the tee is right of the centre): black, then yellow.
  const std::vector<DrawnCommand> bars = Drawn(ZU_DRAW_RECT);
  ASSERT_EQ(bars.size(), 3u);  // the fairway and the two bars
  EXPECT_EQ(bars[1].x, 32);
  EXPECT_EQ(bars[1].y, 223);
  EXPECT_EQ(bars[2].x, 33);
  EXPECT_EQ(bars[2].y, 480 - 206);
  EXPECT_EQ(bars[2].sizeB, 150);
}

TEST_F(GolfingTest, TheGolferFacesAndSwingsAtTheTee) {
  app->p_LoadGame_Golfing();
  Player(8) = 300;
  Player(9) = -1;
  app->p_Game_Golfing();
  std::vector<DrawnCommand> golfer = Drawn(1, 48, 49);
  ASSERT_EQ(golfer.size(), 1u);
  EXPECT_EQ(golfer[0].frame, 48);
  EXPECT_EQ(golfer[0].x, 309);
  EXPECT_EQ(golfer[0].y, 416);
  EXPECT_EQ(golfer[0].sizeA, -1) << "mirrored";
  Player(9) = 1;
  Player(7) = 10;
  Player(17) = 50;
  app->p_Game_Golfing();
  golfer = Drawn(1, 48, 49);
  ASSERT_EQ(golfer.size(), 1u);
  EXPECT_EQ(golfer[0].frame, 49);
  EXPECT_EQ(golfer[0].x, 291);
  EXPECT_EQ(golfer[0].sizeA, 1);
}

// --- flight and landing ---

TEST_F(GolfingTest, AFlyingBallRisesFallsAndSlows) {
  StartFlying(100, 300, 540, -270);
  app->p_Game_Golfing();
  EXPECT_FLOAT_EQ(Player(1), 105.4f);
  EXPECT_FLOAT_EQ(Player(2), 291);
  EXPECT_EQ(Player(4), -262);
  EXPECT_EQ(Player(3), 539.5f);
  EXPECT_EQ(Player(7), 1);
}

TEST_F(GolfingTest, TouchingTheGroundBouncesAndBrakes) {
  StartFlying(200, 413.9f, 100, 30);
  app->p_Game_Golfing();
  EXPECT_EQ(Player(1), 201);
  EXPECT_EQ(Player(2), kGround);
  EXPECT_FLOAT_EQ(Player(4), 0.1f);
  EXPECT_EQ(Player(3), 87) << "0.5 in the air and 12.5 on the ground";
  EXPECT_EQ(Player(7), 1);
  // Rolling loses 13 a time; below 0.1 the ball stops on the fairway.
  Player(3) = 13.05f;
  app->p_Game_Golfing();
  EXPECT_NEAR(Player(3), 0.05f, 1e-5f);
  EXPECT_EQ(Player(7), 10);
  EXPECT_EQ(Player(17), 119) << "120, and this update's message counted once";
}

TEST_F(GolfingTest, LandingNearTheSandTheWaterOrTheHoleEndsTheFlight) {
  StartFlying(200, 413.9f, 100, 30);
  Player(13) = 214.9f;  // 13.9 from where it lands
  app->p_Game_Golfing();
  EXPECT_EQ(Player(7), 13);
  EXPECT_FLOAT_EQ(Player(3), 17.4f);
  EXPECT_EQ(sounds->Count(9), 1);

  StartFlying(200, 413.9f, 100, 30);
  Player(13) = 215;  // 14 away is not within 14
  Player(12) = 188;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(7), 12);
  EXPECT_EQ(Player(3), 0);
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_EQ(sounds->Count(15), 1);

  // Sand and hole both within reach: the hole, tested later, decides.
  StartFlying(200, 413.9f, 100, 30);
  Player(13) = 210;
  Player(11) = 196;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(7), 11);
  EXPECT_EQ(Player(1), 196);
  EXPECT_EQ(Player(3), 0);
  EXPECT_EQ(Player(17), 179);
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(sounds->Count(8), 1);
}

TEST_F(GolfingTest, WallsTurnTheBallBack) {
  StartFlying(10, 200, -500, 0);
  app->p_Game_Golfing();
  EXPECT_EQ(Player(1), 8);
  EXPECT_EQ(Player(3), 499.5f);
  StartFlying(630, 200, 500, 0);
  app->p_Game_Golfing();
  EXPECT_EQ(Player(1), 632);
  EXPECT_EQ(Player(3), -499.5f);
}

// --- messages, scoring and the end ---

TEST_F(GolfingTest, WaterSendsTheBallBackToTheTeeForTwoStrokes) {
  StartMessage(12);
  Player(8) = 90;
  Player(1) = 300;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(Player(1), 90);
  EXPECT_EQ(Player(8), 90);
  EXPECT_EQ(Player(10), 2);
  EXPECT_EQ(Player(50), 70);
  EXPECT_EQ(TextAt(kBonusLine), "70");
}

TEST_F(GolfingTest, SandAndFairwayPlayOnFromTheBall) {
  StartMessage(13);
  Player(1) = 300;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(8), 300);
  EXPECT_EQ(Player(10), 3);
  EXPECT_EQ(Player(50), 80);
  Player(7) = 10;
  Player(17) = 0;
  Player(1) = 350;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(8), 350);
  EXPECT_EQ(Player(10), 2);
  EXPECT_EQ(Player(50), 70);
  EXPECT_EQ(app->m_Score, 0);
}

TEST_F(GolfingTest, AHoleInOneScores250AndAddsAStroke) {
  StartMessage(11);
  app->p_Game_Golfing();
  EXPECT_EQ(app->m_Score, 250);
  EXPECT_EQ(Player(10), 5);
  EXPECT_EQ(Player(50), 100);
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(TextAt(kBonusLine), "250") << "a hole in one would pay 250";
  // A costly hole still pays 10.
  Player(7) = 11;
  Player(17) = 0;
  Player(50) = -20;
  app->p_Game_Golfing();
  EXPECT_EQ(app->m_Score, 260);
  EXPECT_EQ(Player(10), 6);
}

TEST_F(GolfingTest, TheLastStrokeSpentEndsThePlay) {
  StartMessage(12);
  Player(10) = 1;
  app->p_Game_Golfing();
  EXPECT_EQ(Player(10), 0);
  EXPECT_EQ(app->m_Dead, 1);
  // Without strokes nothing can be struck.
  app->m_KeyLatch = 0;
  KeyDown(kSpace);
  app->p_Game_Golfing();
  EXPECT_EQ(Player(7), 0);
  EXPECT_EQ(sounds->Count(4), 0);
}

// --- a whole play ---

// From seed 1234: on every update the latch allows, face the hole and strike (the arrow is
// pressed only with the stroke, so that the latch clears in between), until the strokes
// run out.
class GolfingPlayTest : public GolfingTest {
 protected:
  int Play(int& updates, int& holes) {
    zu_random_Seed = 1234;
    app->m_Mode = 11;
    Update();
    updates = holes = 0;
    while (app->m_Dead == 0 && updates < 20000) {
      const int arrow = Player(11) < Player(1) ? kLeftArrow : kRightArrow;
      const bool strike = Player(7) == 0 && app->m_KeyLatch == 0;
      if (strike) {
        KeyDown(arrow);
        KeyDown(kSpace);
      }
      const float strokes = Player(10);
      Update();
      if (strike) {
        KeyUp(arrow);
        KeyUp(kSpace);
      }
      if (Player(10) > strokes) ++holes;
      ++updates;
    }
    return app->m_Score;
  }
};

TEST_F(GolfingPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int updates = 0, holes = 0;
  const int score = Play(updates, holes);
  int updates2 = 0, holes2 = 0;
  EXPECT_EQ(Play(updates2, holes2), score);
  EXPECT_EQ(updates2, updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Player(10), 0);
  EXPECT_EQ(holes, 5);
  EXPECT_EQ(updates, 2874);
  EXPECT_EQ(score, 890) << updates << " " << holes;
}

}  // namespace
