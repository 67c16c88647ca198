// The drawing groups, one per game or theme, and the sheets they belong to.
#pragma once

#include "sheet_art.h"

namespace sprites_a {

// sprt_0 (sprites 0..63)
void addVeverArt(SheetArt& sheet);      // 0..4
void addSpaceArt(SheetArt& sheet);      // 6, 34..37
void addChaosArt(SheetArt& sheet);      // 8..15
void addQubicArt(SheetArt& sheet);      // 19..27
void addDetonationArt(SheetArt& sheet); // 32
void addTowerArt(SheetArt& sheet);      // 33
void addGiftArt(SheetArt& sheet);       // 38, 39
void addAbstractArt(SheetArt& sheet);   // 40..45
void addSodaBarArt(SheetArt& sheet);    // 46, 48..55
void addSodaPatronArt(SheetArt& sheet); // 56..59

// sprt_1 (sprites 64..127)
void addFlightArt(SheetArt& sheet);     // 73, 74
void addRollerArt(SheetArt& sheet);     // 75..84
void addFireballArt(SheetArt& sheet);   // 88..91
void addHoverArt(SheetArt& sheet);      // 96..104
void addGolfArt(SheetArt& sheet);       // 105..108, 112, 113
void addLizardPondArt(SheetArt& sheet); // 109, 110, 115..119
void addKarateArt(SheetArt& sheet);     // 120..122

// sprt_4 (sprites 256..319)
void addFlappyArt(SheetArt& sheet);     // 257, 258, 260, 265, 273, 276, 280, 282
void addUmbrellaArt(SheetArt& sheet);   // 291, 292, 294, 302, 303

}  // namespace sprites_a
