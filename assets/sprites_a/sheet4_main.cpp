// Generator of sprt_4: writes the sheet in its three tiers into the given directory.
#include "game_art.h"

int main(int argc, char** argv) {
  sprites_a::SheetArt sheet(4);
  sprites_a::addFlappyArt(sheet);
  sprites_a::addUmbrellaArt(sheet);
  return sprites_a::runSheetGenerator(sheet, argc, argv);
}
