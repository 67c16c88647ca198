// The collection's painting kit, under this generator's own namespace.
#pragma once

#include "../../common/paint.h"
#include "palette.h"

namespace sprites_b {
using namespace zandrel_art;
}  // namespace sprites_b
