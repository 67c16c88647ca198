// The art tier, the file names of each tier, the loader's 45 steps and the loading screen.
#include "framework/input.h"
#include "shell/quor.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kFloatsPerCommand = 15;

class LoaderTest : public ShellTest {
 protected:
  void SetDevice(int width, int height) {
    host.width = width;
    host.height = height;
    zu_app_ValidateDeviceWindow(false);
  }
  float At(int command, int element) const {
    return app->m_DrawList[command * kFloatsPerCommand + element];
  }
  int Commands() const { return app->m_DrawCount / kFloatsPerCommand; }
  void ExpectImageInfo(int index, int width, int height, int frames) {
    EXPECT_EQ(app->m_ImgInfo[3 * index], width) << "image " << index;
    EXPECT_EQ(app->m_ImgInfo[3 * index + 1], height) << "image " << index;
    EXPECT_EQ(app->m_ImgInfo[3 * index + 2], frames) << "image " << index;
  }
};

struct TierCase {
  int width;
  int height;
  int res;
  float scale;
};

class ArtTierTest : public LoaderTest, public ::testing::WithParamInterface<TierCase> {};

TEST_P(ArtTierTest, TheLargerSideOfTheDeviceChoosesTheTier) {
  const TierCase c = GetParam();
  SetDevice(c.width, c.height);
  app->p_ChooseArtTier();
  EXPECT_EQ(app->m_ImgRes, c.res);
  EXPECT_FLOAT_EQ(app->m_ImgScale, c.scale);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ArtTierTest,
                         ::testing::Values(TierCase{630, 400, 1, 1.0f},
                                           TierCase{631, 400, 2, 0.5f},
                                           TierCase{1230, 700, 2, 0.5f},
                                           TierCase{1231, 700, 4, 0.25f},
                                           TierCase{480, 640, 2, 0.5f},
                                           TierCase{640, 480, 2, 0.5f},
                                           TierCase{1280, 720, 4, 0.25f}));

TEST_F(LoaderTest, EachTierAddsItsSuffixToTheFileName) {
  app->m_ImgRes = 1;
  EXPECT_EQ(app->p_ArtFile(String("common/ToviLogo")), String("common/ToviLogo.png"));
  app->m_ImgRes = 2;
  EXPECT_EQ(app->p_ArtFile(String("common/ToviLogo")), String("common/ToviLogo-hd.png"));
  app->m_ImgRes = 4;
  EXPECT_EQ(app->p_ArtFile(String("sprt_3")), String("sprt_3-hd2.png"));
}

TEST_F(LoaderTest, ReloadLoadsLogoAndFontAtOnceAndRestartsAtStepOne) {
  SetDevice(1024, 768);
  app->m_ClsR = 9;
  app->p_Reload();
  EXPECT_EQ(app->m_ReloadPending, 1);
  EXPECT_EQ(app->m_ClsR, 0);
  EXPECT_EQ(app->m_ClsA, 1);
  EXPECT_EQ(app->m_ImgRes, 2);
  // Image sizes are art pixels of the tier; the font keeps its advance and line height.
  ExpectImageInfo(93, 512, 512, 1);
  ExpectImageInfo(90, 7, 10, 128);
  EXPECT_EQ(app->m_Font, 90);
}

TEST_F(LoaderTest, AMissingImageLeavesItsSlotEmptyButRecordsItsSize) {
  app->m_ImgRes = 4;
  app->p_LoadImg(12, String("no/such/picture"), 20, 10, 3, 1);
  EXPECT_EQ(app->m_Images[12], nullptr);
  ExpectImageInfo(12, 80, 40, 3);
}

TEST_F(LoaderTest, FortyFiveStepsWithTheJingleAtStepFour) {
  SetDevice(600, 400);  // tier 1: sizes as given
  app->p_OnCreate();
  ASSERT_EQ(app->m_ReloadPending, 1);
  ASSERT_EQ(app->m_Options[5], 1);
  const int channelBefore = app->m_NextChannel;
  for (int step = 1; step <= 44; ++step) {
    Update();
    EXPECT_EQ(app->m_ReloadPending, step + 1) << "after step " << step;
    EXPECT_EQ(app->m_JinglePlayed, step >= 4 ? 1 : 0) << "after step " << step;
    // The jingle is the only effect played while loading.
    EXPECT_EQ(app->m_NextChannel, step >= 4 ? channelBefore + 1 : channelBefore);
  }
  Update();
  EXPECT_EQ(app->m_ReloadPending, 0);
  EXPECT_EQ(app->m_Mode, 1);

  ExpectImageInfo(97, 32, 32, 16);
  ExpectImageInfo(98, 256, 128, 1);
  ExpectImageInfo(96, 8, 8, 256);
  ExpectImageInfo(71, 128, 32, 16);
  for (int sheet = 0; sheet <= 5; ++sheet) ExpectImageInfo(sheet, 40, 40, 64);
}

TEST_F(LoaderTest, ModesWaitWhileLoadingAndResumeAfterwards) {
  app->p_OnCreate();
  // Mode 2 hands back to the menu the first time it runs.
  app->m_Mode = 2;
  for (int i = 0; i < 45; ++i) {
    Update();
    ASSERT_EQ(app->m_Mode, 2) << "update " << i + 1;
  }
  Update();
  EXPECT_EQ(app->m_Mode, 1);
}

TEST_F(LoaderTest, LoadingScreenOnADesignSizedScreen) {
  app->m_Spin = 0;
  app->p_WaitStart(1);
  EXPECT_EQ(app->m_Spin, 16);
  EXPECT_EQ(app->m_NewRank, 480);
  EXPECT_EQ(app->m_ClsR, 40);
  EXPECT_EQ(app->m_ClsG, 40);
  EXPECT_EQ(app->m_ClsB, 80);
  EXPECT_EQ(app->m_ClsA, 1);
  ASSERT_EQ(Commands(), 25);

  // First light dot: angle 16 + 180 degrees on a circle of radius 480 / 4, fully transparent.
  EXPECT_EQ(At(0, 0), ZU_DRAW_OVAL);
  EXPECT_NEAR(At(0, 1), 286.92352f, 1e-3);
  EXPECT_NEAR(At(0, 2), 355.35140f, 1e-3);
  EXPECT_EQ(At(0, 4), 8);
  EXPECT_EQ(At(0, 5), 8);
  EXPECT_EQ(At(0, 7), 0);
  EXPECT_EQ(At(0, 10), 250);
  EXPECT_EQ(At(0, 13), 1);
  // Last light dot: 16 x 10 degrees further on, opaque.
  EXPECT_NEAR(At(10, 1), 311.62922f, 1e-3);
  EXPECT_FLOAT_EQ(At(10, 7), 1.0f);

  // The yellow disc, the orange band and the logo.
  EXPECT_EQ(At(11, 0), ZU_DRAW_OVAL);
  EXPECT_EQ(At(11, 1), 320);
  EXPECT_EQ(At(11, 2), 240);
  EXPECT_FLOAT_EQ(At(11, 4), 144);
  EXPECT_FLOAT_EQ(At(11, 7), 0.8f);
  EXPECT_EQ(At(11, 12), 0);
  EXPECT_EQ(At(12, 0), ZU_DRAW_RECT);
  EXPECT_EQ(At(12, 1), 0);
  EXPECT_FLOAT_EQ(At(12, 2), 192);
  EXPECT_EQ(At(12, 4), 640);
  EXPECT_FLOAT_EQ(At(12, 5), 96);
  EXPECT_FLOAT_EQ(At(12, 7), 0.7f);
  EXPECT_EQ(At(12, 11), 160);
  EXPECT_EQ(At(13, 0), 93);
  EXPECT_EQ(At(13, 1), 320);
  EXPECT_FLOAT_EQ(At(13, 2), 230.4f);
  EXPECT_EQ(At(13, 4), 1);
  EXPECT_EQ(At(13, 7), 1);

  // Dark dots start 180 degrees behind the light ones.
  EXPECT_EQ(At(14, 10), 50);
  EXPECT_NEAR(At(14, 1), 353.07648f, 1e-3);
  EXPECT_NEAR(At(14, 2), 124.64860f, 1e-3);
  EXPECT_NEAR(At(24, 1), 328.37078f, 1e-3);
  EXPECT_NEAR(At(24, 2), 359.70769f, 1e-3);
}

TEST_F(LoaderTest, LoadingScreenFollowsTheVirtualScreen) {
  zu_Quor_jscrw = 640;
  zu_Quor_jscrh = 360;
  app->m_Spin = 16;
  app->m_DrawCount = 30;
  app->p_WaitStart(1);
  EXPECT_EQ(app->m_NewRank, 360);
  ASSERT_EQ(Commands(), 25);
  EXPECT_NEAR(At(0, 1), 272.30727f, 1e-3);
  EXPECT_NEAR(At(0, 2), 256.32433f, 1e-3);
  EXPECT_FLOAT_EQ(At(11, 4), 108);
  EXPECT_FLOAT_EQ(At(12, 5), 72);
  EXPECT_FLOAT_EQ(At(13, 2), 172.8f);
}

}  // namespace
