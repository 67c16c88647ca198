// Shrinking smooth painting to whole pixels. A picture painted at `factor` times its
// target size is reduced so that every target pixel takes the commonest colour of the
// block it covers, not the blend of all of them: edges stay hard and fills stay flat, so
// the picture keeps its shapes when it is magnified with nearest sampling.
#pragma once

#include <cairo.h>

namespace zandrel_art {

// What becomes of see-through painting (glows, glass, shadows): kept soft, or hardened
// to full opacity for pictures that must have no soft pixel at all.
enum class SeeThrough { keep, harden };

// Returns a new ARGB surface `factor` times smaller than `fine` (whose sides must be
// multiples of `factor`); the caller destroys both.
cairo_surface_t* fitToPixels(cairo_surface_t* fine, int factor, SeeThrough seeThrough = SeeThrough::keep);

}  // namespace zandrel_art
