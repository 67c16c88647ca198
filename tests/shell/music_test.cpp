// The music on an engine that keeps the music channel's state: which tune sounds through
// the flow menu -> game -> pause -> game over -> menu, the sound modes, and option 5 as
// older state files hold it.
#include <map>
#include <string>

#include "framework/audio.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kSpace = 32;

// Plays nothing; remembers which file the music channel holds and whether it sounds.
class MusicChannelAudio : public ZuAudio {
 public:
  std::map<ZuSample*, std::string> files;
  std::string tune;  // empty: stopped
  bool paused = false;
  int loads = 0;
  int effects = 0;

  ZuSample* LoadSample(const String& path) override {
    ++loads;
    ZuSample* sample = gc_new<ZuSample>();
    std::string name = path.ToUtf8();
    files[sample] = name.substr(name.rfind('/') + 1);
    return sample;
  }
  int PlaySample(ZuSample* sample, int channel, int flags) override {
    if (channel != kMusicChannel) {
      ++effects;
      return 0;
    }
    tune = flags != 0 ? files[sample] : "not looping";
    paused = false;
    return 0;
  }
  void StopMusic() override { tune.clear(); }
  void PauseMusic() override { paused = !tune.empty(); }
  void ResumeMusic() override { paused = false; }
  void StopChannel(int) override {}
  void SetRate(int, float) override {}
  void SetVolume(int, float) override {}
  void SetPan(int, float) override {}

  std::string Heard() const { return tune.empty() ? "silence" : paused ? tune + " paused" : tune; }
};

class ShellMusic : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    testing::internal::CaptureStdout();  // the engine's lines about the missing device
    engine = gc_new<MusicChannelAudio>();
    testing::internal::GetCapturedStdout();
    zu_audio_SetAudioDevice(engine);
    for (int i = 0; i < 33; ++i) app->m_Channels[i] = i;
    app->m_Options[5] = 1;
    app->m_Mode = 1;
    for (int tune = 1; tune < ZU_TUNE_COUNT; ++tune) app->p_LoadTune(tune);
  }
  void TearDown() override { zu_audio_device = nullptr; }

  // The saved state back, without the section notices on standard output.
  void Load() {
    testing::internal::CaptureStdout();
    app->p_Load();
    testing::internal::GetCapturedStdout();
  }

  MusicChannelAudio* engine = nullptr;
};

}  // namespace

TEST_F(ShellMusic, EachTuneIsLoadedOnceFromItsOggFile) {
  EXPECT_EQ(engine->loads, ZU_TUNE_COUNT - 1);
  app->p_LoadTune(ZU_TUNE_THEME);
  app->p_LoadTune(0);
  app->p_LoadTune(ZU_TUNE_COUNT);
  EXPECT_EQ(engine->loads, ZU_TUNE_COUNT - 1) << "a reload after a resize decodes no tune again";
  EXPECT_EQ(engine->files[app->m_Tunes[ZU_TUNE_SPORT]->m_Sample], "sport.ogg");
}

TEST_F(ShellMusic, TheThemeGivesWayToTheGamesTuneWhichPausesWithTheGameAndEndsAfterTheBanner) {
  Update();
  EXPECT_EQ(engine->Heard(), "theme.ogg");
  app->m_Game = 3;  // Chaos, a shooter
  app->m_Mode = 11;
  Update();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(engine->Heard(), "blast.ogg");

  KeyDown(27);  // escape opens the pause menu
  Update();
  KeyUp(27);
  Update();
  EXPECT_EQ(app->m_Paused, 1);
  EXPECT_EQ(engine->Heard(), "blast.ogg paused");
  app->m_Paused = 0;  // the menu has slid out
  Update();
  EXPECT_EQ(engine->Heard(), "blast.ogg");

  app->m_Dead = 1;
  for (int i = 0; i < 89; ++i) Update();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(engine->Heard(), "blast.ogg") << "the tune plays on under the banner";
  Update();
  EXPECT_EQ(engine->Heard(), "silence");
  Update();
  EXPECT_EQ(app->m_Mode, 1);
  EXPECT_EQ(engine->Heard(), "theme.ogg");
  EXPECT_EQ(engine->loads, ZU_TUNE_COUNT - 1) << "no tune is decoded during play";
}

TEST_F(ShellMusic, EveryGameHasAFamilyTuneAndTheFamiliesDiffer) {
  std::map<int, int> games;
  for (int game = 1; game <= 26; ++game) {
    const int tune = app->p_GameTune(game);
    EXPECT_GT(tune, ZU_TUNE_THEME) << "game " << game;
    EXPECT_LT(tune, ZU_TUNE_COUNT) << "game " << game;
    ++games[tune];
  }
  EXPECT_EQ(games.size(), static_cast<std::size_t>(ZU_TUNE_COUNT - 2)) << "every family tune is used";
  EXPECT_EQ(app->p_GameTune(10), ZU_TUNE_BLAST);   // Jetpac shoots
  EXPECT_EQ(app->p_GameTune(14), ZU_TUNE_PUZZLE);  // Numbers is sums
}

TEST_F(ShellMusic, EffectsOnlyAndOffSilenceTheMusicAndMusicOnlyBringsItBack) {
  Update();
  app->m_Options[5] = 2;
  Update();
  EXPECT_EQ(engine->Heard(), "silence");
  app->m_Options[5] = 3;
  Update();
  EXPECT_EQ(engine->Heard(), "theme.ogg");
  app->m_Options[5] = 0;
  Update();
  EXPECT_EQ(engine->Heard(), "silence");
}

TEST_F(ShellMusic, WithoutAMusicStreamNoTuneStarts) {
  zu_Quor_HasMusicStream = 0;
  Update();
  EXPECT_EQ(engine->Heard(), "silence");
}

// Before the music, option 5 was 1 for sound on; that saved 1 now means effects and music.
TEST_F(ShellMusic, AnOldSavedOnMeansEffectsAndMusicAndTheFourModesSurviveASave) {
  app->p_LoadSFX(99);
  app->p_Save();
  app->m_Options[5] = 0;
  Load();
  EXPECT_EQ(app->m_Options[5], 1);
  Update();
  EXPECT_EQ(engine->Heard(), "theme.ogg");
  app->p_PlaySFX(99, 1, 1, 0);
  EXPECT_EQ(engine->effects, 1);

  app->m_Options[5] = 3;
  app->p_Save();
  app->m_Options[5] = 0;
  Load();
  EXPECT_EQ(app->m_Options[5], 3) << "music only is kept, not read as out of range";
  app->p_PlaySFX(99, 1, 1, 0);
  EXPECT_EQ(engine->effects, 1) << "no effects in music-only mode";
}

TEST_F(ShellMusic, TheOptionsRowTurnsTheMusicOnAgainAfterOff) {
  app->m_Options[5] = 0;
  Update();
  EXPECT_EQ(engine->Heard(), "silence");
  app->m_OptionsOpen = 1;
  app->m_OptionsSlide = 30;
  app->m_OptSel = 1;
  KeyDown(kSpace);
  Update();
  KeyUp(kSpace);
  EXPECT_EQ(app->m_Options[5], 1);
  Update();
  EXPECT_EQ(engine->Heard(), "theme.ogg");
}
