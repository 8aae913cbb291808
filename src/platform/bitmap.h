#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#include "platform/colour.h"
#include "platform/veille.h"

namespace orvane {

// Large pictures in huge pages where the system offers them: a fill walks a big picture
// down in bands, a row a page apart, and small pages would cost a TLB miss at every row.
template <class T>
struct AllocateurPages {
  using value_type = T;
  AllocateurPages() = default;
  template <class U>
  AllocateurPages(const AllocateurPages<U>&) {}
  T* allocate(std::size_t n);
  void deallocate(T* p, std::size_t n);
  // Pixels made without a value are left as the pages come: a bitmap fills them itself.
  template <class U>
  void construct(U* p) {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... A>
  void construct(U* p, A&&... a) {
    ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
  }
  template <class U>
  bool operator==(const AllocateurPages<U>&) const { return true; }
};

// A rectangle of pixels, right and bottom edges excluded.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool empty() const { return right <= left || bottom <= top; }
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  // Smallest rectangle holding both; an empty side is ignored.
  void unite(const Rect& other);
  Rect intersected(const Rect& other) const;
  bool operator==(const Rect&) const = default;
};

// 32-bit pixels 0x00BBGGRR, rows top to bottom, no padding.
class Bitmap {
 public:
  // Asks for a bitmap whose pixels are left as memory gives them.
  struct NonRemplie {};

  Bitmap() = default;
  Bitmap(int width, int height, Colour fill = 0);
  // Filled row by row under the watch: a large bitmap is long to fill.
  Bitmap(int width, int height, Colour fill, Veille* veille);
  // For a caller that fills every row itself, maybe on several threads, each touching its
  // rows' memory first.
  Bitmap(int width, int height, NonRemplie);
  // Only rows [first, first + count) of a picture `height` rows high, filled: a band drawn
  // on its own, whose other rows lie outside it.
  Bitmap(int width, int height, int first, int count, Colour fill);

  int width() const { return width_; }
  int height() const { return height_; }
  // The pixels held: every row but in a band.
  Rect bounds() const { return {0, first_, width_, first_ + count_}; }
  bool contains(int x, int y) const {
    return x >= 0 && y >= first_ && x < width_ && y < first_ + count_;
  }

  Colour* row(int y) {
    return pixels_.data() + static_cast<std::size_t>(y - first_) * width_;
  }
  const Colour* row(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y - first_) * width_;
  }
  Colour* data() { return pixels_.data(); }
  const Colour* data() const { return pixels_.data(); }

  // CLR_INVALID outside.
  Colour pixel(int x, int y) const { return contains(x, y) ? row(y)[x] : CLR_INVALID; }
  // Ignored outside.
  void setPixel(int x, int y, Colour c) {
    if (contains(x, y)) row(y)[x] = c & 0xFFFFFFu;
  }

  bool operator==(const Bitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  int first_ = 0;  // the first row held
  int count_ = 0;  // the rows held
  std::vector<Colour, AllocateurPages<Colour>> pixels_;
};

}  // namespace orvane
