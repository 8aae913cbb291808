#pragma once

#include "platform/colour.h"

namespace orvane {

// The sixteen pen mix modes, coded in this order.
enum : int {
  R2_BLACK = 0,
  R2_WHITE = 1,
  R2_NOP = 2,
  R2_NOT = 3,
  R2_COPYPEN = 4,
  R2_NOTCOPYPEN = 5,
  R2_MERGEPENNOT = 6,
  R2_MASKPENNOT = 7,
  R2_MERGENOTPEN = 8,
  R2_MASKNOTPEN = 9,
  R2_MERGEPEN = 10,
  R2_NOTMERGEPEN = 11,
  R2_MASKPEN = 12,
  R2_NOTMASKPEN = 13,
  R2_XORPEN = 14,
  R2_NOTXORPEN = 15,
};

// The result of mix mode `mode` for pen colour p over destination d, on the 24 colour
// bits; the top byte of the result is 0. An unknown code acts as copy.
constexpr Colour melange(int mode, Colour p, Colour d) {
  Colour r = 0;
  switch (mode) {
    case R2_BLACK: r = 0; break;
    case R2_WHITE: r = ~Colour{0}; break;
    case R2_NOP: r = d; break;
    case R2_NOT: r = ~d; break;
    case R2_COPYPEN: r = p; break;
    case R2_NOTCOPYPEN: r = ~p; break;
    case R2_MERGEPENNOT: r = p | ~d; break;
    case R2_MASKPENNOT: r = p & ~d; break;
    case R2_MERGENOTPEN: r = ~p | d; break;
    case R2_MASKNOTPEN: r = ~p & d; break;
    case R2_MERGEPEN: r = p | d; break;
    case R2_NOTMERGEPEN: r = ~(p | d); break;
    case R2_MASKPEN: r = p & d; break;
    case R2_NOTMASKPEN: r = ~(p & d); break;
    case R2_XORPEN: r = p ^ d; break;
    case R2_NOTXORPEN: r = ~(p ^ d); break;
    default: r = p; break;
  }
  return r & 0xFFFFFFu;
}

}  // namespace orvane
