// Colour and pixel encodings of the renderer. Everything it draws is in premultiplied
// alpha: red, green and blue are already scaled by alpha, so one blend function serves
// both textured and plain primitives.
#pragma once

#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// A vertex colour from channels 0..255 and alpha 0..1: each byte is the float product
// truncated (R = r·a, G = g·a, B = b·a, A = 255·a), packed so the bytes in memory read
// R, G, B, A. Products outside 0..255 (and NaN, as 0) are held to the byte range. Worked
// out for nearly every command of every frame, so as one vector without branches.
#ifdef __SSE2__
inline uint32_t zu_graphics_EncodeColor(float r, float g, float b, float a) {
  const __m128 products = _mm_mul_ps(_mm_setr_ps(r, g, b, 255.0f), _mm_set1_ps(a));
  // max takes its second operand when the first is NaN.
  const __m128 held = _mm_min_ps(_mm_max_ps(products, _mm_setzero_ps()), _mm_set1_ps(255.0f));
  const __m128i words = _mm_cvttps_epi32(held);
  const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(words, words), words);
  return static_cast<uint32_t>(_mm_cvtsi128_si32(bytes));
}
#else
inline uint32_t zu_graphics_EncodeColor(float r, float g, float b, float a) {
  using Floats = float __attribute__((vector_size(16)));
  using Ints = int32_t __attribute__((vector_size(16)));
  const Floats zero = {}, most = {255.0f, 255.0f, 255.0f, 255.0f};
  Floats products = Floats{r, g, b, 255.0f} * a;
  products = products > zero ? products : zero;  // NaN too
  products = products < most ? products : most;
  const Ints bytes = __builtin_convertvector(products, Ints);
  return static_cast<uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16) |
         static_cast<uint32_t>(bytes[3]) << 24;
}
#endif

// Premultiplies `count` pixels of `depth` bytes in place: RGBA colour bytes and the
// grey byte of grey + alpha become floor(c·A/255); grey and RGB have no alpha to apply.
void zu_graphics_PremultiplyPixels(unsigned char* pixels, int64_t count, int depth);

// One 0xAARRGGBB int as premultiplied bytes R, G, B, A written to `out`.
inline void zu_graphics_StoreArgb(int argb, unsigned char* out) {
  const uint32_t v = static_cast<uint32_t>(argb);
  const uint32_t a = v >> 24;
  out[0] = static_cast<unsigned char>(((v >> 16) & 0xff) * a / 255);
  out[1] = static_cast<unsigned char>(((v >> 8) & 0xff) * a / 255);
  out[2] = static_cast<unsigned char>((v & 0xff) * a / 255);
  out[3] = static_cast<unsigned char>(a);
}

// The texture side used when the GL refuses `side`: the next power of two, and 1 for
// sides below 2.
int zu_graphics_PowerOfTwoSide(int side);
