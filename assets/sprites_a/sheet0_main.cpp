// Generator of sprt_0: writes the sheet in its three tiers into the given directory.
#include "game_art.h"

int main(int argc, char** argv) {
  sprites_a::SheetArt sheet(0);
  sprites_a::addVeverArt(sheet);
  sprites_a::addSpaceArt(sheet);
  sprites_a::addChaosArt(sheet);
  sprites_a::addQubicArt(sheet);
  sprites_a::addDetonationArt(sheet);
  sprites_a::addTowerArt(sheet);
  sprites_a::addGiftArt(sheet);
  sprites_a::addAbstractArt(sheet);
  sprites_a::addSodaBarArt(sheet);
  sprites_a::addSodaPatronArt(sheet);
  return sprites_a::runSheetGenerator(sheet, argc, argv);
}
