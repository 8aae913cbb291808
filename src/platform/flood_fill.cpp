#include "platform/flood_fill.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "platform/colour4.h"
#include "platform/fill_bits.h"

namespace orvane {

namespace {

// The bits of m from each bit of s up to the end of its run of ones (toward bit 63),
// with `carry` coming in at bit 0 and going out at bit 63: adding s to m carries through
// the run above each seed.
std::uint64_t runsUp(std::uint64_t m, std::uint64_t s, bool& carry) {
  std::uint64_t sum = 0;
  const bool c1 = __builtin_add_overflow(m, s, &sum);
  const bool c2 = __builtin_add_overflow(sum, std::uint64_t{carry}, &sum);
  carry = c1 || c2;
  return ((sum ^ m) | s) & m;
}

// The bits of m from each bit of s down to the start of its run of ones (toward bit 0),
// in six doubling steps.
std::uint64_t runsDown(std::uint64_t m, std::uint64_t s) {
  // A plain area reached from above: the whole word, at once.
  if (m == ~std::uint64_t{0} && (s >> 63) != 0) return m;
  std::uint64_t g = s, p = m;
  for (int k = 1; k < 64; k *= 2) {
    g |= p & (g >> k);
    p &= p >> k;
  }
  return g;
}

// A fill on the free pixels of FillBits, 64 at a time: the pixels taken in a row are
// spread to the free runs of the rows above and below that they touch, which are taken in
// turn, until no row has pixels left to spread. Rows wait on a stack, each once, with the
// span of words its pixels taken since it was last spread fall in.
template <class Inside>
class RowFill {
 public:
  RowFill(Bitmap& bitmap, Inside inside, Colour paint, Veille* veille)
      : bits_(bitmap, inside, paint),
        veille_(veille),
        height_(bitmap.height()),
        seeds_(static_cast<std::size_t>(bits_.words())),
        runs_(static_cast<std::size_t>(bits_.words())),
        news_(static_cast<std::size_t>(bits_.words())),
        first_(static_cast<std::size_t>(height_), INT_MAX),
        last_(static_cast<std::size_t>(height_), -1) {}

  Rect fill(int x, int y) {
    seeds_[static_cast<std::size_t>(x >> 6)] = std::uint64_t{1} << (x & 63);
    spread(y, x >> 6, x >> 6);
    while (!waiting_.empty()) {
      const int row = waiting_.back();
      waiting_.pop_back();
      const int lo = first_[static_cast<std::size_t>(row)];
      const int hi = last_[static_cast<std::size_t>(row)];
      first_[static_cast<std::size_t>(row)] = INT_MAX;
      last_[static_cast<std::size_t>(row)] = -1;
      veiller_pixels(veille_, (std::int64_t{hi} - lo + 1) * 64);
      for (int w = lo; w <= hi; ++w) news_[static_cast<std::size_t>(w)] = bits_.takeNews(row, w);
      for (const int next : {row - 1, row + 1}) {
        if (next < 0 || next >= height_) continue;
        std::copy(news_.begin() + lo, news_.begin() + hi + 1, seeds_.begin() + lo);
        spread(next, lo, hi);
      }
    }
    return box_;
  }

 private:
  // Takes the free runs of row y that hold a bit of seeds_[lo..hi]; those words of seeds_
  // are used up.
  void spread(int y, int lo, int hi) {
    bool any = false;
    for (int w = lo; w <= hi; ++w) {
      std::uint64_t& s = seeds_[static_cast<std::size_t>(w)];
      s &= bits_.free(y, w);
      any = any || s != 0;
    }
    if (!any) return;
    // Up from the seeds, then down from what that reached: whole runs.
    const int words = bits_.words();
    bool carry = false;
    int w = lo;
    for (; w <= hi || (carry && w < words); ++w) {
      const std::uint64_t s = w <= hi ? seeds_[static_cast<std::size_t>(w)] : 0;
      runs_[static_cast<std::size_t>(w)] = runsUp(bits_.free(y, w), s, carry);
    }
    const int top = w - 1;
    bool below = false;
    for (w = top; w >= lo || (below && w >= 0); --w) {
      const std::uint64_t m = bits_.free(y, w);
      std::uint64_t s = w >= lo ? runs_[static_cast<std::size_t>(w)] : 0;
      if (below) s |= m & (std::uint64_t{1} << 63);
      const std::uint64_t r = runsDown(m, s);
      below = (r & 1) != 0;
      if (r != 0) take(y, w, r);
    }
  }

  void take(int y, int w, std::uint64_t r) {
    bits_.take(y, w, r);
    box_.left = std::min(box_.left, w * 64 + __builtin_ctzll(r));
    box_.right = std::max(box_.right, w * 64 + 64 - __builtin_clzll(r));
    box_.top = std::min(box_.top, y);
    box_.bottom = std::max(box_.bottom, y + 1);
    int& first = first_[static_cast<std::size_t>(y)];
    int& last = last_[static_cast<std::size_t>(y)];
    if (last < 0) waiting_.push_back(y);
    first = std::min(first, w);
    last = std::max(last, w);
  }

  FillBits<Inside> bits_;
  Veille* veille_;
  int height_;
  std::vector<std::uint64_t> seeds_;
  std::vector<std::uint64_t> runs_;
  std::vector<std::uint64_t> news_;
  std::vector<int> first_;
  std::vector<int> last_;
  std::vector<int> waiting_;
  Rect box_{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

// The tests of inside, on one pixel and on four at once (a lane of ones where inside).
struct OfColour {
  Colour surface;
  bool operator()(Colour c) const { return c == surface; }
  auto four(Colour4 v) const { return v == Colour4{surface, surface, surface, surface}; }
};

struct NotBorder {
  Colour border;
  bool operator()(Colour c) const { return c != border; }
  auto four(Colour4 v) const { return v != Colour4{border, border, border, border}; }
};

}  // namespace

Rect floodFillSurface(Bitmap& bitmap, int x, int y, Colour surface, Colour paint,
                      Veille* veille) {
  paint &= 0xFFFFFFu;
  // Painting the surface colour over itself changes nothing.
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) != surface || paint == surface) return {};
  return RowFill(bitmap, OfColour{surface}, paint, veille).fill(x, y);
}

Rect floodFillBorder(Bitmap& bitmap, int x, int y, Colour border, Colour paint,
                     Veille* veille) {
  paint &= 0xFFFFFFu;
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) == border) return {};
  return RowFill(bitmap, NotBorder{border}, paint, veille).fill(x, y);
}

}  // namespace orvane
