#include "framework/random.h"

#include <cstdint>

int zu_random_Seed = 1234;

float zu_random_Rnd() {
  // Unsigned arithmetic: the step is meant to wrap modulo 2^32.
  uint32_t seed = static_cast<uint32_t>(zu_random_Seed) * 1664525u + 1013904223u;
  zu_random_Seed = static_cast<int>(seed);
  return static_cast<float>(seed >> 8) * 5.96046448e-8f;
}

float zu_random_Rnd2(float low, float high) { return low + (high - low) * zu_random_Rnd(); }

float zu_random_Rnd3(float range) { return zu_random_Rnd() * range; }
