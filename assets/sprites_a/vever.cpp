// Vever (game B): the four platform kinds and the bouncing hero. A wide platform is
// three copies 28 units apart, so a piece fills the whole 32-unit width with square,
// unoutlined ends and only horizontal bands: overlapping neighbours continue each other
// into one long platform. The top surface sits just below the centre, where Vever's feet
// meet it on landing.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

constexpr double kLeft = 4, kTop = 19, kWidth = 32, kHeight = 12, kGrass = 4.5;

void platformPiece(cairo_t* cr, Colour body, Colour top) {
  fill(cr, rect(kLeft, kTop, kWidth, kHeight), body);
  fill(cr, rect(kLeft, kTop + kHeight - 3, kWidth, 3), shadeOf(body));
  fill(cr, rect(kLeft, kTop, kWidth, kGrass), top);
  fill(cr, rect(kLeft, kTop + kGrass - 1, kWidth, 1), shadeOf(top));
  fill(cr, rect(kLeft, kTop + 1, kWidth, 1.2), withAlpha(kWhite, 0.55));
  fill(cr, rect(kLeft, kTop - kOutlineWidth, kWidth, kOutlineWidth), kInk);
  fill(cr, rect(kLeft, kTop + kHeight, kWidth, kOutlineWidth), kInk);
}

constexpr double kEmblemY = kTop + kGrass + (kHeight - kGrass) / 2;

void stillPlatform(cairo_t* cr) {
  platformPiece(cr, kBrown, kLime);
  // Pebbles in the soil.
  fill(cr, ellipse(12, kEmblemY, 1.6, 1.1), shadeOf(kBrown));
  fill(cr, ellipse(21, kEmblemY + 1, 1.3, 0.9), shadeOf(kBrown));
  fill(cr, ellipse(28.5, kEmblemY - 0.5, 1.5, 1.0), shadeOf(kBrown));
  // Grass tufts over the top edge.
  for (double x : {9.0, 17.0, 25.0, 31.0}) {
    fill(cr, polygon({{x - 1.6, kTop + 0.5}, {x - 0.6, kTop - 2.2}, {x + 0.2, kTop + 0.5}}), kGreen);
    fill(cr, polygon({{x - 0.2, kTop + 0.5}, {x + 1.2, kTop - 1.6}, {x + 1.8, kTop + 0.5}}), kGreen);
  }
}

void swayingPlatform(cairo_t* cr) {
  platformPiece(cr, kBlue, kSky);
  // ◄ ► : it swings from side to side.
  fill(cr, polygon({{9, kEmblemY}, {13, kEmblemY - 2.6}, {13, kEmblemY + 2.6}}), kWhite);
  fill(cr, polygon({{31, kEmblemY}, {27, kEmblemY + 2.6}, {27, kEmblemY - 2.6}}), kWhite);
  fill(cr, rect(13, kEmblemY - 0.8, 14, 1.6), kWhite);
}

void bobbingPlatform(cairo_t* cr) {
  platformPiece(cr, kOrange, kYellow);
  // ▲ ▼ pairs: it rises and sinks.
  for (double x : {12.5, 27.5}) {
    fill(cr, polygon({{x, kEmblemY - 3}, {x + 2.6, kEmblemY - 0.4}, {x - 2.6, kEmblemY - 0.4}}), kWhite);
    fill(cr, polygon({{x, kEmblemY + 3.2}, {x - 2.6, kEmblemY + 0.6}, {x + 2.6, kEmblemY + 0.6}}), kWhite);
  }
  fill(cr, circle(20, kEmblemY, 1.4), kWhite);
}

void circlingPlatform(cairo_t* cr) {
  platformPiece(cr, kViolet, kPink);
  // A ring with an arrowhead: it travels round an ellipse.
  stroke(cr, arc(20, kEmblemY, 2.6, 210, 500), kWhite, 1.4);
  fill(cr, polygon({{17.0, kEmblemY - 3.6}, {19.6, kEmblemY - 1.2}, {16.0, kEmblemY - 0.6}}), kWhite);
  fill(cr, circle(11, kEmblemY, 1.3), kWhite);
  fill(cr, circle(29, kEmblemY, 1.3), kWhite);
}

void vever(cairo_t* cr) {
  // Feet behind the body; the soles rest at y 32, just below the platform surface line.
  paint(cr, ellipse(15.5, 30, 3.6, 2.3), kBrown);
  paint(cr, ellipse(24.5, 30, 3.6, 2.3), kBrown);
  // A leafy sprout on top.
  paint(cr, merged({ellipse(17.5, 8.5, 3.2, 1.6), ellipse(22.5, 8.5, 3.2, 1.6)}), kLime);
  paint(cr, circle(20, 19, 10), kOrange);
  eye(cr, 16.3, 17, 3.1, 0.1, 0.35);
  eye(cr, 23.7, 17, 3.1, 0.1, 0.35);
  cheek(cr, 13.5, 21.8, 1.8);
  cheek(cr, 26.5, 21.8, 1.8);
  mouth(cr, 17.2, 22.8, 22.8, 22.8, 2.2);
}

}  // namespace

void addVeverArt(SheetArt& sheet) {
  sheet.add(0, "still platform", stillPlatform);
  sheet.add(1, "platform swinging sideways", swayingPlatform);
  sheet.add(2, "platform swinging up and down", bobbingPlatform);
  sheet.add(3, "platform circling an ellipse", circlingPlatform);
  sheet.add(4, "Vever", vever);
}

}  // namespace sprites_a
