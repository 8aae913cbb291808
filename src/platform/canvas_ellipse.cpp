#include "platform/canvas.h"

#include <algorithm>
#include <cstdint>

#include "platform/ellipse_rows.h"
#include "platform/mix_op.h"

namespace orvane {

namespace {

// Paints [left, right) of row y through op, clipped to the bitmap.
void paintRun(Bitmap& bitmap, std::int64_t y, int left, int right, const MixOp& op) {
  left = std::max(left, 0);
  right = std::min(right, bitmap.width());
  if (right <= left || op.isNop()) return;
  MaskPainter{op}.span(bitmap.row(static_cast<int>(y)) + left, right - left);
}

bool isEmpty(const Span& s) { return s.right <= s.left; }

}  // namespace

void Canvas::Ellipse(int l, int t, int r, int b) {
  const std::int64_t left = std::min(l, r);
  const std::int64_t right = std::max(l, r);
  const std::int64_t top = std::min(t, b);
  const std::int64_t bottom = std::max(t, b);
  const bool outlined = pen.style != PenStyle::Clear;
  const bool filled = brush.style != BrushStyle::Clear;
  if (left == right || top == bottom || (!outlined && !filled)) return;

  const MixOp penOp = MixOp::of(pen.mode, pen.color);
  const MixOp brushOp = MixOp::of(pen.mode, brush.color);
  const int penWidth = std::max(pen.width, 1);
  const EllipseRows outer(left, top, right, bottom, 0.0);
  const EllipseRows inner(left, top, right, bottom, penWidth);

  const Rect band = clip();
  const std::int64_t firstRow = std::max<std::int64_t>(top, band.top);
  const std::int64_t endRow = std::min<std::int64_t>(bottom, band.bottom);
  for (std::int64_t y = firstRow; y < endRow; ++y) {
    const Span shape = outer.row(y);
    if (isEmpty(shape)) continue;
    veiller_pixels(veille, std::int64_t{shape.right} - shape.left);
    if (!outlined) {
      paintRun(target(), y, shape.left, shape.right, brushOp);
      continue;
    }
    // The outline holds at least every pixel of the shape with a 4-neighbour outside it,
    // so it is closed; a wide pen adds the band down to the shrunk ellipse.
    const Span above = outer.row(y - 1);
    const Span below = outer.row(y + 1);
    Span interior{std::max({shape.left + 1, above.left, below.left}),
                  std::min({shape.right - 1, above.right, below.right})};
    if (isEmpty(above) || isEmpty(below)) interior = {};
    if (penWidth > 1) {
      const Span shrunk = inner.row(y);
      interior = {std::max(interior.left, shrunk.left), std::min(interior.right, shrunk.right)};
      if (isEmpty(shrunk)) interior = {};
      // A wide pen paints each pixel once: the brush inside, the pen on the band.
      if (filled) paintRun(target(), y, interior.left, interior.right, brushOp);
    } else if (filled) {
      // A one-pixel pen draws its outline over the filled shape.
      paintRun(target(), y, shape.left, shape.right, brushOp);
    }
    if (isEmpty(interior)) {
      paintRun(target(), y, shape.left, shape.right, penOp);
    } else {
      paintRun(target(), y, shape.left, interior.left, penOp);
      paintRun(target(), y, interior.right, shape.right, penOp);
    }
  }
  markDirty({static_cast<int>(std::max<std::int64_t>(left, 0)), static_cast<int>(firstRow),
             static_cast<int>(std::min<std::int64_t>(right, width())),
             static_cast<int>(endRow)});
}

}  // namespace orvane
