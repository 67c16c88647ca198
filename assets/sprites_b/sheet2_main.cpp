// Generates sprt_2 (sprites 128..191) in its three tiers.
#include "catalogs.h"

int main(int argc, char** argv) {
  using namespace sprites_b;
  Catalog pictures;
  append(pictures, karateFighterPictures());
  append(pictures, groundStripPictures());
  append(pictures, jumpPictures());
  append(pictures, octopusPictures());
  append(pictures, jetpacPadPictures());
  return runSheetGenerator(argc, argv, 2, pictures);
}
