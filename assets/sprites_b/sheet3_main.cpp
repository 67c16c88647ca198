// Generates sprt_3 (sprites 192..255) in its three tiers.
#include "catalogs.h"

int main(int argc, char** argv) {
  using namespace sprites_b;
  Catalog pictures;
  append(pictures, jetpacSpacemanPictures());
  append(pictures, jetpacAlienPictures());
  append(pictures, zonePictures());
  append(pictures, yahtzeePictures());
  append(pictures, icePictures());
  return runSheetGenerator(argc, argv, 3, pictures);
}
