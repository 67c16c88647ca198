// Every picture of the six sprite sheets, one catalogue per game and one per piece that
// several games share. Each picture is named by the sprite number the games draw.
#pragma once

#include "sprite_catalog.h"

namespace sprites {

// Shared by several games.
Catalog spacePictures();        // 6 the shot of five games; 34 the Waves/Xplode ship; 35..37 asteroids
Catalog presentPictures();      // 38, 39: presents of Hover, Jump and Waves
Catalog groundStripPictures();  // 160..163: ground tiles of Jetpac and Jump
Catalog walkerPictures();       // 356..359, 368..378: Map's walkers, also Tower's blobs and player

// One per game.
Catalog abstractPictures();     // 40..45
Catalog veverPictures();        // 0..4
Catalog chaosPictures();        // 8..15 (15, the gun, also serves Numbers and Qubic)
Catalog detonationPictures();   // 32
Catalog dudazevuva2Pictures();  // 73, 74
Catalog flappyPictures();       // 257, 258, 260, 265, 273, 276, 280, 282
Catalog golfingPictures();      // 105..108, 112, 113
Catalog hoverPictures();        // 96..104
Catalog icePictures();          // 228, 229
Catalog jetpacPictures();       // 183, 192..197, 200..205
Catalog jumpPictures();         // 164..168 (the wheel 168 is also Octopus's life)
Catalog karatePictures();       // 120..122, 128..152
Catalog notSamePictures();      // 109, 110, 115..119
Catalog mapPictures();          // 352, 353, 355, 363, 364
Catalog octopusPictures();      // 169..182
Catalog penguinPictures();      // 332, 333, 336..339, 342..345
Catalog qubicPictures();        // 19..27
Catalog rollerPictures();       // 75..84
Catalog sodaPictures();         // 46, 48..59
Catalog towerPictures();        // 33, 360, 379
Catalog umbrellaPictures();     // 291, 292, 294, 302, 303
Catalog xplodePictures();       // 88..91
Catalog yahtzeePictures();      // 208..215
Catalog zonePictures();         // 198, 199, 206, 207, 216..219

}  // namespace sprites
