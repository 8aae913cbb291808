#include "drawing/arc_ellipse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "comparaison_images.h"

namespace orvane {
namespace {

constexpr Colour noir = 0x000000;
constexpr Colour rouge_pur = RGB(255, 0, 0);

class ArcEllipse : public testing::Test {
 protected:
  ArcEllipse() { construire_tables_quart(sinus, cosinus); }

  std::vector<Point> points(Point a, Point b, Point c) const {
    std::vector<Point> p;
    points_arc(sinus, cosinus, a, b, c, [&](int x, int y) { p.push_back({x, y}); });
    return p;
  }
  void arc(Canvas& canvas, Point a, Point b, Point c, int mode, Colour couleur, int largeur,
           const OmbreArc& ombre = {}) const {
    trace_arc_ellipse(canvas, sinus, cosinus, a, b, c, mode, couleur, largeur, ombre);
  }

  // A canvas whose pixels all differ, so that an XOR trace cannot hide.
  static Canvas canvas_bariole(int largeur, int hauteur) {
    Canvas c(largeur, hauteur);
    std::uint32_t v = 12345;
    for (int y = 0; y < hauteur; ++y) {
      for (int x = 0; x < largeur; ++x) {
        v = v * 1103515245u + 12345u;
        c.bitmap().setPixel(x, y, v >> 8);
      }
    }
    return c;
  }

  TableQuart sinus{}, cosinus{};
};

TEST_F(ArcEllipse, TablesRunAQuarterTurnInOneHundredAndEightyOneSteps) {
  EXPECT_EQ(sinus[0], 0.0L);
  EXPECT_EQ(cosinus[0], 1.0L);
  EXPECT_NEAR(static_cast<double>(sinus[181]), 1.0, 1e-18);
  EXPECT_NEAR(static_cast<double>(cosinus[181]), 0.0, 1e-18);
  EXPECT_NEAR(static_cast<double>(sinus[1]), std::sin(M_PI / 362), 1e-15);
}

TEST_F(ArcEllipse, ClicksAtTheCornersOfASquareGiveAQuarterCircle) {
  const std::vector<Point> p = points({0, 0}, {100, 0}, {100, 100});
  ASSERT_EQ(p.size(), 182u);
  EXPECT_EQ(p.front(), (Point{0, 0}));
  EXPECT_EQ(p.back(), (Point{100, 100}));
  for (std::size_t i = 0; i < p.size(); ++i) {
    // Radius 100 about (0, 100), each point rounded to the pixel grid.
    EXPECT_NEAR(std::hypot(p[i].x, p[i].y - 100.0), 100.0, 0.71) << i;
    if (i > 0) {
      EXPECT_GE(p[i].x, p[i - 1].x);
      EXPECT_GE(p[i].y, p[i - 1].y);
    }
  }
  EXPECT_EQ(p[90].x, 70);  // 100 sin(90 pi / 362) = 70.52
  EXPECT_EQ(p[90].y, 29);
}

TEST_F(ArcEllipse, ASkewedArcLeavesAlongTheFirstSideAndArrivesAlongTheSecond) {
  const Point a{10, 50}, b{110, 10}, c{160, 90};
  const std::vector<Point> p = points(a, b, c);
  // Its first steps head for B, its last ones come from B's direction.
  const double depart = std::atan2(p[20].y - a.y, p[20].x - a.x);
  EXPECT_NEAR(depart, std::atan2(b.y - a.y, b.x - a.x), 0.1);
  const double arrivee = std::atan2(c.y - p[161].y, c.x - p[161].x);
  EXPECT_NEAR(arrivee, std::atan2(c.y - b.y, c.x - b.x), 0.1);
}

TEST_F(ArcEllipse, CopyModeDrawsAPolylineAlongTheArc) {
  Canvas canvas(300, 300, noir);
  arc(canvas, {50, 50}, {150, 50}, {150, 150}, R2_COPYPEN, rouge_pur, 1);
  int peints = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 300; ++x) {
      if (canvas.Pixels(x, y) == noir) continue;
      ++peints;
      EXPECT_EQ(canvas.Pixels(x, y), rouge_pur);
      EXPECT_NEAR(std::hypot(x - 50.0, y - 150.0), 100.0, 1.5) << x << "," << y;
    }
  }
  EXPECT_GE(peints, 150);  // a quarter of 2 pi 100, without gaps
  EXPECT_EQ(canvas.Pixels(120, 79), rouge_pur);
}

TEST_F(ArcEllipse, AControlPointOnTheEndPointDrawsNothingAndLeavesThePen) {
  Canvas canvas(200, 200, noir);
  canvas.pen = Pen{0x123456, 7, PenStyle::Solid, R2_NOTXORPEN};
  arc(canvas, {10, 10}, {100, 100}, {100, 100}, R2_COPYPEN, rouge_pur, 3);
  EXPECT_TRUE(memes_images(canvas.bitmap(), Bitmap(200, 200, noir), "arc_b_egal_c"));
  EXPECT_EQ(canvas.pen.color, 0x123456u);
  EXPECT_EQ(canvas.pen.width, 7);
  EXPECT_EQ(canvas.pen.mode, R2_NOTXORPEN);
}

TEST_F(ArcEllipse, XorArcIsDotsThatASecondDrawingRemoves) {
  const Canvas avant = canvas_bariole(300, 300);
  Canvas canvas = avant;
  arc(canvas, {20, 150}, {150, 20}, {280, 150}, R2_XORPEN, rouge_pur, 3);
  EXPECT_NE(canvas.bitmap(), avant.bitmap());
  // A dot of width 3 around the start point, not just a pixel.
  EXPECT_NE(canvas.Pixels(20, 151), avant.Pixels(20, 151));
  arc(canvas, {20, 150}, {150, 20}, {280, 150}, R2_XORPEN, rouge_pur, 3);
  EXPECT_TRUE(memes_images(canvas.bitmap(), avant.bitmap(), "arc_xor_deux_fois"));
  // Dots of a one-pixel pen are nothing at all.
  arc(canvas, {20, 150}, {150, 20}, {280, 150}, R2_XORPEN, rouge_pur, 1);
  EXPECT_TRUE(memes_images(canvas.bitmap(), avant.bitmap(), "arc_xor_un_pixel"));
}

// Each curve point leaves a run of 12 dots of width 12 going down and right: the start of
// the arc keeps the first dot's colour on its left, the end point the last dot's colour.
TEST_F(ArcEllipse, ShadedArcRunsDarkenAsTheShadowCurveSays) {
  struct Cas {
    bool ombre_1, ombre_2;
    int premier, dernier;  // red of the first and the last dot of a run
  };
  const Cas cas[] = {
      {true, false, 255, 2},  // 255 / 144 = 1.77
      {false, true, 0, 66},   // |sin 3.14| 255 = 0.41; |sin(3.14 / 12)| 255 = 65.97
      {true, true, 0, 6},     // |sin(3.14 / 144)| 255 = 5.56
  };
  const Point a{100, 100}, b{200, 100}, c{200, 200};
  for (const Cas& k : cas) {
    Canvas canvas(300, 300, noir);
    canvas.pen.mode = R2_COPYPEN;
    arc(canvas, a, b, c, R2_COPYPEN, rouge_pur, 5, OmbreArc{k.ombre_1, k.ombre_2, 12});
    EXPECT_EQ(canvas.Pixels(a.x - 5, a.y), RGB(k.premier, 0, 0)) << k.ombre_1 << k.ombre_2;
    EXPECT_EQ(canvas.Pixels(c.x + 11, c.y + 11), RGB(k.dernier, 0, 0)) << k.ombre_1 << k.ombre_2;
    // The dots are of the shadow's width (12), not the thickness: rows 95..106 at A.
    EXPECT_EQ(canvas.Pixels(a.x, a.y - 5), RGB(k.premier, 0, 0));
    EXPECT_EQ(canvas.Pixels(a.x, a.y - 6), noir);
    EXPECT_EQ(canvas.pen.width, 12);
    EXPECT_EQ(canvas.pen.color, RGB(k.dernier, 0, 0));
    EXPECT_EQ(canvas.pen.mode, R2_COPYPEN);
  }
}

// The shaded arc as written down: for each point, w dots of width w one after the other
// (K w wide and K pixels apart at scale K).
Canvas arc_ombre_point_par_point(Canvas canvas, const std::vector<Point>& points,
                                 const OmbreArc& ombre, Colour couleur) {
  if (ombre.largeur <= 1) return canvas;  // one-pixel dots, which leave nothing at any scale
  canvas.pen.width = ombre.largeur * ombre.echelle;
  canvas.pen.mode = R2_COPYPEN;
  for (Point p : points) {
    for (int s = 0; s < ombre.largeur; ++s) {
      double f = 1 - static_cast<double>(s) / ombre.largeur;
      if (ombre.ombre_1) f = f * f;
      if (ombre.ombre_2) f = std::fabs(std::sin(3.14 * f));
      canvas.pen.color = RGB(static_cast<int>(std::nearbyint(rouge(couleur) * f)),
                             static_cast<int>(std::nearbyint(vert(couleur) * f)),
                             static_cast<int>(std::nearbyint(bleu(couleur) * f)));
      const int d = s * ombre.echelle;
      canvas.MoveTo(p.x + d, p.y + d);
      canvas.LineTo(p.x + d, p.y + d);
    }
  }
  return canvas;
}

TEST_F(ArcEllipse, ShadedArcsMatchTheirDotByDotDrawing) {
  std::mt19937 hasard(2024);
  const auto tirage = [&](int min, int max) {
    return std::uniform_int_distribution<int>(min, max)(hasard);
  };
  for (int essai = 0; essai < 300; ++essai) {
    const Canvas fond = canvas_bariole(120, 90);
    const Point a{tirage(-80, 200), tirage(-80, 170)}, b{tirage(-80, 200), tirage(-80, 170)},
        c{tirage(-80, 200), tirage(-80, 170)};
    const int choix = tirage(0, 2);
    const OmbreArc ombre{choix != 1, choix != 0,
                         essai % 30 == 0 ? tirage(100, 200) : tirage(1, 40),
                         essai % 3 == 0 ? tirage(2, 4) : 1};
    const Colour couleur = static_cast<Colour>(hasard()) & 0xFFFFFF;
    Canvas canvas = fond;
    arc(canvas, a, b, c, R2_COPYPEN, couleur, 3, ombre);
    const Canvas attendu =
        b == c ? fond : arc_ombre_point_par_point(fond, points(a, b, c), ombre, couleur);
    ASSERT_TRUE(
        memes_images(canvas.bitmap(), attendu.bitmap(), "arc_ombre_" + std::to_string(essai)))
        << "A " << a.x << "," << a.y << " B " << b.x << "," << b.y << " C " << c.x << "," << c.y
        << " w " << ombre.largeur << " at scale " << ombre.echelle;
  }
}

TEST_F(ArcEllipse, AShadowOfWidthOneOrLessLeavesNothing) {
  for (int w : {1, 0, -3}) {
    Canvas canvas(300, 300, noir);
    arc(canvas, {100, 100}, {200, 100}, {200, 200}, R2_COPYPEN, rouge_pur, 5,
        OmbreArc{true, false, w});
    EXPECT_TRUE(memes_images(canvas.bitmap(), Bitmap(300, 300, noir), "ombre_etroite")) << w;
  }
}

TEST_F(ArcEllipse, AWideShadowFarOffTheCanvasCostsNothing) {
  Canvas canvas(300, 300, noir);
  // 182 points of 2 000 000 dots each, all of them beyond the canvas.
  arc(canvas, {-2000000000, 0}, {2000000000, -2000000000}, {2000000000, 2000000000}, R2_COPYPEN,
      rouge_pur, 5, OmbreArc{true, false, 2000000});
  arc(canvas, {-2000000000, 0}, {2000000000, -2000000000}, {2000000000, 2000000000}, R2_XORPEN,
      rouge_pur, 3);
  EXPECT_TRUE(memes_images(canvas.bitmap(), Bitmap(300, 300, noir), "arc_lointain"));
}

}  // namespace
}  // namespace orvane
