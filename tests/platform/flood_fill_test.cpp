#include <gtest/gtest.h>

#include <deque>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "picture_compare.h"
#include "platform/canvas.h"

namespace orvane {
namespace {

// Breadth-first reference: the 4-connected pixels around the seed for which inside()
// holds, found on an unchanged copy and then painted.
// `box`, when given, receives the rectangle around the area.
template <class Inside>
Bitmap referenceFill(const Bitmap& picture, int x, int y, Inside inside, Colour paint,
                     Rect* box = nullptr) {
  Bitmap result = picture;
  if (!picture.contains(x, y) || !inside(picture.pixel(x, y))) return result;
  std::vector<char> seen(static_cast<std::size_t>(picture.width()) * picture.height(), 0);
  std::deque<Point> queue{{x, y}};
  seen[static_cast<std::size_t>(y) * picture.width() + x] = 1;
  while (!queue.empty()) {
    const Point p = queue.front();
    queue.pop_front();
    result.setPixel(p.x, p.y, paint);
    if (box != nullptr) box->unite({p.x, p.y, p.x + 1, p.y + 1});
    for (const Point d : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}}) {
      const Point n{p.x + d.x, p.y + d.y};
      if (!picture.contains(n.x, n.y)) continue;
      char& mark = seen[static_cast<std::size_t>(n.y) * picture.width() + n.x];
      if (mark || !inside(picture.pixel(n.x, n.y))) continue;
      mark = 1;
      queue.push_back(n);
    }
  }
  return result;
}

// A busy picture of few colours, so that areas are many, small and tangled.
Canvas busyCanvas(int width, int height, int colours, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> pick(0, colours - 1);
  Canvas canvas(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) canvas.bitmap().setPixel(x, y, 0x101010u * pick(random));
  }
  return canvas;
}

// The fill works on 64 pixels at a time: widths below, at and across those words.
constexpr Point kSizes[] = {{37, 29}, {64, 17}, {65, 13}, {1, 40}, {130, 11}, {259, 6}};

TEST(FloodFill, MatchesReferenceOnBusyPictures) {
  std::mt19937 random(31);
  for (int i = 0; i < 300; ++i) {
    const Point size = kSizes[i % std::size(kSizes)];
    Canvas canvas = busyCanvas(size.x, size.y, 2 + i % 3, 100 + i);
    const Bitmap before = canvas.bitmap();
    std::uniform_int_distribution<int> px(0, size.x - 1);
    std::uniform_int_distribution<int> py(0, size.y - 1);
    const int x = px(random);
    const int y = py(random);
    const bool surface = i % 2 == 0;
    // Paint colours that occur in the picture, and one that does not.
    canvas.brush.color = i % 4 < 2 ? 0x101010u * (1 + i % 3) : 0xABCDEFu;
    const Colour c = surface ? canvas.Pixels(x, y) : 0x101010u * (i % 3);
    canvas.takeDirty();
    canvas.FloodFill(x, y, c, surface ? FloodFillType::Surface : FloodFillType::Border);
    Rect box;
    const Bitmap expected =
        surface ? referenceFill(before, x, y, [c](Colour p) { return p == c; },
                                canvas.brush.color, &box)
                : referenceFill(before, x, y, [c](Colour p) { return p != c; },
                                canvas.brush.color, &box);
    ASSERT_TRUE(test::samePicture(canvas.bitmap(), expected,
                                  surface ? "fill_surface" : "fill_border"))
        << "case " << i << " at " << x << "," << y;
    // A surface already of the paint colour is left as it is, unmarked.
    if (!surface || c != canvas.brush.color) {
      ASSERT_EQ(canvas.takeDirty(), box) << "case " << i;
    }
  }
}

// Few marks on a plain ground, as strokes leave it: long runs that reach past their
// parents and send the fill back over rows it has already painted.
TEST(FloodFill, MatchesReferenceAroundSparseMarks) {
  std::mt19937 random(47);
  for (int i = 0; i < 120; ++i) {
    // Runs across one word's edge, and across several.
    const Point size = i % 2 == 0 ? Point{97, 61} : Point{300, 23};
    Canvas canvas(size.x, size.y, 0);
    std::uniform_int_distribution<int> px(0, size.x - 1), py(0, size.y - 1), side(1, 9);
    for (int m = 0; m < 4 + i % 20; ++m) {
      const int x = px(random), y = py(random), w = side(random), h = side(random);
      const Colour c = 0x101010u * (1 + m % 2);
      for (int v = y; v < y + h; ++v) {
        for (int u = x; u < x + w; ++u) canvas.bitmap().setPixel(u, v, c);
      }
    }
    const Bitmap before = canvas.bitmap();
    const int x = px(random), y = py(random);
    const bool surface = i % 4 < 2;
    canvas.brush.color = 0xABCDEFu;
    const Colour c = surface ? canvas.Pixels(x, y) : 0x101010u;
    canvas.FloodFill(x, y, c, surface ? FloodFillType::Surface : FloodFillType::Border);
    const Bitmap expected =
        surface ? referenceFill(before, x, y, [c](Colour p) { return p == c; }, 0xABCDEFu)
                : referenceFill(before, x, y, [c](Colour p) { return p != c; }, 0xABCDEFu);
    ASSERT_TRUE(test::samePicture(canvas.bitmap(), expected,
                                  surface ? "marks_surface" : "marks_border"))
        << "case " << i << " at " << x << "," << y;
  }
}

TEST(FloodFill, StartsThatFillNothing) {
  struct NoFill {
    const char* name;
    int x;
    int y;
    Colour c;
    FloodFillType type;
    Colour brush;
  };
  const NoFill cases[] = {
      {"outside_left", -1, 3, 0x000000, FloodFillType::Surface, 0xFFFFFF},
      {"outside_far", 2000000000, 3, 0x000000, FloodFillType::Border, 0xFFFFFF},
      {"surface_other_colour", 3, 3, 0x0000FF, FloodFillType::Surface, 0xFFFFFF},
      {"surface_invalid_colour", 3, 3, CLR_INVALID, FloodFillType::Surface, 0xFFFFFF},
      {"border_on_border", 3, 3, 0x000000, FloodFillType::Border, 0xFFFFFF},
      // Painting a surface with its own colour must end and change nothing.
      {"surface_same_colour", 3, 3, 0x000000, FloodFillType::Surface, 0x000000},
  };
  for (const NoFill& c : cases) {
    Canvas canvas(8, 8, 0);
    canvas.brush.color = c.brush;
    canvas.FloodFill(c.x, c.y, c.c, c.type);
    EXPECT_TRUE(test::samePicture(canvas.bitmap(), Bitmap(8, 8, 0), c.name));
    EXPECT_TRUE(canvas.takeDirty().empty()) << c.name;
  }
}

TEST(FloodFill, BorderFillCrossesPixelsOfThePaintColour) {
  // A ring of border colour holding pixels that already have the paint colour.
  Canvas canvas(7, 7, 0x0000FF);
  canvas.brush.color = 0x00FF00;
  canvas.FillRect(1, 1, 6, 6);
  canvas.brush.color = 0x000000;
  canvas.FillRect(2, 2, 5, 5);
  canvas.bitmap().setPixel(3, 2, 0xFFFFFF);
  canvas.bitmap().setPixel(3, 3, 0x00FF00);
  canvas.brush.color = 0x00FF00;
  canvas.takeDirty();
  canvas.FloodFill(2, 4, 0x00FF00, FloodFillType::Border);
  Bitmap expected(7, 7, 0x0000FF);
  for (int y = 1; y < 6; ++y) {
    for (int x = 1; x < 6; ++x) expected.setPixel(x, y, 0x00FF00);
  }
  EXPECT_TRUE(test::samePicture(canvas.bitmap(), expected, "fill_border_ring"));
  EXPECT_EQ(canvas.takeDirty(), (Rect{2, 2, 5, 5}));
}

TEST(FloodFill, WholeScreenRegionWithoutRecursion) {
  for (const FloodFillType type : {FloodFillType::Surface, FloodFillType::Border}) {
    Canvas canvas(1920, 1080, 0x000000);
    canvas.brush.color = 0x123456;
    canvas.FloodFill(960, 540, type == FloodFillType::Surface ? 0x000000 : 0xFFFFFF, type);
    EXPECT_TRUE(canvas.bitmap() == Bitmap(1920, 1080, 0x123456));
    EXPECT_EQ(canvas.takeDirty(), (Rect{0, 0, 1920, 1080}));
  }
  // A one-pixel-wide serpentine: the deepest path a fill can meet.
  Canvas maze(1920, 1080, 0x000000);
  maze.brush.color = 0xFFFFFF;
  for (int y = 1; y < 1080; y += 2) {
    maze.FillRect(y % 4 == 1 ? 0 : 1, y, y % 4 == 1 ? 1919 : 1920, y + 1);
  }
  const Bitmap before = maze.bitmap();
  maze.brush.color = 0x00FF00;
  maze.FloodFill(0, 0, 0x000000, FloodFillType::Surface);
  EXPECT_TRUE(test::samePicture(
      maze.bitmap(), referenceFill(before, 0, 0, [](Colour p) { return p == 0; }, 0x00FF00),
      "fill_serpentine"));
}

}  // namespace
}  // namespace orvane
