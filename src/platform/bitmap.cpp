#include "platform/bitmap.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

#include <algorithm>
#include <cstddef>

namespace orvane {

void Rect::unite(const Rect& other) {
  if (other.empty()) return;
  if (empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

Rect Rect::intersected(const Rect& other) const {
  const Rect r{std::max(left, other.left), std::max(top, other.top),
               std::min(right, other.right), std::min(bottom, other.bottom)};
  return r.empty() ? Rect{} : r;
}

namespace {
constexpr std::size_t kGrandePage = std::size_t{2} << 20;
}

template <class T>
T* AllocateurPages<T>::allocate(std::size_t n) {
  const std::size_t octets = n * sizeof(T);
  if (octets < 2 * kGrandePage) {
    if (T* p = static_cast<T*>(std::malloc(octets))) return p;
    throw std::bad_alloc();
  }
  const std::size_t arrondi = (octets + kGrandePage - 1) / kGrandePage * kGrandePage;
  void* p = std::aligned_alloc(kGrandePage, arrondi);
  if (p == nullptr) throw std::bad_alloc();
  madvise(p, arrondi, MADV_HUGEPAGE);  // a hint: without it the pages are only smaller
  return static_cast<T*>(p);
}

template <class T>
void AllocateurPages<T>::deallocate(T* p, std::size_t) {
  std::free(p);
}

template struct AllocateurPages<Colour>;

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  // A negative side gives an empty bitmap rather than a huge allocation.
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  count_ = height_;
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                 fill & 0xFFFFFFu);
}

Bitmap::Bitmap(int width, int height, Colour fill, Veille* veille)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  count_ = height_;
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (int y = 0; y < height_; ++y) {
    std::fill_n(row(y), width_, fill & 0xFFFFFFu);
    veiller_pixels(veille, width_);
  }
}

Bitmap::Bitmap(int width, int height, NonRemplie)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  count_ = height_;
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
}

Bitmap::Bitmap(int width, int height, int first, int count, Colour fill)
    : Bitmap(width, std::clamp(count, 0, std::max(height - first, 0)), fill) {
  if (width_ == 0) return;
  first_ = std::max(first, 0);
  height_ = std::max(height, first_ + count_);
}

}  // namespace orvane
