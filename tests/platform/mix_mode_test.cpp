#include <gtest/gtest.h>

#include <string>

#include "platform/canvas.h"

namespace orvane {
namespace {

// Each mode written out as its own bit formula, on the 24 colour bits.
Colour expectedMix(int mode, Colour p, Colour d) {
  const Colour all = 0xFFFFFF;
  switch (mode) {
    case R2_BLACK: return 0;
    case R2_WHITE: return all;
    case R2_NOP: return d;
    case R2_NOT: return ~d & all;
    case R2_COPYPEN: return p;
    case R2_NOTCOPYPEN: return ~p & all;
    case R2_MERGEPENNOT: return (p | ~d) & all;
    case R2_MASKPENNOT: return p & ~d & all;
    case R2_MERGENOTPEN: return (~p | d) & all;
    case R2_MASKNOTPEN: return ~p & d & all;
    case R2_MERGEPEN: return p | d;
    case R2_NOTMERGEPEN: return ~(p | d) & all;
    case R2_MASKPEN: return p & d;
    case R2_NOTMASKPEN: return ~(p & d) & all;
    case R2_XORPEN: return p ^ d;
    case R2_NOTXORPEN: return ~(p ^ d) & all;
  }
  return 0xDEADBEEF;
}

// Every mode on every pair of the table, through the three kinds of drawing that use the
// pen's mode: a one-pixel line, a wide line and an ellipse's brush and outline.
TEST(MixMode, AllSixteenModesOnAColourTable) {
  const Colour colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000,
                            0x123456, 0xA5A5A5, 0x5A0FF0};
  for (int mode = 0; mode < 16; ++mode) {
    for (const Colour p : colours) {
      for (const Colour d : colours) {
        SCOPED_TRACE("mode " + std::to_string(mode) + " pen " + std::to_string(p) +
                     " destination " + std::to_string(d));
        const Colour want = expectedMix(mode, p, d);
        Canvas canvas(16, 8, d);
        canvas.pen = {p, 1, PenStyle::Solid, mode};
        canvas.MoveTo(0, 0);
        canvas.LineTo(16, 0);
        canvas.pen.width = 3;
        canvas.MoveTo(2, 4);
        canvas.LineTo(13, 4);
        for (int x = 0; x < 16; ++x) ASSERT_EQ(canvas.Pixels(x, 0), want) << "thin, x " << x;
        for (int x = 3; x < 13; ++x) ASSERT_EQ(canvas.Pixels(x, 4), want) << "wide, x " << x;
        ASSERT_EQ(canvas.Pixels(0, 7), d);

        Canvas ellipse(8, 8, d);
        ellipse.pen = {p, 1, PenStyle::Solid, mode};
        ellipse.brush.color = p;
        ellipse.pen.width = 2;  // each pixel once: pen band and brush inside, same colour
        ellipse.Ellipse(0, 0, 8, 8);
        ASSERT_EQ(ellipse.Pixels(4, 4), want);
        ASSERT_EQ(ellipse.Pixels(0, 4), want);
        ASSERT_EQ(ellipse.Pixels(0, 0), d);
      }
    }
  }
}

TEST(MixMode, StoredTopByteStaysZero) {
  for (int mode = 0; mode < 16; ++mode) {
    Canvas canvas(4, 4, 0xFFFFFF);
    canvas.pen = {0xFF00FF00u, 1, PenStyle::Solid, mode};  // stray top byte in the pen
    canvas.brush.color = 0xFF0000FFu;
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 1);
    canvas.pen.width = 2;
    canvas.LineTo(0, 3);
    canvas.Ellipse(0, 0, 4, 4);
    canvas.FillRect(0, 0, 1, 1);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) EXPECT_EQ(canvas.Pixels(x, y) >> 24, 0u) << "mode " << mode;
    }
  }
}

}  // namespace
}  // namespace orvane
