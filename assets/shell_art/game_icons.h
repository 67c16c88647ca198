// The menu's game icons (sheet "games"): one painter per game, each drawing a 32 × 32
// picture that says what the game is about; shown at half size on the cards, double on
// the selected card and eight times as the faint title picture.
#pragma once

#include <cairo.h>

namespace shell_art {

void drawAbstractIcon(cairo_t* cr);
void drawVeverIcon(cairo_t* cr);
void drawChaosIcon(cairo_t* cr);
void drawDetonationIcon(cairo_t* cr);
void drawEncounterIcon(cairo_t* cr);
void drawDuveIcon(cairo_t* cr);
void drawGolfIcon(cairo_t* cr);
void drawHoverIcon(cairo_t* cr);
void drawIceIcon(cairo_t* cr);
void drawJumpjetIcon(cairo_t* cr);
void drawKarateIcon(cairo_t* cr);
void drawLizardIcon(cairo_t* cr);
void drawMazeIcon(cairo_t* cr);
void drawNumbersIcon(cairo_t* cr);
void drawOctopusIcon(cairo_t* cr);
void drawPenguinIcon(cairo_t* cr);
void drawQubicIcon(cairo_t* cr);
void drawRollerIcon(cairo_t* cr);
void drawSodaIcon(cairo_t* cr);
void drawTowerIcon(cairo_t* cr);
void drawUmbrellaIcon(cairo_t* cr);
void drawVelocityIcon(cairo_t* cr);
void drawWavesIcon(cairo_t* cr);
void drawXplodeIcon(cairo_t* cr);
void drawYahtzeeIcon(cairo_t* cr);
void drawZoneIcon(cairo_t* cr);

void drawLockedPicture(cairo_t* cr);
void drawSmallLock(cairo_t* cr);

// Small pieces several icons share.
void drawEye(cairo_t* cr, double x, double y, double radius);
void drawDie(cairo_t* cr, double x, double y, double size, double degrees, int pips, bool red);

}  // namespace shell_art
