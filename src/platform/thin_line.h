#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/point.h"

namespace orvane {

// The part of a one-pixel line that falls inside a clip rectangle, ready to be stepped:
// `count` pixels from `first`, one step of the major axis per pixel, and a step of the
// minor axis after a pixel whenever `error` > 0 (error then loses `majorTwice`; it gains
// `minorTwice` after every pixel).
struct ThinRun {
  Point first;
  Point last;
  int count = 0;
  bool xMajor = true;
  int majorSign = 1;
  int minorSign = 1;
  std::int64_t error = 0;  // with the octant's tie-breaking bias already added
  std::int64_t minorTwice = 0;
  std::int64_t majorTwice = 0;
};

// The line from `from` to `to`, first pixel included and last excluded, clipped to `clip`
// without stepping the pixels outside it; count 0 when nothing is left.
ThinRun clipThinLine(Point from, Point to, const Rect& clip);

// Steps a run over a bitmap whose bounds hold the run.
template <class Painter>
void paintThinRun(Bitmap& bitmap, const ThinRun& run, const Painter& painter) {
  const std::ptrdiff_t stride = bitmap.width();
  const std::ptrdiff_t xStep = run.xMajor ? run.majorSign : run.minorSign;
  const std::ptrdiff_t yStep = (run.xMajor ? run.minorSign : run.majorSign) * stride;
  const std::ptrdiff_t majorStep = run.xMajor ? xStep : yStep;
  const std::ptrdiff_t minorStep = run.xMajor ? yStep : xStep;
  Colour* p = bitmap.row(run.first.y) + run.first.x;
  std::int64_t error = run.error;
  for (int i = 0; i < run.count; ++i) {
    painter.pixel(p);
    if (error > 0) {
      p += minorStep;
      error -= run.majorTwice;
    }
    error += run.minorTwice;
    p += majorStep;
  }
}

}  // namespace orvane
