// The pictures of the sheets sprt_2 (sprites 128..191), sprt_3 (192..255) and sprt_5
// (320..383), one function per game or theme. Each picture is named by the sprite number
// the games draw; the sheet generators collect them.
#pragma once

#include "kit/sheet.h"

namespace sprites_b {

// sprt_2
Catalog karateFighterPictures();  // 128..152: the fighter in every stance and strike
Catalog groundStripPictures();    // 160..163: ground tiles (Jetpac floor, Jump strip)
Catalog jumpPictures();           // 164..168: bushes and the wheel (also Octopus's life)
Catalog octopusPictures();        // 169..182: eater, block pieces, bubble, octopus, prize
Catalog jetpacPadPictures();      // 183: the floating landing pad

// sprt_3
Catalog jetpacSpacemanPictures();  // 192..197
Catalog jetpacAlienPictures();     // 200..205
Catalog zonePictures();            // 198, 199, 206, 207, 216..219
Catalog yahtzeePictures();         // 208..215
Catalog icePictures();             // 228, 229

// sprt_5
Catalog penguinPictures();    // 332, 333, 336..339, 342..345
Catalog mazeTilePictures();   // 352, 353, 355, 363, 364
Catalog mazeFolkPictures();   // 356..359, 368..378: Map's walkers, also Tower's blobs and player
Catalog towerPictures();      // 360, 379

}  // namespace sprites_b
