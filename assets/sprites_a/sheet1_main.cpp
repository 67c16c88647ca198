// Generator of sprt_1: writes the sheet in its three tiers into the given directory.
#include "game_art.h"

int main(int argc, char** argv) {
  sprites_a::SheetArt sheet(1);
  sprites_a::addFlightArt(sheet);
  sprites_a::addRollerArt(sheet);
  sprites_a::addFireballArt(sheet);
  sprites_a::addHoverArt(sheet);
  sprites_a::addGolfArt(sheet);
  sprites_a::addLizardPondArt(sheet);
  sprites_a::addKarateArt(sheet);
  return sprites_a::runSheetGenerator(sheet, argc, argv);
}
