#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "picture_compare.h"
#include "platform/canvas.h"
#include "reference_drawing.h"

namespace orvane {
namespace {

constexpr Colour kInk = 0x00C0FFEE & 0xFFFFFF;

std::set<std::pair<int, int>> inkedPixels(const Canvas& canvas, Point shift = {}) {
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.Pixels(x, y) != 0) pixels.insert({x - shift.x, y - shift.y});
    }
  }
  return pixels;
}

struct OctantCase {
  const char* name;
  Point to;
  std::vector<std::pair<int, int>> pixels;  // relative to the start
};

// Worked by hand from the stepping rule: error starts at 2*minor - major, the minor axis
// steps when error + bias > 0, bias 1 in octants 3, 5, 6 and 8.
const OctantCase kOctantCases[] = {
    {"octant1", {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
    {"octant2", {2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
    {"octant3", {-2, 4}, {{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}}},
    {"octant4", {-4, 2}, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}}},
    {"octant5", {-4, -2}, {{0, 0}, {-1, -1}, {-2, -1}, {-3, -2}}},
    {"octant6", {-2, -4}, {{0, 0}, {-1, -1}, {-1, -2}, {-2, -3}}},
    {"octant7", {2, -4}, {{0, 0}, {0, -1}, {1, -2}, {1, -3}}},
    {"octant8", {4, -2}, {{0, 0}, {1, -1}, {2, -1}, {3, -2}}},
    {"diagonal", {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
    {"right", {3, 0}, {{0, 0}, {1, 0}, {2, 0}}},
    {"left", {-3, 0}, {{0, 0}, {-1, 0}, {-2, 0}}},
    {"down", {0, 3}, {{0, 0}, {0, 1}, {0, 2}}},
    {"up", {0, -3}, {{0, 0}, {0, -1}, {0, -2}}},
    {"single_step", {1, 0}, {{0, 0}}},
    {"zero_length", {0, 0}, {}},
};

TEST(ThinLine, OctantsTiesAndExcludedLastPixel) {
  for (const int width : {0, 1}) {
    for (const OctantCase& c : kOctantCases) {
      SCOPED_TRACE(std::string(c.name) + " width " + std::to_string(width));
      Canvas canvas(13, 13, 0);
      canvas.pen.color = kInk;
      canvas.pen.width = width;
      canvas.MoveTo(6, 6);
      canvas.LineTo(6 + c.to.x, 6 + c.to.y);
      const std::set<std::pair<int, int>> expected(c.pixels.begin(), c.pixels.end());
      EXPECT_EQ(inkedPixels(canvas, Point{6, 6}), expected);
      EXPECT_EQ(canvas.position(), (Point{6 + c.to.x, 6 + c.to.y}));
    }
  }
}

// The tie rule makes a line and its reverse cover the same pixels once both end points
// are counted.
TEST(ThinLine, ReverseCoversSamePixelsWithEndPoints) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coord(0, 30);
  for (int i = 0; i < 2000; ++i) {
    const Point a{coord(random), coord(random)};
    const Point b{coord(random), coord(random)};
    if (a == b) continue;
    Canvas forward(31, 31, 0);
    Canvas backward(31, 31, 0);
    forward.pen.color = backward.pen.color = kInk;
    forward.MoveTo(a.x, a.y);
    forward.LineTo(b.x, b.y);
    forward.bitmap().setPixel(b.x, b.y, kInk);
    backward.MoveTo(b.x, b.y);
    backward.LineTo(a.x, a.y);
    backward.bitmap().setPixel(a.x, a.y, kInk);
    ASSERT_TRUE(test::samePicture(forward.bitmap(), backward.bitmap(), "thin_reverse"))
        << "(" << a.x << "," << a.y << ") - (" << b.x << "," << b.y << ")";
  }
}

// The clipped fast path against the literal stepping of the whole line, for lines that
// start, end or pass outside the canvas on every side.
TEST(ThinLine, ClippedPathMatchesLiteralStepping) {
  struct Range {
    int lo;
    int hi;
    int lines;
  };
  std::mt19937 random(11);
  for (const Range& range : {Range{-20, 60, 3000}, Range{-3000, 3000, 1500},
                             Range{-100000, 100000, 60}}) {
    std::uniform_int_distribution<int> coord(range.lo, range.hi);
    for (int i = 0; i < range.lines; ++i) {
      const Point a{coord(random), coord(random)};
      const Point b{coord(random), coord(random)};
      Canvas canvas(41, 29, 0);
      canvas.pen.color = kInk;
      canvas.MoveTo(a.x, a.y);
      canvas.LineTo(b.x, b.y);
      Bitmap expected(41, 29, 0);
      test::referenceThinLine(expected, a, b, kInk);
      ASSERT_TRUE(test::samePicture(canvas.bitmap(), expected, "thin_clipped"))
          << "(" << a.x << "," << a.y << ") - (" << b.x << "," << b.y << ")";
    }
  }
}

// Lines with ends two billion pixels away, whose pixels follow from the rule in closed
// form: they finish at once and draw exactly the visible part.
TEST(ThinLine, FarOutsideCoordinatesAreClippedExactly) {
  struct FarCase {
    const char* name;
    Point from;
    Point to;
    bool (*inked)(int x, int y);
  };
  const FarCase cases[] = {
      {"half_slope", {-2000000000, -1000000000}, {2000000000, 1000000000},
       [](int x, int y) { return y == x / 2; }},
      {"diagonal", {-2000000000, -2000000000}, {2000000000, 2000000000},
       [](int x, int y) { return x == y; }},
      {"vertical", {5, -2000000000}, {5, 2000000000}, [](int x, int) { return x == 5; }},
      {"horizontal", {2000000000, 7}, {-2000000000, 7}, [](int, int y) { return y == 7; }},
      {"missing", {-2000000000, 2000000000}, {2000000000, 1999999999},
       [](int, int) { return false; }},
  };
  for (const FarCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(64, 48, 0);
    canvas.pen.color = kInk;
    canvas.MoveTo(c.from.x, c.from.y);
    canvas.LineTo(c.to.x, c.to.y);
    Bitmap expected(64, 48, 0);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 64; ++x) {
        if (c.inked(x, y)) expected.setPixel(x, y, kInk);
      }
    }
    EXPECT_TRUE(test::samePicture(canvas.bitmap(), expected, std::string("far_") + c.name));
  }
}

TEST(ThinLine, ClearPenMovesWithoutDrawing) {
  Canvas canvas(10, 10, 0);
  canvas.pen.color = kInk;
  canvas.pen.style = PenStyle::Clear;
  canvas.MoveTo(1, 1);
  canvas.LineTo(8, 5);
  EXPECT_TRUE(inkedPixels(canvas).empty());
  EXPECT_EQ(canvas.position(), (Point{8, 5}));
  EXPECT_TRUE(canvas.takeDirty().empty());
}

TEST(ThinLine, XorTwiceRestores) {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> coord(-10, 50);
  std::uniform_int_distribution<Colour> colour(0, 0xFFFFFF);
  Canvas canvas(40, 40, 0);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) canvas.bitmap().setPixel(x, y, colour(random));
  }
  const Bitmap before = canvas.bitmap();
  canvas.pen.mode = R2_XORPEN;
  canvas.pen.color = colour(random);
  for (int i = 0; i < 200; ++i) {
    const Point a{coord(random), coord(random)};
    const Point b{coord(random), coord(random)};
    for (int twice = 0; twice < 2; ++twice) {
      canvas.MoveTo(a.x, a.y);
      canvas.LineTo(b.x, b.y);
    }
  }
  EXPECT_TRUE(test::samePicture(canvas.bitmap(), before, "thin_xor_twice"));
}

}  // namespace
}  // namespace orvane
