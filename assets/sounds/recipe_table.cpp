#include "assets/sounds/recipes.h"

namespace synth {

const std::vector<SoundRecipe>& soundRecipes() {
  static const std::vector<SoundRecipe> kRecipes = {
      {1, "coin pick-up chime", coinPickupChime},
      {2, "springy bounce", springyBounce},
      {3, "rising jump blip", risingJumpBlip},
      {4, "clinking thwack", clinkingThwack},
      {5, "electric zap", electricZap},
      {6, "crackling fuse hiss", cracklingFuseHiss},
      {7, "bang explosion", bangExplosion},
      {8, "crunch explosion", crunchExplosion},
      {9, "deep boom explosion", deepBoomExplosion},
      {10, "laser pew", laserPew},
      {11, "cannon splash boom", cannonSplashBoom},
      {12, "sad trombone failure", sadTromboneFailure},
      {13, "happy bell ding", happyBellDing},
      {14, "plain beep", plainBeep},
      {15, "pouring splash", pouringSplash},
      {16, "bubble pop", bubblePop},
      {17, "jetpack thrust", jetpackThrust},
      {95, "success fanfare", successFanfare},
      {96, "start-up jingle", startupJingle},
      {98, "start chime", startChime},
      {99, "menu tick", menuTick},
  };
  return kRecipes;
}

const SoundRecipe* findSoundRecipe(int number) {
  for (const SoundRecipe& recipe : soundRecipes()) {
    if (recipe.number == number) return &recipe;
  }
  return nullptr;
}

}  // namespace synth
