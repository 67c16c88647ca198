// The arcade palette every picture of the collection is painted from, so the shell's
// art and every sprite sheet look like one product.
#pragma once

namespace zandrel_art {

struct Rgb {
  double r, g, b;
};

constexpr Rgb hex(unsigned value) {
  return {((value >> 16) & 0xff) / 255.0, ((value >> 8) & 0xff) / 255.0, (value & 0xff) / 255.0};
}

// Blends a toward b by t (0 keeps a, 1 gives b).
constexpr Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace colour {
constexpr Rgb ink = hex(0x1b1633);
constexpr Rgb white = hex(0xffffff);
constexpr Rgb red = hex(0xff4d4d);
constexpr Rgb orange = hex(0xff9a3c);
constexpr Rgb yellow = hex(0xffd93d);
constexpr Rgb lime = hex(0x8fe04a);
constexpr Rgb green = hex(0x2fbf71);
constexpr Rgb teal = hex(0x2ec4b6);
constexpr Rgb sky = hex(0x4cc9f0);
constexpr Rgb blue = hex(0x3a6cf4);
constexpr Rgb violet = hex(0x8a5cf6);
constexpr Rgb pink = hex(0xff6fb5);
constexpr Rgb brown = hex(0xa0643c);
constexpr Rgb lightGrey = hex(0xd9dde8);
constexpr Rgb midGrey = hex(0x8a90a6);
constexpr Rgb darkGrey = hex(0x4a4f66);
constexpr Rgb skin = hex(0xffcf9e);

// Neutral greys for pictures the program tints: no hue of their own, so the tint shows true.
constexpr Rgb tintWhite = hex(0xffffff);
constexpr Rgb tintLight = hex(0xe4e4e4);
constexpr Rgb tintShade = hex(0xbdbdbd);
constexpr Rgb tintDim = hex(0x8c8c8c);
// The dark rim round tinted text: any tint leaves it dark.
constexpr Rgb tintRim = hex(0x161616);
}  // namespace colour

}  // namespace zandrel_art
