// Generates sprt_5 (sprites 320..383) in its three tiers.
#include "catalogs.h"

int main(int argc, char** argv) {
  using namespace sprites_b;
  Catalog pictures;
  append(pictures, penguinPictures());
  append(pictures, mazeTilePictures());
  append(pictures, mazeFolkPictures());
  append(pictures, towerPictures());
  return runSheetGenerator(argc, argv, 5, pictures);
}
