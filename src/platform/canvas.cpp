#include "platform/canvas.h"

#include <algorithm>
#include <cstdint>

#include "platform/flood_fill.h"
#include "platform/mix_op.h"

namespace orvane {

namespace {

// Sides clamped into int range, for boxes computed from far-away coordinates.
int clampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

Canvas::Canvas(int width, int height, Colour fill) : bitmap_(width, height, fill) {}

Canvas::Canvas(int width, int height, Colour fill, Veille* veille)
    : veille(veille), bitmap_(width, height, fill, veille) {}

Canvas::Canvas(Bitmap& shared, int top, int bottom, Veille* veille)
    : veille(veille), shared_(&shared), clipTop_(top), clipBottom_(bottom) {}

void Canvas::FillRect(int l, int t, int r, int b) {
  const Rect area = Rect{l, t, r, b}.intersected(clip());
  if (area.empty()) return;
  const SetPainter painter{brush.color & 0xFFFFFFu};
  for (int y = area.top; y < area.bottom; ++y) {
    painter.span(target().row(y) + area.left, area.width());
    veiller_pixels(veille, area.width());
  }
  dirty_.unite(area);
}

void Canvas::FloodFill(int x, int y, Colour c, FloodFillType type) {
  const Rect painted = type == FloodFillType::Surface
                           ? floodFillSurface(target(), x, y, c, brush.color, veille)
                           : floodFillBorder(target(), x, y, c, brush.color, veille);
  dirty_.unite(painted);
}

void Canvas::Draw(int x, int y, const Bitmap& source) {
  const Rect placed{clampToInt(x), clampToInt(y), clampToInt(std::int64_t{x} + source.width()),
                    clampToInt(std::int64_t{y} + source.height())};
  const Rect area = placed.intersected(clip());
  if (area.empty()) return;
  for (int row = area.top; row < area.bottom; ++row) {
    const Colour* from = source.row(row - y) + (area.left - x);
    Colour* to = target().row(row) + area.left;
    // Masked so that a source with stray top bytes cannot break the stored-colour rule.
    std::transform(from, from + area.width(), to, [](Colour c) { return c & 0xFFFFFFu; });
    veiller_pixels(veille, area.width());
  }
  dirty_.unite(area);
}

Rect Canvas::takeDirty() {
  const Rect r = dirty_;
  dirty_ = {};
  return r;
}

void Canvas::markDirty(const Rect& r) { dirty_.unite(r.intersected(clip())); }

}  // namespace orvane
