#include <gtest/gtest.h>

#include <random>

#include "picture_compare.h"
#include "platform/canvas.h"

namespace orvane {
namespace {

TEST(Rect, UniteIgnoresEmptySidesAndIntersectClips) {
  Rect r;
  r.unite({});
  EXPECT_TRUE(r.empty());
  r.unite({2, 3, 5, 7});
  EXPECT_EQ(r, (Rect{2, 3, 5, 7}));
  r.unite({10, 10, 10, 20});  // empty: ignored
  EXPECT_EQ(r, (Rect{2, 3, 5, 7}));
  r.unite({-1, 4, 3, 9});
  EXPECT_EQ(r, (Rect{-1, 3, 5, 9}));
  EXPECT_EQ(r.intersected({0, 0, 4, 4}), (Rect{0, 3, 4, 4}));
  EXPECT_TRUE(r.intersected({6, 0, 9, 9}).empty());
}

TEST(Bitmap, PixelsInsideAndInvalidOutside) {
  Bitmap b(3, 2, 0xFF123456u);
  EXPECT_EQ(b.pixel(0, 0), 0x123456u);  // top byte dropped
  b.setPixel(2, 1, 0xABCDEF);
  b.setPixel(3, 1, 0xABCDEF);  // ignored
  EXPECT_EQ(b.pixel(2, 1), 0xABCDEFu);
  for (const Point p : {Point{-1, 0}, Point{3, 0}, Point{0, 2}, Point{0, -1}}) {
    EXPECT_EQ(b.pixel(p.x, p.y), CLR_INVALID);
  }
  Canvas canvas(3, 2, 0);
  EXPECT_EQ(canvas.Pixels(5, 5), CLR_INVALID);
  EXPECT_EQ(Bitmap(-4, 5).width(), 0);
}

TEST(Canvas, FillRectUsesBrushInCopyModeRightBottomExcluded) {
  Canvas canvas(6, 5, 0x111111);
  canvas.brush = {0x00FF00, BrushStyle::Clear};
  canvas.pen.mode = R2_XORPEN;
  canvas.FillRect(1, 1, 4, 3);
  canvas.FillRect(-100, 4, 100, 900);
  canvas.FillRect(5, 0, 2, 3);  // reversed: empty
  Bitmap expected(6, 5, 0x111111);
  for (int y = 1; y < 3; ++y) {
    for (int x = 1; x < 4; ++x) expected.setPixel(x, y, 0x00FF00);
  }
  for (int x = 0; x < 6; ++x) expected.setPixel(x, 4, 0x00FF00);
  EXPECT_TRUE(test::samePicture(canvas.bitmap(), expected, "fill_rect"));
  EXPECT_EQ(canvas.takeDirty(), (Rect{0, 1, 6, 5}));
}

TEST(Canvas, DrawCopiesAtOwnSizeClipped) {
  Bitmap source(3, 2);
  for (int i = 0; i < 6; ++i) source.setPixel(i % 3, i / 3, 0x010101u * (i + 1));
  struct DrawCase {
    Point at;
    Rect dirty;
  };
  for (const DrawCase& c : {DrawCase{{1, 1}, {1, 1, 4, 3}}, DrawCase{{-2, -1}, {0, 0, 1, 1}},
                            DrawCase{{4, 3}, {4, 3, 5, 4}}, DrawCase{{2000000000, 0}, {}},
                            DrawCase{{-2000000000, -2000000000}, {}}}) {
    Canvas canvas(5, 4, 0);
    canvas.Draw(c.at.x, c.at.y, source);
    Bitmap expected(5, 4, 0);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        const long long tx = static_cast<long long>(c.at.x) + x;
        const long long ty = static_cast<long long>(c.at.y) + y;
        if (tx >= 0 && tx < 5 && ty >= 0 && ty < 4) {
          expected.setPixel(static_cast<int>(tx), static_cast<int>(ty), source.pixel(x, y));
        }
      }
    }
    EXPECT_TRUE(test::samePicture(canvas.bitmap(), expected, "draw_bitmap"));
    EXPECT_EQ(canvas.takeDirty(), c.dirty);
  }
}

// The dirty rectangle holds every changed pixel, is cleared by takeDirty, and for lines
// is exactly the changed area.
TEST(Canvas, DirtyRectCoversWhatChanged) {
  std::mt19937 random(41);
  std::uniform_int_distribution<int> coord(-20, 70);
  std::uniform_int_distribution<int> widths(0, 9);
  Canvas canvas(50, 40, 0);
  canvas.pen.color = 0xFFFFFF;
  canvas.pen.mode = R2_NOT;
  canvas.brush.color = 0x00FF00;
  for (int i = 0; i < 600; ++i) {
    const Bitmap before = canvas.bitmap();
    const int a = coord(random), b = coord(random), c = coord(random), d = coord(random);
    canvas.pen.width = widths(random);
    const int kind = i % 4;
    if (kind < 2) {
      canvas.MoveTo(a, b);
      canvas.LineTo(c, d);
    } else if (kind == 2) {
      canvas.Ellipse(a, b, c, d);
    } else {
      canvas.FloodFill(a % 50, b % 40, canvas.Pixels(a % 50, b % 40), FloodFillType::Surface);
      canvas.brush.color ^= 0x0F0F0F;
    }
    Rect changed;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 50; ++x) {
        if (canvas.Pixels(x, y) != before.pixel(x, y)) changed.unite({x, y, x + 1, y + 1});
      }
    }
    const Rect dirty = canvas.takeDirty();
    Rect both = dirty;
    both.unite(changed);
    ASSERT_EQ(both, dirty) << "case " << i << " kind " << kind;
    if (kind != 2) {
      ASSERT_EQ(dirty, changed) << "case " << i;
    }
    EXPECT_TRUE(canvas.takeDirty().empty());
  }
  canvas.markDirty({-5, -5, 3, 2});
  EXPECT_EQ(canvas.takeDirty(), (Rect{0, 0, 3, 2}));
}

}  // namespace
}  // namespace orvane
