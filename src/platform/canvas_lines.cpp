#include "platform/canvas.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "platform/capsule.h"
#include "platform/colour4.h"
#include "platform/mix_op.h"
#include "platform/thin_line.h"

namespace orvane {

void Canvas::LineTo(int x, int y) {
  const Point from = position_;
  position_ = {x, y};
  if (pen.style == PenStyle::Clear) return;
  if (pen.width <= 1) {
    thinLine(from, position_);
  } else {
    wideLine(from, position_);
  }
}

void Canvas::thinLine(Point from, Point to) {
  const ThinRun run = clipThinLine(from, to, clip());
  if (run.count == 0) return;
  const MixOp op = MixOp::of(pen.mode, pen.color);
  withPainter(op, [&](const auto& painter) { paintThinRun(target(), run, painter); });
  if (op.isNop()) return;
  dirty_.unite({std::min(run.first.x, run.last.x), std::min(run.first.y, run.last.y),
                std::max(run.first.x, run.last.x) + 1, std::max(run.first.y, run.last.y) + 1});
}

void Canvas::wideLine(Point from, Point to) {
  const MixOp op = MixOp::of(pen.mode, pen.color);
  if (op.isNop()) return;
  capsuleSpans(from, to, pen.width, clip(), spans_);
  withPainter(op, [&](const auto& painter) { paintSpans(target(), spans_, painter, veille); });
  dirty_.unite(spans_.bounds());
}

void Canvas::paintMoved(const RowSpans& shape, std::int64_t dx, std::int64_t dy) {
  const MixOp op = MixOp::of(pen.mode, pen.color);
  if (op.isNop() || shape.bounds().empty()) return;
  const Rect& b = shape.bounds();
  const std::int64_t w = width();
  const Rect band = clip();
  // Rows and columns of the moved shape that fall on the band.
  const std::int64_t first = std::max<std::int64_t>(b.top, band.top - dy);
  const std::int64_t last = std::min<std::int64_t>(b.bottom, band.bottom - dy);
  if (first >= last || b.left + dx >= w || b.right + dx <= 0) return;
  const std::vector<Span>& rows = shape.rows();
  Rect touched{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  withPainter(op, [&](const auto& painter) {
    for (std::int64_t y = first; y < last; ++y) {
      const Span& s = rows[static_cast<std::size_t>(y - shape.top())];
      const std::int64_t l = std::max<std::int64_t>(s.left + dx, 0);
      const std::int64_t r = std::min<std::int64_t>(s.right + dx, w);
      if (l >= r) continue;
      painter.span(target().row(static_cast<int>(y + dy)) + l, static_cast<int>(r - l));
      veiller_pixels(veille, r - l);
      touched.left = std::min(touched.left, static_cast<int>(l));
      touched.right = std::max(touched.right, static_cast<int>(r));
      touched.top = std::min(touched.top, static_cast<int>(y + dy));
      touched.bottom = static_cast<int>(y + dy + 1);
    }
  });
  if (touched.left < touched.right) dirty_.unite(touched);
}

void Canvas::paintMovedRow(const RowSpans& shape, const std::vector<std::int64_t>& dx) {
  const MixOp once = MixOp::of(pen.mode, pen.color);
  if (once.isNop() || shape.bounds().empty() || dx.empty()) return;
  // Any mix applied three times acts as once, so two cases remain.
  const MixOp twice{once.keep, (once.flip & once.keep) ^ once.flip};
  const std::int64_t w = width();
  const Rect& b = shape.bounds();
  const Rect band = clip();
  const int first = std::max(b.top, band.top);
  const int last = std::min(b.bottom, band.bottom);
  const std::size_t n = dx.size();
  Rect touched{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  auto paint = [&](Colour* row, std::int64_t l, std::int64_t r, std::size_t m) {
    l = std::max<std::int64_t>(l, 0);
    r = std::min<std::int64_t>(r, w);
    if (m == 0 || l >= r) return false;
    withPainter(m % 2 == 1 ? once : twice, [&](const auto& painter) {
      painter.span(row + l, static_cast<int>(r - l));
    });
    touched.left = std::min(touched.left, static_cast<int>(l));
    touched.right = std::max(touched.right, static_cast<int>(r));
    return true;
  };
  for (int y = first; y < last; ++y) {
    const Span& s = shape.rows()[static_cast<std::size_t>(y - shape.top())];
    if (s.right <= s.left) continue;
    Colour* row = target().row(y);
    // Starts and ends both ascend with dx: walk them together, counting the shapes over
    // each stretch of the row.
    std::size_t starts = 0, ends = 0;
    std::int64_t at = s.left + dx[0];
    bool any = false;
    while (ends < n) {
      const std::int64_t nextStart = starts < n ? s.left + dx[starts] : INT64_MAX;
      const std::int64_t nextEnd = s.right + dx[ends];
      const std::int64_t next = std::min(nextStart, nextEnd);
      any = paint(row, at, next, starts - ends) || any;
      at = next;
      if (nextStart == next) ++starts;
      if (nextEnd == next) ++ends;
    }
    if (any) {
      touched.top = std::min(touched.top, y);
      touched.bottom = y + 1;
    }
    veiller_pixels(veille, std::min<std::int64_t>(
                               w, (std::int64_t{s.right} - s.left) * std::int64_t(n)));
  }
  dirty_.unite(touched);
}

void Canvas::paintComposed(const ComposedShape& shape, const std::vector<std::int64_t>& dx) {
  const std::int64_t w = width();
  const Rect band = clip();
  const int first = std::max(shape.top(), band.top);
  const int last = std::min(shape.top() + static_cast<int>(shape.rows().size()), band.bottom);
  const Colour* keep = shape.keep().data();
  const Colour* flip = shape.flip().data();
  Rect touched{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  // Row by row, every place in its order along the row: the places of one row are
  // painted in the order given, and each row is read from memory once.
  for (int y = first; y < last; ++y) {
    const ComposedShape::Row& r = shape.rows()[static_cast<std::size_t>(y - shape.top())];
    if (r.left >= r.right) continue;
    Colour* row = target().row(y);
    for (const std::int64_t d : dx) {
      const std::int64_t l = std::max<std::int64_t>(r.left + d, 0);
      const std::int64_t e = std::min<std::int64_t>(r.right + d, w);
      if (l >= e) continue;
      const std::size_t cell = r.first + static_cast<std::size_t>(l - d - r.left);
      Colour* p = row + l;
      const Colour* k = keep + cell;
      const Colour* f = flip + cell;
      const int n = static_cast<int>(e - l);
      int i = 0;
      for (; i + 4 <= n; i += 4) {
        Colour4& v = *reinterpret_cast<Colour4*>(p + i);
        v = (v & *reinterpret_cast<const Colour4*>(k + i)) ^
            *reinterpret_cast<const Colour4*>(f + i);
      }
      for (; i < n; ++i) p[i] = (p[i] & k[i]) ^ f[i];
      veiller_pixels(veille, n);
      touched.left = std::min(touched.left, static_cast<int>(l));
      touched.right = std::max(touched.right, static_cast<int>(e));
      touched.top = std::min(touched.top, y);
      touched.bottom = y + 1;
    }
  }
  dirty_.unite(touched);
}

}  // namespace orvane
