// The one painting kit of the sprite sheets: the collection's shared painting (flat and
// bevelled fills, outlined strokes, path helpers), the glossy finish and shapes held as
// values. Every sprite file includes this header alone.
#pragma once

#include "../../common/paint.h"

namespace sprites {
using namespace zandrel_art;
}  // namespace sprites

#include "glossy.h"
#include "shapes.h"
