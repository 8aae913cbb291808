#pragma once

#include "platform/colour.h"

namespace orvane {

// Four pixels at a time through the compiler's generic vectors (SSE on x86-64, scalar code
// elsewhere): the default optimisation level does not vectorise pixel loops by itself.
// Unaligned and allowed to alias plain pixels.
typedef Colour Colour4 __attribute__((vector_size(16), aligned(4), may_alias));

}  // namespace orvane
