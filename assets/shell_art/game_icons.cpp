// games: frames 0..25 are the icons of games A..Z, frame 62 the big picture of a locked
// game and frame 63 the small lock on a locked card.
#include <cmath>
#include <numbers>

#include "game_icons.h"
#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

using IconPainter = void (*)(cairo_t*);

constexpr IconPainter kGameIcons[26] = {
    drawAbstractIcon, drawVeverIcon,    drawChaosIcon,  drawDetonationIcon, drawEncounterIcon, drawDuveIcon,
    drawGolfIcon,     drawHoverIcon,    drawIceIcon,    drawJumpjetIcon,    drawKarateIcon,    drawLizardIcon,
    drawMazeIcon,     drawNumbersIcon,  drawOctopusIcon, drawPenguinIcon,   drawQubicIcon,     drawRollerIcon,
    drawSodaIcon,     drawTowerIcon,    drawUmbrellaIcon, drawVelocityIcon, drawWavesIcon,     drawXplodeIcon,
    drawYahtzeeIcon,  drawZoneIcon};

// A padlock of body width w centred on x, its body's top at y.
void padlock(cairo_t* cr, double x, double y, double w, Rgb body) {
  const double h = w * 0.8;
  strokeStyled(cr, [=](cairo_t* c) {
    cairo_move_to(c, x - w * 0.3, y + 1);
    cairo_arc(c, x, y - w * 0.08, w * 0.3, std::numbers::pi, 2 * std::numbers::pi);
    cairo_line_to(c, x + w * 0.3, y + 1);
  }, colour::lightGrey, w * 0.14, 1.25);
  paintStyled(cr, roundedRect(x - w / 2, y, w, h, w * 0.18), body, Style{.bevel = w * 0.07});
  fillFlat(cr, merged({
    circle(x, y + h * 0.42, w * 0.1),
    polygon({{x - w * 0.05, y + h * 0.45}, {x + w * 0.05, y + h * 0.45}, {x + w * 0.08, y + h * 0.75}, {x - w * 0.08, y + h * 0.75}}),
  }), colour::ink);
}

}  // namespace

void drawLockedPicture(cairo_t* cr) { padlock(cr, 16, 12.5, 22, colour::yellow); }

void drawSmallLock(cairo_t* cr) { padlock(cr, 16, 14, 18, colour::midGrey); }

namespace {

// The icons are designed on the full 32-unit grid and drawn 6% smaller, which keeps their
// outlines clear of the cell edge at every tier.
constexpr double kIconShrink = 0.94;

void drawGamesFrame(const FrameContext& context) {
  cairo_translate(context.cr, 16, 16);
  cairo_scale(context.cr, kIconShrink, kIconShrink);
  cairo_translate(context.cr, -16, -16);
  if (context.frame < 26) kGameIcons[context.frame](context.cr);
  if (context.frame == 62) drawLockedPicture(context.cr);
  if (context.frame == 63) drawSmallLock(context.cr);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"games", 32, 32, 64, 8, drawGamesFrame, true, PixelFit::everyTier}});
}
