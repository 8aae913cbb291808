#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/bitmap.h"
#include "platform/colour4.h"
#include "platform/veille.h"

namespace orvane {

// The pixels a fill may still take, one bit each, 64 to a word, so that a fill works on 64
// pixels at once. Words are read from the picture on first use, so a small fill costs only
// the area it looks at. Besides those still free, each word keeps the pixels taken in all
// and those taken since its row was last looked from; the pixels taken are painted at the
// end, row by row, the picture then read and written in order.
template <class Inside>
class FillBits {
 public:
  FillBits(const Bitmap& bitmap, Inside inside)
      : bitmap_(bitmap),
        inside_(inside),
        width_(bitmap.width()),
        words_((width_ + 63) / 64),
        // Left as allocated: a word is written when first read, so untouched pages of a
        // large picture's mask are never even mapped in.
        bits_(std::make_unique_for_overwrite<std::uint64_t[]>(
            static_cast<std::size_t>(words_) * bitmap.height())),
        taken_(std::make_unique_for_overwrite<std::uint64_t[]>(
            static_cast<std::size_t>(words_) * bitmap.height())),
        news_(std::make_unique_for_overwrite<std::uint64_t[]>(
            static_cast<std::size_t>(words_) * bitmap.height())),
        known_((static_cast<std::size_t>(words_) * bitmap.height() + 63) / 64, 0) {}

  int words() const { return words_; }

  // The pixels of word w of row y (columns 64w ..) still to take.
  std::uint64_t free(int y, int w) { return bits_[known(y, w)]; }

  // Takes pixels of word w of row y, which must be free.
  void take(int y, int w, std::uint64_t pixels) {
    const std::size_t i = index(y, w);
    bits_[i] &= ~pixels;
    taken_[i] |= pixels;
    news_[i] |= pixels;
  }

  // The pixels of word w of row y taken since this was last asked, forgotten.
  std::uint64_t takeNews(int y, int w) {
    const std::size_t i = index(y, w);
    if (((known_[i >> 6] >> (i & 63)) & 1) == 0) return 0;
    return std::exchange(news_[i], 0);
  }

  // Lanes of ones where the four bits are set.
  static Colour4 laneMask(unsigned lanes) {
    const Colour4 bit = {1u, 2u, 4u, 8u};
    const Colour4 l = {lanes, lanes, lanes, lanes};
    return (l & bit) != 0;
  }

  // Paints every pixel taken, within `box` which holds them all.
  void paint(Bitmap& bitmap, const Rect& box, Colour colour, Veille* veille) const {
    const Colour4 all = {colour, colour, colour, colour};
    for (int y = box.top; y < box.bottom; ++y) {
      Colour* row = bitmap.row(y);
      for (int w = box.left >> 6; w <= (box.right - 1) >> 6; ++w) {
        const std::size_t i = static_cast<std::size_t>(y) * words_ + static_cast<std::size_t>(w);
        if (((known_[i >> 6] >> (i & 63)) & 1) == 0) continue;
        std::uint64_t t = taken_[i];
        Colour* p = row + w * 64;
        if (t == ~std::uint64_t{0}) {
          for (int x = 0; x < 64; x += 4) *reinterpret_cast<Colour4*>(p + x) = all;
          continue;
        }
        // The picture's last columns may not fill four lanes.
        const int whole = std::min(64, width_ - w * 64) & ~3;
        int x = 0;
        for (; t != 0 && x < whole; x += 4, t >>= 4) {
          const unsigned lanes = t & 15u;
          Colour4& v = *reinterpret_cast<Colour4*>(p + x);
          const Colour4 m = laneMask(lanes);
          v = (v & ~m) | (all & m);
        }
        for (; t != 0; ++x, t >>= 1) {
          if (t & 1) p[x] = colour;
        }
      }
      veiller_pixels(veille, box.width());
    }
  }

 private:
  std::size_t index(int y, int w) const {
    return static_cast<std::size_t>(y) * words_ + static_cast<std::size_t>(w);
  }

  // The index of word w of row y, read from the picture if it was not yet.
  std::size_t known(int y, int w) {
    const std::size_t i = index(y, w);
    std::uint64_t& k = known_[i >> 6];
    const std::uint64_t flag = std::uint64_t{1} << (i & 63);
    if ((k & flag) == 0) {
      k |= flag;
      taken_[i] = 0;
      news_[i] = 0;
      bits_[i] = read(bitmap_.row(y) + w * 64, std::min(64, width_ - w * 64));
    }
    return i;
  }

  // The inside pixels among n (at most 64) from p, as bits.
  std::uint64_t read(const Colour* p, int n) const {
    std::uint64_t bits = 0;
    int i = 0;
    for (; i + 4 <= n; i += 4) {
      const auto hit = inside_.four(*reinterpret_cast<const Colour4*>(p + i));
#if defined(__SSE2__)
      const auto nibble = static_cast<unsigned>(_mm_movemask_ps(reinterpret_cast<__m128>(hit)));
#else
      const unsigned nibble = (hit[0] & 1u) | (hit[1] & 2u) | (hit[2] & 4u) | (hit[3] & 8u);
#endif
      bits |= std::uint64_t{nibble} << i;
    }
    for (; i < n; ++i) bits |= std::uint64_t{inside_(p[i])} << i;
    return bits;
  }

  const Bitmap& bitmap_;
  Inside inside_;
  int width_;
  int words_;
  std::unique_ptr<std::uint64_t[]> bits_;
  std::unique_ptr<std::uint64_t[]> taken_;
  std::unique_ptr<std::uint64_t[]> news_;
  std::vector<std::uint64_t> known_;
};

}  // namespace orvane
