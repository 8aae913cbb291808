#include <gtest/gtest.h>

#include <random>
#include <string>

#include "picture_compare.h"
#include "platform/canvas.h"

namespace orvane {
namespace {

constexpr Colour kPen = 0x0000FF;
constexpr Colour kBrush = 0x00FF00;

Canvas ellipseCanvas(int width, int height, int penWidth) {
  Canvas canvas(width, height, 0);
  canvas.pen.color = kPen;
  canvas.pen.width = penWidth;
  canvas.brush.color = kBrush;
  return canvas;
}

Bitmap fromRows(int width, int height, const char* rows) {
  Bitmap picture(width, height, 0);
  for (int i = 0; i < width * height; ++i) {
    if (rows[i] == 'p') picture.setPixel(i % width, i / width, kPen);
    if (rows[i] == 'b') picture.setPixel(i % width, i / width, kBrush);
  }
  return picture;
}

// The dot the program draws with Ellipse(x-2, y-2, x+2, y+2): a 4x4 disc whose 4-border
// is the outline.
TEST(Ellipse, SmallDotShape) {
  Canvas canvas = ellipseCanvas(6, 6, 1);
  canvas.Ellipse(1, 1, 5, 5);
  EXPECT_TRUE(test::samePicture(canvas.bitmap(),
                                fromRows(6, 6,
                                         "......"
                                         "..pp.."
                                         ".pbbp."
                                         ".pbbp."
                                         "..pp.."
                                         "......"),
                                "ellipse_dot"));
  EXPECT_EQ(canvas.takeDirty(), (Rect{1, 1, 5, 5}));
}

TEST(Ellipse, WidePenBandAndOddBox) {
  Canvas canvas = ellipseCanvas(9, 9, 2);
  canvas.Ellipse(1, 1, 8, 8);  // 7x7, centred on pixel (4, 4)
  EXPECT_TRUE(test::samePicture(canvas.bitmap(),
                                fromRows(9, 9,
                                         "........."
                                         "...ppp..."
                                         "..ppppp.."
                                         ".ppbbbpp."
                                         ".ppbbbpp."
                                         ".ppbbbpp."
                                         "..ppppp.."
                                         "...ppp..."
                                         "........."),
                                "ellipse_wide_odd"));
}

TEST(Ellipse, ClearPenClearBrushAndEmptyBox) {
  Canvas noPen = ellipseCanvas(6, 6, 1);
  noPen.pen.style = PenStyle::Clear;
  noPen.Ellipse(1, 1, 5, 5);
  EXPECT_TRUE(test::samePicture(noPen.bitmap(),
                                fromRows(6, 6,
                                         "......"
                                         "..bb.."
                                         ".bbbb."
                                         ".bbbb."
                                         "..bb.."
                                         "......"),
                                "ellipse_clear_pen"));

  Canvas noBrush = ellipseCanvas(6, 6, 1);
  noBrush.brush.style = BrushStyle::Clear;
  noBrush.Ellipse(1, 1, 5, 5);
  EXPECT_TRUE(test::samePicture(noBrush.bitmap(),
                                fromRows(6, 6,
                                         "......"
                                         "..pp.."
                                         ".p..p."
                                         ".p..p."
                                         "..pp.."
                                         "......"),
                                "ellipse_clear_brush"));

  for (const Rect box : {Rect{2, 2, 2, 5}, Rect{1, 3, 5, 3}, Rect{3, 3, 3, 3}}) {
    Canvas empty = ellipseCanvas(6, 6, 3);
    empty.Ellipse(box.left, box.top, box.right, box.bottom);
    EXPECT_TRUE(test::samePicture(empty.bitmap(), Bitmap(6, 6, 0), "ellipse_empty"));
    EXPECT_TRUE(empty.takeDirty().empty());
  }
}

// With a wide pen every pixel is painted once: in XOR on black each pixel is the pen, the
// brush or untouched. A one-pixel pen paints its outline over the brush: pen ^ brush.
TEST(Ellipse, PaintedOnceWithWidePenOverBrushWithThinPen) {
  for (const int penWidth : {1, 2, 5}) {
    Canvas canvas = ellipseCanvas(40, 30, penWidth);
    canvas.pen.mode = R2_XORPEN;
    canvas.Ellipse(3, 2, 37, 27);
    int pen = 0;
    int brush = 0;
    int both = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        const Colour c = canvas.Pixels(x, y);
        pen += c == kPen;
        brush += c == kBrush;
        both += c == (kPen ^ kBrush);
        EXPECT_TRUE(c == 0 || c == kPen || c == kBrush || c == (kPen ^ kBrush));
      }
    }
    SCOPED_TRACE("pen width " + std::to_string(penWidth));
    EXPECT_GT(brush, 0);
    if (penWidth == 1) {
      EXPECT_GT(both, 0);
      EXPECT_EQ(pen, 0);
    } else {
      EXPECT_GT(pen, 0);
      EXPECT_EQ(both, 0);
    }
  }
}

// Random boxes, some partly or wholly off the canvas: the figure stays in its box, is
// symmetric about the box's centre lines, and drawn twice in XOR restores the picture.
TEST(Ellipse, StaysInBoxSymmetricAndXorTwiceRestores) {
  std::mt19937 random(21);
  std::uniform_int_distribution<int> coord(-20, 80);
  std::uniform_int_distribution<int> widths(0, 12);
  std::uniform_int_distribution<Colour> colour(0, 0xFFFFFF);
  Canvas noisy(64, 56, 0);
  for (int y = 0; y < 56; ++y) {
    for (int x = 0; x < 64; ++x) noisy.bitmap().setPixel(x, y, colour(random));
  }
  const Bitmap before = noisy.bitmap();
  for (int i = 0; i < 400; ++i) {
    const int l = coord(random);
    const int t = coord(random);
    const int r = l + widths(random) * 3 + 1;
    const int b = t + widths(random) * 2 + 1;
    const int penWidth = widths(random) % 6;

    Canvas plain = ellipseCanvas(64, 56, penWidth);
    plain.Ellipse(l, t, r, b);
    for (int y = 0; y < 56; ++y) {
      for (int x = 0; x < 64; ++x) {
        const Colour c = plain.Pixels(x, y);
        if (c == 0) continue;
        ASSERT_TRUE(x >= l && x < r && y >= t && y < b) << "outside its box at " << x << "," << y;
        const int mx = l + r - 1 - x;
        const int my = t + b - 1 - y;
        if (mx >= 0 && mx < 64) {
          ASSERT_EQ(plain.Pixels(mx, y), c);
        }
        if (my >= 0 && my < 56) {
          ASSERT_EQ(plain.Pixels(x, my), c);
        }
      }
    }

    noisy.pen = {colour(random), penWidth, PenStyle::Solid, R2_XORPEN};
    noisy.brush.color = colour(random);
    noisy.Ellipse(l, t, r, b);
    noisy.Ellipse(l, t, r, b);
    ASSERT_TRUE(test::samePicture(noisy.bitmap(), before, "ellipse_xor_twice"))
        << l << "," << t << "," << r << "," << b << " pen " << penWidth;
  }
}

TEST(Ellipse, HugeBoxFinishesAndStaysClipped) {
  Canvas canvas = ellipseCanvas(50, 40, 3);
  canvas.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
  // The canvas lies deep inside: all brush.
  EXPECT_TRUE(test::samePicture(canvas.bitmap(), Bitmap(50, 40, kBrush), "ellipse_huge"));
  EXPECT_EQ(canvas.takeDirty(), (Rect{0, 0, 50, 40}));
}

}  // namespace
}  // namespace orvane
