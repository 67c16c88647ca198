// The collection's shared palette, under this generator's own namespace.
#pragma once

#include "../../common/palette.h"

namespace shell_art {
using zandrel_art::hex;
using zandrel_art::mix;
using zandrel_art::Rgb;
namespace colour = zandrel_art::colour;
}  // namespace shell_art
