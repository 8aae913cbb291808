#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/bitmap.h"
#include "platform/colour4.h"
#include "platform/veille.h"

namespace orvane {

// The pixels a fill may still paint, one bit each, 64 to a word: a run's ends and the next
// run are then found a word at a time, without a branch per pixel. Words are read from the
// picture on first use, so a small fill costs only the area it looks at. The fill clears
// the runs it takes and paints them all at the end, row by row: the picture is then read
// and written in order rather than a run here and there.
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
        known_((static_cast<std::size_t>(words_) * bitmap.height() + 63) / 64, 0) {}

  bool test(int y, int x) { return (word(y, x >> 6) >> (x & 63)) & 1; }

  // The last column of the run holding (x, y), which must be set.
  int runEnd(int y, int x) {
    int w = x >> 6;
    std::uint64_t z = ~word(y, w) & (~std::uint64_t{0} << (x & 63));
    while (z == 0) {
      if (++w == words_) return width_ - 1;
      z = ~word(y, w);
    }
    return w * 64 + __builtin_ctzll(z) - 1;
  }

  // The first column of the run holding (x, y), which must be set.
  int runStart(int y, int x) {
    int w = x >> 6;
    std::uint64_t z = ~word(y, w) & (~std::uint64_t{0} >> (63 - (x & 63)));
    while (z == 0) {
      if (w-- == 0) return 0;
      z = ~word(y, w);
    }
    return w * 64 + 63 - __builtin_clzll(z) + 1;
  }

  // The first set column in [x, last], or -1.
  int nextSet(int y, int x, int last) {
    int w = x >> 6;
    const int lastWord = last >> 6;
    std::uint64_t m = word(y, w) & (~std::uint64_t{0} << (x & 63));
    while (m == 0) {
      if (++w > lastWord) return -1;
      m = word(y, w);
    }
    const int found = w * 64 + __builtin_ctzll(m);
    return found <= last ? found : -1;
  }

  // Columns left..right of row y, all set, are taken by the fill: cleared.
  void take(int y, int left, int right) {
    const std::size_t first = static_cast<std::size_t>(y) * words_;
    std::uint64_t* row = bits_.get() + first;
    std::uint64_t* taken = taken_.get() + first;
    const int lw = left >> 6, rw = right >> 6;
    const std::uint64_t from = ~std::uint64_t{0} << (left & 63);
    const std::uint64_t to = ~std::uint64_t{0} >> (63 - (right & 63));
    if (lw == rw) {
      row[lw] &= ~(from & to);
      taken[lw] |= from & to;
      return;
    }
    row[lw] &= ~from;
    taken[lw] |= from;
    for (int w = lw + 1; w < rw; ++w) {
      row[w] = 0;
      taken[w] = ~std::uint64_t{0};
    }
    row[rw] &= ~to;
    taken[rw] |= to;
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
        for (int x = 0; t != 0; x += 4, t >>= 4) {
          const unsigned lanes = t & 15u;
          Colour4& v = *reinterpret_cast<Colour4*>(p + x);
          const Colour4 m = laneMask(lanes);
          v = (v & ~m) | (all & m);
        }
      }
      veiller_pixels(veille, box.width());
    }
  }

 private:
  std::uint64_t word(int y, int w) {
    const std::size_t i = static_cast<std::size_t>(y) * words_ + static_cast<std::size_t>(w);
    std::uint64_t& k = known_[i >> 6];
    const std::uint64_t flag = std::uint64_t{1} << (i & 63);
    if ((k & flag) == 0) {
      k |= flag;
      taken_[i] = 0;
      bits_[i] = read(bitmap_.row(y) + w * 64, std::min(64, width_ - w * 64));
    }
    return bits_[i];
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
  std::vector<std::uint64_t> known_;
};

}  // namespace orvane
