#pragma once

#include <algorithm>

#include "platform/colour.h"
#include "platform/colour4.h"
#include "platform/mix_mode.h"

namespace orvane {

// A mix mode with its pen colour fixed. For each bit the result either is a constant or
// the destination bit, kept or inverted, so every mode is (d & keep) ^ flip with two masks
// worked out once per call from melange().
struct MixOp {
  Colour keep = 0;
  Colour flip = 0;

  static constexpr MixOp of(int mode, Colour pen) {
    const Colour on_black = melange(mode, pen, 0);
    const Colour on_white = melange(mode, pen, 0xFFFFFFu);
    return {on_black ^ on_white, on_black};
  }
  constexpr bool isNop() const { return keep == 0xFFFFFFu && flip == 0; }
  constexpr Colour apply(Colour d) const { return (d & keep) ^ flip; }
};

// Painters: one pixel or a run of n pixels. Each is chosen once per call so that the inner
// loops carry no switch on the mode.
struct SetPainter {
  Colour colour;
  void pixel(Colour* p) const { *p = colour; }
  void span(Colour* p, int n) const {
    if (n < 4) {
      for (int i = 0; i < n; ++i) p[i] = colour;
      return;
    }
    const Colour4 c = {colour, colour, colour, colour};
    // The last four stored separately, overlapping the loop's last store if need be.
    for (int i = 0; i + 4 < n; i += 4) *reinterpret_cast<Colour4*>(p + i) = c;
    *reinterpret_cast<Colour4*>(p + n - 4) = c;
  }
};

// Runs a read-modify-write function over a span, four pixels at a time. The last four to
// seven are two overlapping fours, both read before either is written: the pixels they
// share then get the function once, with no loop over single pixels.
template <class Mix>
[[gnu::always_inline]] inline void mixSpan(Colour* p, int n, Mix mix) {
  if (n < 4) {
    for (int i = 0; i < n; ++i) p[i] = mix(p[i]);
    return;
  }
  int i = 0;
  for (; i + 8 <= n; i += 4) {
    Colour4& v = *reinterpret_cast<Colour4*>(p + i);
    v = mix(v);
  }
  Colour4& a = *reinterpret_cast<Colour4*>(p + i);
  Colour4& b = *reinterpret_cast<Colour4*>(p + n - 4);
  const Colour4 ma = mix(a);
  const Colour4 mb = mix(b);
  a = ma;
  b = mb;
}

struct XorPainter {
  Colour mask;
  void pixel(Colour* p) const { *p = (*p ^ mask) & 0xFFFFFFu; }
  void span(Colour* p, int n) const {
    mixSpan(p, n, [m = mask](auto d) { return (d ^ m) & 0xFFFFFFu; });
  }
};

struct MaskPainter {
  MixOp op;
  void pixel(Colour* p) const { *p = op.apply(*p); }
  void span(Colour* p, int n) const {
    mixSpan(p, n, [k = op.keep, f = op.flip](auto d) { return (d & k) ^ f; });
  }
};

// Calls f with the fastest painter for op; does nothing when op leaves pixels unchanged.
template <class F>
void withPainter(const MixOp& op, F&& f) {
  if (op.isNop()) return;
  if (op.keep == 0) {
    f(SetPainter{op.flip});
  } else if (op.keep == 0xFFFFFFu) {
    f(XorPainter{op.flip});
  } else {
    f(MaskPainter{op});
  }
}

}  // namespace orvane
