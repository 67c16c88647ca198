// The collection's painting kit, under this generator's own namespace.
#pragma once

#include "../../common/paint.h"
#include "palette.h"

namespace shell_art {
using namespace zandrel_art;
}  // namespace shell_art
