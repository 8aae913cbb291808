#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"
#include "platform/composed_shape.h"
#include "platform/mix_mode.h"
#include "platform/point.h"
#include "platform/row_spans.h"
#include "platform/veille.h"

namespace orvane {

enum class PenStyle : std::uint8_t { Solid, Clear };
enum class BrushStyle : std::uint8_t { Solid, Clear };
enum class FloodFillType : std::uint8_t { Surface, Border };

struct Pen {
  Colour color = 0x000000;
  int width = 1;  // 0 and 1 both draw the one-pixel line
  PenStyle style = PenStyle::Solid;
  int mode = R2_COPYPEN;  // mix mode code 0..15
};

struct Brush {
  Colour color = 0xFFFFFF;
  BrushStyle style = BrushStyle::Solid;
};

// The one drawing surface: a bitmap with a pen, a brush and a current position.
// Pen and brush stay as the last operation set them. Every operation records the
// rectangle it may have changed, so the screen converts only that part. Painting keeps to
// a band of rows, the whole height unless told otherwise; what a shape looks like never
// depends on the band, only which of its rows are painted.
class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Colour fill = 0);
  // Filled and then drawn under the watch.
  Canvas(int width, int height, Colour fill, Veille* veille);
  // Paints on `shared`, which the caller keeps, in rows [top, bottom) only: one band of a
  // picture that several threads draw at once, each band on its own canvas.
  Canvas(Bitmap& shared, int top, int bottom, Veille* veille);

  Pen pen;
  Brush brush;
  // Watches a re-drawing's long operations, row by row; none on the screen.
  Veille* veille = nullptr;

  int width() const { return target().width(); }
  int height() const { return target().height(); }
  const Bitmap& bitmap() const { return target(); }
  // Direct pixel access; the caller keeps to clip() and marks what it changed with
  // markDirty.
  Bitmap& bitmap() { return target(); }

  // Paints rows [top, bottom) only from now on.
  void clipRows(int top, int bottom) {
    clipTop_ = top;
    clipBottom_ = bottom;
  }
  // The pixels painting may change: the band's rows within the bitmap.
  Rect clip() const {
    return Rect{0, clipTop_, width(), clipBottom_}.intersected(target().bounds());
  }

  Point position() const { return position_; }
  void MoveTo(int x, int y) { position_ = {x, y}; }
  // Draws from the current position to (x, y) with the pen, then moves there. Widths 0
  // and 1: one pixel per step of the major axis, the last pixel left out. Wider pens: the
  // round-capped shape of capsule.h, each pixel painted once. A clear pen only moves.
  void LineTo(int x, int y);

  // Paints `shape` (from capsuleSpans) moved by (dx, dy) with the pen's colour and mix
  // mode, clipped: a wide line moved by whole pixels, without rasterising it again.
  void paintMoved(const RowSpans& shape, std::int64_t dx, std::int64_t dy);

  // Paints `shape` (from capsuleSpans) moved right by each of `dx` in turn (ascending),
  // with the pen: each row in one sweep, where a pixel under m of the moved shapes gets
  // the pen's mix once when m is odd and twice when m is even, as m paints would give.
  void paintMovedRow(const RowSpans& shape, const std::vector<std::int64_t>& dx);

  // Applies a composition of paints (its rows are canvas rows) moved right by each of
  // `dx` in turn, clipped; the pen is not used.
  void paintComposed(const ComposedShape& shape, const std::vector<std::int64_t>& dx);

  // Inside columns l..r-1 and rows t..b-1: inside with the brush, outline with the pen,
  // both through the pen's mix mode. A box given with its sides swapped is put in order.
  void Ellipse(int l, int t, int r, int b);
  // The brush colour over [l, r) x [t, b), whatever the brush style.
  void FillRect(int l, int t, int r, int b);

  // CLR_INVALID outside the bitmap.
  Colour Pixels(int x, int y) const { return target().pixel(x, y); }

  // 4-connected flood fill with the brush colour. Surface: the area of colour c around
  // (x, y); Border: everything up to pixels of colour c. It reads and paints the whole
  // bitmap, whatever the band: a fill is drawn alone.
  void FloodFill(int x, int y, Colour c, FloodFillType type);

  // Copies a bitmap at its own size with its top-left corner at (x, y), clipped.
  void Draw(int x, int y, const Bitmap& source);

  // The rectangle changed since the last call, and forget it.
  Rect takeDirty();
  void markDirty(const Rect& r);

 private:
  void thinLine(Point from, Point to);
  void wideLine(Point from, Point to);
  Bitmap& target() { return shared_ != nullptr ? *shared_ : bitmap_; }
  const Bitmap& target() const { return shared_ != nullptr ? *shared_ : bitmap_; }

  Bitmap bitmap_;
  Bitmap* shared_ = nullptr;  // painted instead of bitmap_ when set
  int clipTop_ = 0;
  int clipBottom_ = INT_MAX;
  Point position_;
  Rect dirty_;
  RowSpans spans_;  // reused by every wide line, to spare an allocation per call
};

}  // namespace orvane
