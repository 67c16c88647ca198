// The collection's shared look: palette, shading and the ink outline. Every sprite is
// painted through `paint`, so the sheets keep one cohesive finish.
#pragma once

#include <cairo.h>

#include <functional>

#include "../common/palette.h"

namespace sprites_a {

struct Colour {
  double r = 0, g = 0, b = 0, a = 1;
};

// The collection's shared palette, with the alpha this kit's colours carry.
constexpr Colour fromRgb(zandrel_art::Rgb rgb, double alpha = 1.0) {
  return {rgb.r, rgb.g, rgb.b, alpha};
}

namespace palette {
inline constexpr Colour kInk = fromRgb(zandrel_art::colour::ink);
inline constexpr Colour kWhite = fromRgb(zandrel_art::colour::white);
inline constexpr Colour kRed = fromRgb(zandrel_art::colour::red);
inline constexpr Colour kOrange = fromRgb(zandrel_art::colour::orange);
inline constexpr Colour kYellow = fromRgb(zandrel_art::colour::yellow);
inline constexpr Colour kLime = fromRgb(zandrel_art::colour::lime);
inline constexpr Colour kGreen = fromRgb(zandrel_art::colour::green);
inline constexpr Colour kTeal = fromRgb(zandrel_art::colour::teal);
inline constexpr Colour kSky = fromRgb(zandrel_art::colour::sky);
inline constexpr Colour kBlue = fromRgb(zandrel_art::colour::blue);
inline constexpr Colour kViolet = fromRgb(zandrel_art::colour::violet);
inline constexpr Colour kPink = fromRgb(zandrel_art::colour::pink);
inline constexpr Colour kBrown = fromRgb(zandrel_art::colour::brown);
inline constexpr Colour kLightGrey = fromRgb(zandrel_art::colour::lightGrey);
inline constexpr Colour kMidGrey = fromRgb(zandrel_art::colour::midGrey);
inline constexpr Colour kDarkGrey = fromRgb(zandrel_art::colour::darkGrey);
inline constexpr Colour kSkin = fromRgb(zandrel_art::colour::skin);
}  // namespace palette

// Width of the ink outline, in tier-1 pixels.
inline constexpr double kOutlineWidth = 1.25;

Colour mix(Colour from, Colour to, double amount);
Colour withAlpha(Colour colour, double alpha);
// The darker tone painted toward the bottom-right of a shape.
Colour shadeOf(Colour base);
// The lighter tone of the soft highlight toward the top-left of a shape.
Colour highlightOf(Colour base);

void setColour(cairo_t* cr, Colour colour);

// Builds a closed path (one or more sub-paths) on the context without painting it.
using Path = std::function<void(cairo_t*)>;

struct Finish {
  bool outline = true;
  bool shade = true;
  bool highlight = true;
  double outlineWidth = kOutlineWidth;
};

// The house finish: ink outline outside the shape, flat fill, a darker crescent toward
// the bottom-right and a soft lighter patch toward the top-left. Overlapping sub-paths
// merge into one silhouette (the outline is only drawn round the outside).
void paint(cairo_t* cr, const Path& path, Colour base, Finish finish = {});

// A plain fill without outline or shading, for small details (pupils, glints, stripes).
void fill(cairo_t* cr, const Path& path, Colour colour);

// An ink (or coloured) line along an open path, with round caps.
void stroke(cairo_t* cr, const Path& path, Colour colour, double width);

// Runs `draw` with everything clipped to `clip`, so decoration stays inside a shape.
void clipped(cairo_t* cr, const Path& clip, const std::function<void()>& draw);

// Runs `draw` scaled by `factor` about the cell's centre (20, 20), to fit a tall figure
// into its 32 × 32 area without redrawing its proportions.
void scaledAboutCentre(cairo_t* cr, double factor, const std::function<void()>& draw);

}  // namespace sprites_a
