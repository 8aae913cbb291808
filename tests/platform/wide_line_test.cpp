#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "picture_compare.h"
#include "platform/canvas.h"
#include "platform/capsule.h"
#include "reference_drawing.h"

namespace orvane {
namespace {

constexpr Colour kInk = 0x3366CC;

Canvas inkCanvas(int width, int height, int penWidth) {
  Canvas canvas(width, height, 0);
  canvas.pen.color = kInk;
  canvas.pen.width = penWidth;
  return canvas;
}

void line(Canvas& canvas, Point a, Point b) {
  canvas.MoveTo(a.x, a.y);
  canvas.LineTo(b.x, b.y);
}

void fillWithNoise(Canvas& canvas, std::mt19937& random) {
  std::uniform_int_distribution<Colour> colour(0, 0xFFFFFF);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) canvas.bitmap().setPixel(x, y, colour(random));
  }
}

TEST(WideLine, HorizontalAndVerticalLinesAreExactlyTheirWidth) {
  for (int w = 2; w <= 13; ++w) {
    SCOPED_TRACE("width " + std::to_string(w));
    // Odd widths centre on the line; even ones take one more row below than above.
    const int above = (w - 1) / 2;
    Canvas horizontal = inkCanvas(60, 40, w);
    line(horizontal, {20, 20}, {40, 20});
    Canvas vertical = inkCanvas(40, 60, w);
    line(vertical, {20, 20}, {20, 40});
    for (int x = 0; x < 60; ++x) {
      int rows = 0;
      int firstRow = -1;
      for (int y = 0; y < 40; ++y) {
        if (horizontal.Pixels(x, y) == kInk) {
          if (firstRow < 0) firstRow = y;
          ++rows;
        }
      }
      if (x >= 20 && x <= 40) {
        EXPECT_EQ(rows, w) << "column " << x;
        EXPECT_EQ(firstRow, 20 - above) << "column " << x;
      }
      // Vertical: the transposed picture.
      for (int y = 0; y < 40 && x < 40; ++y) {
        EXPECT_EQ(vertical.Pixels(y, x), horizontal.Pixels(x, y)) << x << "," << y;
      }
    }
  }
}

// The fast span rasteriser against the definition tested pixel by pixel in exact integer
// arithmetic; pixels exactly on the edge may go either way.
TEST(WideLine, SpansMatchDistanceDefinition) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int> coord(-15, 55);
  std::uniform_int_distribution<int> width(2, 24);
  for (int i = 0; i < 1500; ++i) {
    const Point a{coord(random), coord(random)};
    const Point b = i % 10 == 0 ? a : Point{coord(random), coord(random)};
    const int w = width(random);
    Canvas canvas = inkCanvas(40, 36, w);
    line(canvas, a, b);
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) {
        bool onEdge = false;
        const bool inside = test::referenceInCapsule(a, b, w, x, y, onEdge);
        if (onEdge) continue;
        ASSERT_EQ(canvas.Pixels(x, y) == kInk, inside)
            << "pixel (" << x << "," << y << ") of (" << a.x << "," << a.y << ")-(" << b.x
            << "," << b.y << ") width " << w;
      }
    }
  }
}

TEST(WideLine, ReverseDrawsTheSamePixels) {
  std::mt19937 random(6);
  std::uniform_int_distribution<int> coord(-20, 80);
  std::uniform_int_distribution<int> width(2, 30);
  for (int i = 0; i < 500; ++i) {
    const Point a{coord(random), coord(random)};
    const Point b{coord(random), coord(random)};
    const int w = width(random);
    Canvas forward = inkCanvas(64, 64, w);
    Canvas backward = inkCanvas(64, 64, w);
    line(forward, a, b);
    line(backward, b, a);
    ASSERT_TRUE(test::samePicture(forward.bitmap(), backward.bitmap(), "wide_reverse"))
        << "width " << w;
  }
}

TEST(WideLine, ZeroLengthIsRoundDotOfTheWidth) {
  struct DotCase {
    int width;
    const char* rows;  // the dot as drawn around (4, 4) on a 9x9 canvas
  };
  const DotCase cases[] = {
      {2, "........."
          "........."
          "........."
          "........."
          "....##..."
          "....##..."
          "........."
          "........."
          "........."},
      {3, "........."
          "........."
          "........."
          "...###..."
          "...###..."
          "...###..."
          "........."
          "........."
          "........."},
      {4, "........."
          "........."
          "........."
          "....##..."
          "...####.."
          "...####.."
          "....##..."
          "........."
          "........."},
      {5, "........."
          "........."
          "...###..."
          "..#####.."
          "..#####.."
          "..#####.."
          "...###..."
          "........."
          "........."},
  };
  for (const DotCase& c : cases) {
    Canvas canvas = inkCanvas(9, 9, c.width);
    line(canvas, {4, 4}, {4, 4});
    Bitmap expected(9, 9, 0);
    for (int i = 0; i < 81; ++i) {
      if (c.rows[i] == '#') expected.setPixel(i % 9, i / 9, kInk);
    }
    EXPECT_TRUE(test::samePicture(canvas.bitmap(), expected,
                                  "dot_width_" + std::to_string(c.width)));
  }
}

TEST(WideLine, XorTwiceRestoresThePicture) {
  std::mt19937 random(8);
  std::uniform_int_distribution<int> coord(-30, 130);
  std::uniform_int_distribution<int> width(2, 40);
  Canvas canvas(100, 90, 0);
  fillWithNoise(canvas, random);
  const Bitmap before = canvas.bitmap();
  canvas.pen.mode = R2_XORPEN;
  canvas.pen.color = 0xA5F00F;
  for (int i = 0; i < 300; ++i) {
    canvas.pen.width = width(random);
    const Point a{coord(random), coord(random)};
    // One in five is a zero-length dot.
    const Point b = i % 5 == 0 ? a : Point{coord(random), coord(random)};
    line(canvas, a, b);
    const Bitmap once = canvas.bitmap();
    ASSERT_FALSE(once == before && a.x >= 0 && a.x < 100 && a.y >= 0 && a.y < 90)
        << "the first drawing changed nothing";
    line(canvas, a, b);
    ASSERT_TRUE(test::samePicture(canvas.bitmap(), before, "wide_xor_twice"))
        << "line " << i << " width " << canvas.pen.width;
  }
}

TEST(WideLine, HugePenAndFarCoordinatesTouchOnlyTheCanvas) {
  // A pen wider than the canvas: every pixel within reach is painted, once.
  Canvas canvas = inkCanvas(50, 40, 100000);
  canvas.pen.mode = R2_XORPEN;
  line(canvas, {25, 20}, {26, 20});
  EXPECT_TRUE(test::samePicture(canvas.bitmap(), Bitmap(50, 40, kInk), "huge_pen"));
  EXPECT_EQ(canvas.takeDirty(), (Rect{0, 0, 50, 40}));

  // Far ends: the visible band of a horizontal width-6 line at y = 10.
  Canvas far = inkCanvas(50, 40, 6);
  line(far, {-2000000000, 10}, {2000000000, 10});
  Bitmap expected(50, 40, 0);
  for (int y = 8; y <= 13; ++y) {
    for (int x = 0; x < 50; ++x) expected.setPixel(x, y, kInk);
  }
  EXPECT_TRUE(test::samePicture(far.bitmap(), expected, "far_wide"));

  // Entirely outside, with a wide pen and far coordinates: nothing, no dirt.
  Canvas outside = inkCanvas(50, 40, 30);
  line(outside, {-2000000000, -2000000000}, {2000000000, -1000});
  EXPECT_TRUE(test::samePicture(outside.bitmap(), Bitmap(50, 40, 0), "outside_wide"));
  EXPECT_TRUE(outside.takeDirty().empty());
}

// A line rasterised once and painted moved by whole pixels, near or far from the canvas,
// gives exactly what LineTo gives for the moved line: clones and shadow lines rely on it.
TEST(WideLine, ShapeMovedByWholePixelsIsTheMovedLine) {
  std::mt19937 g(77);
  const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
  for (int essai = 0; essai < 3000; ++essai) {
    const int loin = essai % 4 == 0 ? 2000000000 : 300;
    const Point a{entre(-loin, loin), entre(-200, 300)};
    const Point b = essai % 7 == 0 ? a : Point{entre(-loin, loin), entre(-200, 300)};
    const int width = entre(2, 40);
    const int dx = entre(-400, 400), dy = entre(-150, 150);
    const long long ax = static_cast<long long>(a.x) + dx, bx = static_cast<long long>(b.x) + dx;
    if (ax < INT32_MIN || ax > INT32_MAX || bx < INT32_MIN || bx > INT32_MAX) continue;
    Canvas attendue(120, 90, 0x102030), obtenue = attendue;
    attendue.pen.width = obtenue.pen.width = width;
    attendue.pen.mode = obtenue.pen.mode = R2_XORPEN;
    attendue.pen.color = obtenue.pen.color = 0xA5F00F;
    attendue.MoveTo(static_cast<int>(ax), a.y + dy);
    attendue.LineTo(static_cast<int>(bx), b.y + dy);
    RowSpans forme;
    capsuleSpans(a, b, width, {INT32_MIN + 2, -400, INT32_MAX - 2, 500}, forme);
    obtenue.paintMoved(forme, dx, dy);
    ASSERT_TRUE(test::samePicture(obtenue.bitmap(), attendue.bitmap(), "moved_shape"))
        << "trial " << essai;
    ASSERT_EQ(obtenue.takeDirty(), attendue.takeDirty()) << "trial " << essai;
  }
}

}  // namespace
}  // namespace orvane
