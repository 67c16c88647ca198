// The sine and cosine of a turn, to the last bit what the library gives: each computed in
// double precision and rounded to single. Every turned sprite of every frame needs them,
// and the library's double-precision sine and cosine cost more than the rest of drawing
// the sprite.
#pragma once

struct zu_graphics_SineCosine {
  float sin, cos;
};

// (float)std::sin(radians) and (float)std::cos(radians) for a single-precision angle.
zu_graphics_SineCosine zu_graphics_SinCos(float radians);
