// The resolution tiers of the collection's art: how many device pixels each has per art
// pixel, and the suffix its files carry before ".png". The art generators write these
// files and the program's loader picks one, so both read this one table.
#pragma once

namespace zandrel_art {

struct ArtTier {
  int scale;
  const char* suffix;
};

inline constexpr ArtTier kArtTiers[] = {{1, ""}, {2, "-hd"}, {4, "-hd2"}};

// The file suffix of the tier of `scale`; tier 1's (none) for a scale that has no tier.
constexpr const char* artTierSuffix(int scale) {
  for (const ArtTier& tier : kArtTiers)
    if (tier.scale == scale) return tier.suffix;
  return kArtTiers[0].suffix;
}

}  // namespace zandrel_art
