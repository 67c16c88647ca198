// The sound effects, one recipe per sound, each named after what it sounds like, and
// the table that gives them their numbers ("sfx/NNN.wav").
#pragma once

#include <vector>

#include "assets/sounds/synth.h"

namespace synth {

// Short tonal blips (blips.cpp).
Samples coinPickupChime();
Samples springyBounce();
Samples risingJumpBlip();
Samples electricZap();
Samples laserPew();
Samples plainBeep();
Samples bubblePop();
Samples menuTick();

// Hits and explosions (impacts.cpp).
Samples clinkingThwack();
Samples bangExplosion();
Samples crunchExplosion();
Samples deepBoomExplosion();
Samples cannonSplashBoom();

// Noisy textures (textures.cpp).
Samples cracklingFuseHiss();
Samples pouringSplash();
Samples jetpackThrust();

// Little tunes (tunes.cpp).
Samples sadTromboneFailure();
Samples happyBellDing();
Samples successFanfare();
Samples startupJingle();
Samples startChime();

struct SoundRecipe {
  int number;
  const char* name;
  Samples (*make)();
};

const std::vector<SoundRecipe>& soundRecipes();
// Null if no sound has that number.
const SoundRecipe* findSoundRecipe(int number);

}  // namespace synth
