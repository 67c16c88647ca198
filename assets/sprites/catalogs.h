// Every picture of the six sprite sheets, one catalogue per game and one per piece that
// several games share. Each picture is named by the sprite number the games draw, from
// games/sprite_numbers.h.
#pragma once

#include "sprite_catalog.h"

namespace sprites {

// Shared by several games.
Catalog spacePictures();        // the shot of five games, the Waves/Xplode ship, asteroids
Catalog presentPictures();      // presents of Hover, Jump and Waves
Catalog groundStripPictures();  // ground tiles of Jetpac and Jump
Catalog walkerPictures();       // Map's walkers, also Tower's blobs and player

// One per game.
Catalog abstractPictures();
Catalog veverPictures();
Catalog chaosPictures();  // its gun also serves Numbers and Qubic
Catalog detonationPictures();
Catalog dudazevuva2Pictures();
Catalog flappyPictures();
Catalog golfingPictures();
Catalog hoverPictures();
Catalog icePictures();
Catalog jetpacPictures();
Catalog jumpPictures();  // its wheel is also Octopus's life
Catalog karatePictures();
Catalog notSamePictures();
Catalog mapPictures();
Catalog octopusPictures();
Catalog penguinPictures();
Catalog qubicPictures();
Catalog rollerPictures();
Catalog sodaPictures();
Catalog towerPictures();
Catalog umbrellaPictures();
Catalog xplodePictures();
Catalog yahtzeePictures();
Catalog zonePictures();

}  // namespace sprites
