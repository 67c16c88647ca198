// The music: the theme in the menu and a tune per family of games in play, each loaded
// whole during the loading screen and switched by the scene, never decoded mid-play.
#include "framework/audio.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kOptionSoundMode = 5;
constexpr int kPlayingMode = 10;
constexpr int kLoadGameMode = 11;
constexpr int kLooping = 1;

// File names by tune number, in data/music/.
const char* const kTuneNames[ZU_TUNE_COUNT] = {"", "theme", "blast", "skies", "bounce", "puzzle", "chase", "sport"};

// Each game's tune, A to Z, by mood: shooting and demolition, flying, jumping, thinking,
// mazes and chases, sport and busy work.
constexpr ZuTune kGameTunes[26] = {
    ZU_TUNE_BOUNCE,  // A Abstract: walk on, jump the obstructions
    ZU_TUNE_BOUNCE,  // B Vever: bouncing over platforms
    ZU_TUNE_BLAST,   // C Chaos: shoot the caterpillars
    ZU_TUNE_BLAST,   // D Detonation: destroy all you can
    ZU_TUNE_BLAST,   // E Encounter: a plane fight
    ZU_TUNE_SKIES,   // F Flappy: flapping on
    ZU_TUNE_SPORT,   // G Golfing
    ZU_TUNE_SKIES,   // H Hover: a helicopter
    ZU_TUNE_BOUNCE,  // I Ice: bouncing on the couch
    ZU_TUNE_BLAST,   // J Jetpac: a jumpjet blasting through the skies
    ZU_TUNE_SPORT,   // K Karate
    ZU_TUNE_PUZZLE,  // L NotSame: tiles to reason about
    ZU_TUNE_CHASE,   // M Map: coins and monsters in a maze
    ZU_TUNE_PUZZLE,  // N Numbers: sums
    ZU_TUNE_CHASE,   // O Octopus: bubbles and octopi in an arena
    ZU_TUNE_CHASE,   // P Penguin: herding penguins home
    ZU_TUNE_PUZZLE,  // Q Qubic: lighting every cube
    ZU_TUNE_CHASE,   // R Roller: gummies and ants
    ZU_TUNE_SPORT,   // S Soda: serving drinks against the clock
    ZU_TUNE_BLAST,   // T Tower: logs thrown at invaders
    ZU_TUNE_SPORT,   // U Umbrella: catching the rain
    ZU_TUNE_BOUNCE,  // V Jump: a wheel over the bushes
    ZU_TUNE_SKIES,   // W Waves: through the asteroids
    ZU_TUNE_BLAST,   // X Xplode: chain explosions
    ZU_TUNE_PUZZLE,  // Y Yahtzee: dice
    ZU_TUNE_BOUNCE,  // Z Zone: platforms
};

}  // namespace

// Ogg where the host decodes it; a WAV of the same name where it does not (the browser
// decodes the Ogg itself and leaves the WAV beside it).
int c_MyApp::p_LoadTune(int tune) {
  if (tune <= ZU_TUNE_NONE || tune >= ZU_TUNE_COUNT || m_Tunes[tune] != nullptr) return 0;
  const String name = String("music/") + String(kTuneNames[tune]);
  c_Sound* sound = zu_audio_LoadSound(name + String(".ogg"));
  if (!sound) sound = zu_audio_LoadSound(name + String(".wav"));
  gc_assign(m_Tunes[tune], sound);
  return 0;
}

int c_MyApp::p_GameTune(int game) { return game >= 1 && game <= 26 ? kGameTunes[game - 1] : ZU_TUNE_THEME; }

// The game's tune from its start until the game-over banner has run (which then stops it);
// the theme everywhere else; nothing while the sound mode excludes music.
int c_MyApp::p_WantedTune() {
  const int sound = m_Options[kOptionSoundMode];
  if (sound != 1 && sound != 3) return ZU_TUNE_NONE;
  if (m_Mode == kPlayingMode || m_Mode == kLoadGameMode) return p_GameTune(m_Game);
  return m_Mode == 0 ? ZU_TUNE_NONE : ZU_TUNE_THEME;
}

int c_MyApp::p_UpdateMusic() {
  if (zu_Quor_HasMusicStream != 1) return 0;
  const int wanted = p_WantedTune();
  if (wanted == m_Tune) return 0;
  // A tune the loader has not reached yet (or that is missing) leaves silence meanwhile.
  if (wanted == ZU_TUNE_NONE || m_Tunes[wanted] == nullptr) {
    if (m_Tune != ZU_TUNE_NONE) p_StopTune();
    return 0;
  }
  zu_audio_PlayMusicSound(m_Tunes[wanted], kLooping);
  m_Tune = wanted;
  return 0;
}
