// Vever (game B): the four platform kinds and the bouncing hero. A wide platform is
// three copies 28 units apart, so a piece fills the whole 32-unit width with square,
// unoutlined ends and only horizontal bands: overlapping neighbours continue each other
// into one long platform. The top surface sits just below the centre, where Vever's feet
// meet it on landing.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

constexpr double kLeft = 4, kTop = 19, kWidth = 32, kHeight = 12, kGrass = 4.5;

void platformPiece(cairo_t* cr, Rgb body, Rgb top) {
  fillFlat(cr, rect(kLeft, kTop, kWidth, kHeight), body);
  fillFlat(cr, rect(kLeft, kTop + kHeight - 3, kWidth, 3), shadeOf(body));
  fillFlat(cr, rect(kLeft, kTop, kWidth, kGrass), top);
  fillFlat(cr, rect(kLeft, kTop + kGrass - 1, kWidth, 1), shadeOf(top));
  fillFlat(cr, rect(kLeft, kTop + 1, kWidth, 1.2), colour::white, 0.55);
  fillFlat(cr, rect(kLeft, kTop - kOutline, kWidth, kOutline), colour::ink);
  fillFlat(cr, rect(kLeft, kTop + kHeight, kWidth, kOutline), colour::ink);
}

constexpr double kEmblemY = kTop + kGrass + (kHeight - kGrass) / 2;

void stillPlatform(cairo_t* cr) {
  platformPiece(cr, colour::brown, colour::lime);
  // Pebbles in the soil.
  fillFlat(cr, ellipse(12, kEmblemY, 1.6, 1.1), shadeOf(colour::brown));
  fillFlat(cr, ellipse(21, kEmblemY + 1, 1.3, 0.9), shadeOf(colour::brown));
  fillFlat(cr, ellipse(28.5, kEmblemY - 0.5, 1.5, 1.0), shadeOf(colour::brown));
  // Grass tufts over the top edge.
  for (double x : {9.0, 17.0, 25.0, 31.0}) {
    fillFlat(cr, polygon({{x - 1.6, kTop + 0.5}, {x - 0.6, kTop - 2.2}, {x + 0.2, kTop + 0.5}}), colour::green);
    fillFlat(cr, polygon({{x - 0.2, kTop + 0.5}, {x + 1.2, kTop - 1.6}, {x + 1.8, kTop + 0.5}}), colour::green);
  }
}

void swayingPlatform(cairo_t* cr) {
  platformPiece(cr, colour::blue, colour::sky);
  // ◄ ► : it swings from side to side.
  fillFlat(cr, polygon({{9, kEmblemY}, {13, kEmblemY - 2.6}, {13, kEmblemY + 2.6}}), colour::white);
  fillFlat(cr, polygon({{31, kEmblemY}, {27, kEmblemY + 2.6}, {27, kEmblemY - 2.6}}), colour::white);
  fillFlat(cr, rect(13, kEmblemY - 0.8, 14, 1.6), colour::white);
}

void bobbingPlatform(cairo_t* cr) {
  platformPiece(cr, colour::orange, colour::yellow);
  // ▲ ▼ pairs: it rises and sinks.
  for (double x : {12.5, 27.5}) {
    fillFlat(cr, polygon({{x, kEmblemY - 3}, {x + 2.6, kEmblemY - 0.4}, {x - 2.6, kEmblemY - 0.4}}), colour::white);
    fillFlat(cr, polygon({{x, kEmblemY + 3.2}, {x - 2.6, kEmblemY + 0.6}, {x + 2.6, kEmblemY + 0.6}}), colour::white);
  }
  fillFlat(cr, circle(20, kEmblemY, 1.4), colour::white);
}

void circlingPlatform(cairo_t* cr) {
  platformPiece(cr, colour::violet, colour::pink);
  // A ring with an arrowhead: it travels round an ellipse.
  strokeFlat(cr, arc(20, kEmblemY, 2.6, 210, 500), colour::white, 1.4);
  fillFlat(cr, polygon({{17.0, kEmblemY - 3.6}, {19.6, kEmblemY - 1.2}, {16.0, kEmblemY - 0.6}}), colour::white);
  fillFlat(cr, circle(11, kEmblemY, 1.3), colour::white);
  fillFlat(cr, circle(29, kEmblemY, 1.3), colour::white);
}

void vever(cairo_t* cr) {
  // Feet behind the body; the soles rest at y 32, just below the platform surface line.
  paintGlossy(cr, ellipse(15.5, 30, 3.6, 2.3), colour::brown);
  paintGlossy(cr, ellipse(24.5, 30, 3.6, 2.3), colour::brown);
  // A leafy sprout on top.
  paintGlossy(cr, merged({ellipse(17.5, 8.5, 3.2, 1.6), ellipse(22.5, 8.5, 3.2, 1.6)}), colour::lime);
  paintGlossy(cr, circle(20, 19, 10), colour::orange);
  roundEye(cr, 16.3, 17, 3.1, 0.1, 0.35);
  roundEye(cr, 23.7, 17, 3.1, 0.1, 0.35);
  cheek(cr, 13.5, 21.8, 1.8);
  cheek(cr, 26.5, 21.8, 1.8);
  mouth(cr, 17.2, 22.8, 22.8, 22.8, 2.2);
}

}  // namespace

Catalog veverPictures() {
  return {
      {sprite::kVeverPlatform, fromCellCorner(stillPlatform)},         // still platform
      {sprite::kVeverPlatform + 1, fromCellCorner(swayingPlatform)},   // platform swinging sideways
      {sprite::kVeverPlatform + 2, fromCellCorner(bobbingPlatform)},   // platform swinging up and down
      {sprite::kVeverPlatform + 3, fromCellCorner(circlingPlatform)},  // platform circling an ellipse
      {sprite::kVever, fromCellCorner(vever)},                         // Vever
  };
}

}  // namespace sprites
