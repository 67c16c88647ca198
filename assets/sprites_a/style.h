// The collection's shared look: palette, shading and the ink outline. Every sprite is
// painted through `paint`, so the sheets keep one cohesive finish.
#pragma once

#include <cairo.h>

#include <functional>

namespace sprites_a {

struct Colour {
  double r = 0, g = 0, b = 0, a = 1;
};

constexpr Colour fromHex(unsigned hex, double alpha = 1.0) {
  return {((hex >> 16) & 0xff) / 255.0, ((hex >> 8) & 0xff) / 255.0, (hex & 0xff) / 255.0, alpha};
}

namespace palette {
inline constexpr Colour kInk = fromHex(0x1b1633);
inline constexpr Colour kWhite = fromHex(0xffffff);
inline constexpr Colour kRed = fromHex(0xff4d4d);
inline constexpr Colour kOrange = fromHex(0xff9a3c);
inline constexpr Colour kYellow = fromHex(0xffd93d);
inline constexpr Colour kLime = fromHex(0x8fe04a);
inline constexpr Colour kGreen = fromHex(0x2fbf71);
inline constexpr Colour kTeal = fromHex(0x2ec4b6);
inline constexpr Colour kSky = fromHex(0x4cc9f0);
inline constexpr Colour kBlue = fromHex(0x3a6cf4);
inline constexpr Colour kViolet = fromHex(0x8a5cf6);
inline constexpr Colour kPink = fromHex(0xff6fb5);
inline constexpr Colour kBrown = fromHex(0xa0643c);
inline constexpr Colour kLightGrey = fromHex(0xd9dde8);
inline constexpr Colour kMidGrey = fromHex(0x8a90a6);
inline constexpr Colour kDarkGrey = fromHex(0x4a4f66);
inline constexpr Colour kSkin = fromHex(0xffcf9e);
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
