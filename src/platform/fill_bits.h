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

namespace orvane {

// The pixels a fill may still take, one bit each, 64 to a word, so that a fill works on 64
// pixels at once. Words are read from the picture on first use, so a small fill costs only
// the area it looks at; painting a pixel takes it, so the paint colour may itself count as
// inside. Besides the pixels still free, each word keeps those taken since its row was
// last looked from.
template <class Inside>
class FillBits {
 public:
  FillBits(Bitmap& bitmap, Inside inside, Colour paint)
      : bitmap_(bitmap),
        inside_(inside),
        paint4_{paint, paint, paint, paint},
        width_(bitmap.width()),
        words_((width_ + 63) / 64),
        // Left as allocated: a word is written when first read, so untouched pages of a
        // large picture's mask are never even mapped in.
        bits_(std::make_unique_for_overwrite<std::uint64_t[]>(
            static_cast<std::size_t>(words_) * bitmap.height())),
        news_(std::make_unique_for_overwrite<std::uint64_t[]>(
            static_cast<std::size_t>(words_) * bitmap.height())),
        known_((static_cast<std::size_t>(words_) * bitmap.height() + 63) / 64, 0) {}

  int words() const { return words_; }

  // The pixels of word w of row y (columns 64w ..) still to take.
  std::uint64_t free(int y, int w) { return bits_[known(y, w)]; }

  // Takes pixels of word w of row y, which must be free, and paints them: the word was
  // read from the picture a moment ago, so its pixels are still at hand.
  void take(int y, int w, std::uint64_t pixels) {
    const std::size_t i = index(y, w);
    bits_[i] &= ~pixels;
    news_[i] |= pixels;
    Colour* p = bitmap_.row(y) + w * 64;
    if (pixels == ~std::uint64_t{0}) {
      for (int x = 0; x < 64; x += 4) *reinterpret_cast<Colour4*>(p + x) = paint4_;
      return;
    }
    // The picture's last columns may not fill four lanes.
    const int whole = std::min(64, width_ - w * 64) & ~3;
    int x = 0;
    for (; pixels != 0 && x < whole; x += 4, pixels >>= 4) {
      const auto lanes = static_cast<Colour>(pixels & 15u);
      const Colour4 m = (Colour4{lanes, lanes, lanes, lanes} & Colour4{1, 2, 4, 8}) != 0;
      Colour4& v = *reinterpret_cast<Colour4*>(p + x);
      v = (v & ~m) | (paint4_ & m);
    }
    for (; pixels != 0; ++x, pixels >>= 1) {
      if (pixels & 1) p[x] = paint4_[0];
    }
  }

  // The pixels of word w of row y taken since this was last asked, forgotten.
  std::uint64_t takeNews(int y, int w) {
    const std::size_t i = index(y, w);
    if (((known_[i >> 6] >> (i & 63)) & 1) == 0) return 0;
    return std::exchange(news_[i], 0);
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
      news_[i] = 0;
      bits_[i] = read(bitmap_.row(y) + w * 64, std::min(64, width_ - w * 64));
    }
    return i;
  }

  // The inside pixels among n (at most 64) from p, as bits.
  std::uint64_t read(const Colour* p, int n) const {
    std::uint64_t bits = 0;
    int i = 0;
#if defined(__SSE2__)
    // Sixteen at a time: four comparisons packed into the sixteen bytes of one mask.
    for (; i + 16 <= n; i += 16) {
      const auto lanes = [&](int k) {
        return reinterpret_cast<__m128i>(
            inside_.four(*reinterpret_cast<const Colour4*>(p + i + k)));
      };
      const __m128i words = _mm_packs_epi32(lanes(0), lanes(4));
      const __m128i words2 = _mm_packs_epi32(lanes(8), lanes(12));
      const auto sixteen = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(words, words2)));
      bits |= std::uint64_t{sixteen} << i;
    }
#endif
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

  Bitmap& bitmap_;
  Inside inside_;
  Colour4 paint4_;
  int width_;
  int words_;
  std::unique_ptr<std::uint64_t[]> bits_;
  std::unique_ptr<std::uint64_t[]> news_;
  std::vector<std::uint64_t> known_;
};

}  // namespace orvane
