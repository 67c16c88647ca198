// The glossy finish: ink outline outside the shape, flat fill, a darker crescent toward
// the bottom-right and a soft radial highlight toward the top-left. It is the rounder
// counterpart of the bevelled finish (`paintStyled`).
#pragma once

#include <cairo.h>

#include <functional>

#include "paint.h"

namespace zandrel_art {

// The darker tone painted toward the bottom-right of a glossy shape.
inline Rgb shadeOf(Rgb base) { return darker(base, 0.32); }
// The lighter tone of the soft highlight toward the top-left of a glossy shape.
inline Rgb highlightOf(Rgb base) { return lighter(base, 0.55); }

struct Gloss {
  bool outline = true;
  bool shade = true;
  bool highlight = true;
  double outlineWidth = kOutline;
};

// Overlapping sub-paths merge into one silhouette (the outline is only drawn round the
// outside). `alpha` fades the whole shape, outline included.
void paintGlossy(cairo_t* cr, const PathFn& path, Rgb base, Gloss finish = {}, double alpha = 1.0);

// Runs `draw` with everything clipped to `clip`, so decoration stays inside a shape.
void clipped(cairo_t* cr, const PathFn& clip, const std::function<void()>& draw);

}  // namespace zandrel_art
