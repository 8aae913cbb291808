#include "platform/row_spans.h"

namespace orvane {

Rect RowSpans::bounds() const {
  Rect box;
  int y = top;
  for (const Span& s : rows) {
    if (s.right > s.left) box.unite({s.left, y, s.right, y + 1});
    ++y;
  }
  return box;
}

}  // namespace orvane
