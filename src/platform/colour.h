#pragma once

#include <cstdint>

namespace orvane {

// 0x00BBGGRR: red in the low byte, the top byte always 0.
using Colour = std::uint32_t;

// Pixel read outside the bitmap.
inline constexpr Colour CLR_INVALID = 0xFFFFFFFFu;

constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 |
         static_cast<Colour>(b & 0xFF) << 16;
}
constexpr int rouge(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int vert(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int bleu(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace orvane
