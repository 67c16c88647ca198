// The two presents shared by Hover, Jump and Waves (38, 39), drawn bold enough to read
// at Waves' half scale.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

void present(cairo_t* cr, Colour box, Colour ribbon) {
  // Bow loops behind the lid.
  paint(cr, blob({{20, 12}, {15, 6}, {10.5, 7.5}, {12, 11.5}}), ribbon);
  paint(cr, blob({{20, 12}, {28, 11.5}, {29.5, 7.5}, {25, 6}}), ribbon);
  const Path body = roundedRect(8, 15.5, 24, 18.5, 2);
  paint(cr, body, box);
  clipped(cr, body, [&] { fill(cr, rect(17.5, 15, 5, 20), ribbon); });
  stroke(cr, line(17.5, 17, 17.5, 34), withAlpha(kInk, 0.5), 0.6);
  stroke(cr, line(22.5, 17, 22.5, 34), withAlpha(kInk, 0.5), 0.6);
  const Path lid = roundedRect(6.5, 11.5, 27, 6, 2);
  paint(cr, lid, mix(box, kWhite, 0.12));
  clipped(cr, lid, [&] { fill(cr, rect(17.5, 11, 5, 7), ribbon); });
  paint(cr, circle(20, 11.5, 2.6), ribbon, {.highlight = false});
}

void redPresent(cairo_t* cr) { present(cr, kRed, kYellow); }
void bluePresent(cairo_t* cr) { present(cr, kBlue, kPink); }

}  // namespace

void addGiftArt(SheetArt& sheet) {
  sheet.add(38, "present, red with yellow ribbon", redPresent);
  sheet.add(39, "present, blue with pink ribbon", bluePresent);
}

}  // namespace sprites_a
