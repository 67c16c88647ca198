// Octopus's pictures. The arena's cells are 32 px at the game's scale c/32: the
// eater and the block pieces fill about one cell, bubbles are small, and the octopus and
// the prize are drawn a quarter larger (1.25·s).
//
// The eater faces RIGHT at rotation 0 because the game turns it to its heading
// with angle 0 pointing right; its four frames open and close the mouth.
#include <cmath>
#include <vector>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

// --- The bubble eater -------------------------------------------------------------------

void eater(cairo_t* cr, double mouthDegrees, double tailSwing) {
  const double mouth = mouthDegrees * M_PI / 180;
  const double r = 11.0;
  const Point centre{1.5, 0};
  // Tail fin behind, swinging a little with the bite.
  paintStyled(cr, polygon({{-8.5, 0}, {-15, -6.5 + tailSwing}, {-13, 0}, {-15, 6.5 + tailSwing}}), colour::orange, {.bevel = 1.0});
  // Top fin.
  paintStyled(cr, [=](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, -5, -8);
    cairo_curve_to(c, -4, -14, 3, -14.5, 4, -10);
    cairo_close_path(c);
  }, colour::orange, {.bevel = 0.8});
  paintStyled(cr, [=](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, centre.x, centre.y, r, mouth, 2 * M_PI - mouth);
    cairo_line_to(c, centre.x + 2.0, centre.y);
    cairo_close_path(c);
  }, colour::yellow);
  // Belly stripe and a little cheek.
  fillFlat(cr, ellipse(centre.x + 3.5, centre.y + 5.5, 2.0, 1.2),
           colour::pink, 0.6);
  eye(cr, {centre.x + 3.0, centre.y - 5.0}, 2.8, 0.6, -0.1);
  glint(cr, centre.x - 5.0, centre.y - 5.0, 2.6, 1.3, 0.6);
}

// --- Arena pieces and bubbles -----------------------------------------------------------

// A lump of brain coral: a bumpy rounded rim and meandering grooves, so a block of six
// pieces reads as a reef the eater clears the bubbles around.
void blockPiece(cairo_t* cr, Rgb colour) {
  std::vector<Point> rim;
  for (int i = 0; i < 16; ++i) {
    const double angle = i * M_PI / 8;
    const double radius = i % 2 ? 13.2 : 14.6;
    rim.push_back({radius * std::cos(angle), radius * std::sin(angle) * 0.95});
  }
  const PathFn lump = blob(rim);
  paintStyled(cr, lump, colour, {.bevel = 2.2});
  cairo_save(cr);
  cairo_new_path(cr);
  lump(cr);
  cairo_clip(cr);
  const Rgb groove = darker(colour, 0.4);
  for (int row = -2; row <= 2; ++row) {
    strokeFlat(cr, [row](cairo_t* c) {
      const double y = row * 5.2;
      cairo_move_to(c, -15, y);
      for (int k = 0; k < 6; ++k) {
        const double x = -15 + k * 5;
        const double bend = (k + row) % 2 ? 2.4 : -2.4;
        cairo_curve_to(c, x + 1.6, y + bend, x + 3.4, y + bend, x + 5, y);
      }
    }, groove, 1.1);
  }
  cairo_restore(cr);
  for (const Point& p : {Point{-7, -8}, Point{6, -4}, Point{-2, 8}}) {
    fillFlat(cr, circle(p.x, p.y, 1.3), lighter(colour, 0.6));
  }
}

void bubble(cairo_t* cr) {
  paintStyled(cr, circle(0, 0, 4.2), mix(colour::sky, colour::white, 0.35),
              {.bevel = 1.0, .outline = 1.0});
  glint(cr, -1.4, -1.5, 1.3, 0.8, 0.95);
}

// --- The octopus ------------------------------------------------------------------------

struct Look {
  double wave;         // tentacle phase, radians
  double lookX, lookY;
  bool blink;
};

void octopus(cairo_t* cr, Look look) {
  // Five tentacles hanging below the head, curling with the phase.
  for (int i = 0; i < 5; ++i) {
    const double x0 = -7.0 + i * 3.5;
    const double swing = std::sin(look.wave + i * 1.3) * 3.0;
    strokeStyled(cr, [=](cairo_t* c) {
      cairo_move_to(c, x0, 1.5);
      cairo_curve_to(c, x0 + swing, 5.0, x0 - swing, 8.5, x0 + swing * 0.8 + (x0 * 0.25), 12.5);
    }, colour::violet, 3.0);
  }
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, -10.5, 3.0);
    cairo_curve_to(c, -11.5, -6.0, -6.5, -13.0, 0, -13.0);
    cairo_curve_to(c, 6.5, -13.0, 11.5, -6.0, 10.5, 3.0);
    cairo_curve_to(c, 5.0, 5.0, -5.0, 5.0, -10.5, 3.0);
    cairo_close_path(c);
  }, colour::violet, {.bevel = 2.2});
  // Spots on the dome.
  const Point spots[] = {{-5.5, -8.5}, {4.5, -10.0}, {7.5, -5.0}};
  for (const Point& s : spots) {
    fillFlat(cr, circle(s.x, s.y, 1.2), colour::pink, 0.9);
  }
  if (look.blink) {
    for (double side : {-1.0, 1.0}) {
      strokeFlat(cr, [side](cairo_t* c) {
        cairo_arc(c, side * 3.5, -3.5, 2.0, M_PI * 0.1, M_PI * 0.9);
      }, colour::ink, 1.0);
    }
  } else {
    eyes(cr, {-3.5, -4.0}, {3.5, -4.0}, 2.7, look.lookX, look.lookY);
  }
  fillFlat(cr, ellipse(0, 0.8, 1.4, 0.9), darker(colour::violet, 0.6));
  glint(cr, -5.0, -9.5, 2.0, 1.0, 0.55);
}

// --- The prize: a golden starfish that spins --------------------------------------------

void prize(cairo_t* cr) {
  paintStyled(cr, star(0, 0.8, 5, 14.0, 6.5), colour::yellow,
              {.bevel = 2.2});
  for (int i = 0; i < 5; ++i) {
    const double a = (i * 72 - 90) * M_PI / 180;
    for (double d : {4.5, 8.0}) {
      fillFlat(cr, circle(std::cos(a) * d, 0.8 + std::sin(a) * d, 0.9),
               colour::orange);
    }
  }
  fillFlat(cr, circle(0, 0.8, 1.6), colour::orange);
  glint(cr, -3.0, -3.0, 2.0, 1.0, 0.8);
}

}  // namespace

Catalog octopusPictures() {
  Catalog out;
  const double mouths[] = {6, 24, 42, 24};
  const double tails[] = {0, 1.2, 0, -1.2};
  for (int i = 0; i < 4; ++i) {
    const double mouth = mouths[i], tail = tails[i];
    out.push_back({sprite::kOctopusEater + i, [=](cairo_t* cr) { eater(cr, mouth, tail); }});
  }
  const Rgb pieces[] = {colour::orange, colour::pink, colour::teal};
  for (int i = 0; i < 3; ++i) {
    const Rgb piece = pieces[i];
    out.push_back({sprite::kOctopusPiece + i, [=](cairo_t* cr) { blockPiece(cr, piece); }});
  }
  out.push_back({sprite::kOctopusBubble, bubble});
  const Look looks[] = {{0.0, 0, 0, false}, {1.2, -0.8, 0.2, false}, {2.4, 0.8, 0.2, false},
                        {3.6, 0, -0.8, false}, {4.8, 0, 0, true}};
  for (int i = 0; i < 5; ++i) {
    const Look look = looks[i];
    out.push_back({sprite::kOctopusOctopus + i, [=](cairo_t* cr) { octopus(cr, look); }});
  }
  out.push_back({sprite::kOctopusPrize, prize});
  return out;
}

}  // namespace sprites
