#include "platform/canvas.h"

#include <algorithm>

#include "platform/capsule.h"
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
  const ThinRun run = clipThinLine(from, to, bitmap_.bounds());
  if (run.count == 0) return;
  const MixOp op = MixOp::of(pen.mode, pen.color);
  withPainter(op, [&](const auto& painter) { paintThinRun(bitmap_, run, painter); });
  if (op.isNop()) return;
  dirty_.unite({std::min(run.first.x, run.last.x), std::min(run.first.y, run.last.y),
                std::max(run.first.x, run.last.x) + 1, std::max(run.first.y, run.last.y) + 1});
}

void Canvas::wideLine(Point from, Point to) {
  const MixOp op = MixOp::of(pen.mode, pen.color);
  if (op.isNop()) return;
  capsuleSpans(from, to, pen.width, bitmap_.bounds(), spans_);
  withPainter(op, [&](const auto& painter) { paintSpans(bitmap_, spans_, painter); });
  dirty_.unite(spans_.bounds());
}

}  // namespace orvane
