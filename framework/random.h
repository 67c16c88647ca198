// The one pseudo-random generator shared by the framework, the shell and every game.
// Level layouts and enemy choices follow from its exact sequence.
#pragma once

// The generator's state; starts at 1234 and may be reseeded by assigning to it.
extern int zu_random_Seed;

// The next number in [0, 1): seed = seed * 1664525 + 1013904223 (mod 2^32), top 24 bits.
float zu_random_Rnd();
float zu_random_Rnd2(float low, float high);
float zu_random_Rnd3(float range);
