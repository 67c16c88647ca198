// Generator of the sprite sheets sprt_0 .. sprt_5 in their three tiers; argv[1] is the
// data folder.
#include "catalogs.h"

int main(int argc, char** argv) {
  using namespace sprites;
  Catalog pictures;
  for (Catalog (*part)() :
       {spacePictures, presentPictures, groundStripPictures, walkerPictures, abstractPictures,
        veverPictures, chaosPictures, detonationPictures, dudazevuva2Pictures, flappyPictures,
        golfingPictures, hoverPictures, icePictures, jetpacPictures, jumpPictures, karatePictures,
        notSamePictures, mapPictures, octopusPictures, penguinPictures, qubicPictures,
        rollerPictures, sodaPictures, towerPictures, umbrellaPictures, xplodePictures,
        yahtzeePictures, zonePictures}) {
    append(pictures, part());
  }
  return runSpriteSheetGenerator(argc, argv, pictures);
}
