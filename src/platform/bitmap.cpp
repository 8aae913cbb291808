#include "platform/bitmap.h"

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

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  // A negative side gives an empty bitmap rather than a huge allocation.
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                 fill & 0xFFFFFFu);
}

}  // namespace orvane
