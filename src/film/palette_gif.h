#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/bitmap.h"

namespace orvane {

// A GIF's 256 colours, taken from the finished picture: all of its colours when it has no
// more, else the most used after a reduction to 5 bits a channel. Each frame's pixel gets
// the nearest colour.
class PaletteGif {
 public:
  explicit PaletteGif(const Bitmap& image);

  // 0xAARRGGBB, opaque, as FFmpeg's paletted frames hold them.
  const std::array<std::uint32_t, 256>& argb() const { return argb_; }
  // The indices of `image`'s pixels, rows `pas` bytes apart.
  void indexer(const Bitmap& image, std::uint8_t* indices, int pas);

 private:
  std::uint8_t plus_proche(Colour c);

  std::vector<Colour> couleurs_;
  std::array<std::uint32_t, 256> argb_{};
  std::unordered_map<Colour, std::uint8_t> trouves_;
};

}  // namespace orvane
