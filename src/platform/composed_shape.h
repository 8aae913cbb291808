#pragma once

#include <cstdint>
#include <vector>

#include "platform/colour.h"
#include "platform/mix_op.h"
#include "platform/row_spans.h"

namespace orvane {

// Several shapes painted one after the other, composed into one. A mix mode with its pen
// fixed keeps, clears, sets or inverts each bit, and a sequence of such paints over a pixel
// is again one: (d & k1 ^ f1) & k2 ^ f2 = d & (k1 & k2) ^ (f1 & k2 ^ f2). So overlapping
// shapes in different colours and modes reduce to one keep/flip pair per pixel, which can
// then be applied at many places for the price of one pass over the covered pixels.
class ComposedShape {
 public:
  // Starts a composition over rows [top, bottom); `shape` moved by (dx, dy) for every dx,
  // dy given to add() afterwards must be announced first with reserve() so that each row
  // knows its extent.
  void begin(int top, int bottom);
  void reserve(const RowSpans& shape, std::int64_t dx, std::int64_t dy);
  // Allocates the rows; false when the cells would exceed `maxCells` (nothing composed).
  bool allocate(std::size_t maxCells);
  // Paints `shape` moved by (dx, dy) with op, after what was added before.
  void add(const RowSpans& shape, std::int64_t dx, std::int64_t dy, const MixOp& op);

  // Follows this composition with `next`, painted after it over the same cells; false,
  // with nothing changed, when `next` does not cover the same cells.
  bool then(const ComposedShape& next);
  // The widest row, in cells, as allocate() found it.
  std::int64_t widestRow() const { return widest_; }

  struct Row {
    std::int64_t left = 0;   // column of the first cell
    std::int64_t right = 0;  // one past the last cell
    std::size_t first = 0;   // index of the first cell in keep/flip
    bool operator==(const Row&) const = default;
  };
  int top() const { return top_; }
  const std::vector<Row>& rows() const { return rows_; }
  const std::vector<Colour>& keep() const { return keep_; }
  const std::vector<Colour>& flip() const { return flip_; }

 private:
  int top_ = 0;
  std::vector<Row> rows_;
  std::vector<Colour> keep_;
  std::vector<Colour> flip_;
  std::int64_t widest_ = 0;
};

}  // namespace orvane
