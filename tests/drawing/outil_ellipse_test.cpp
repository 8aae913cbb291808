#include "drawing/outil_ellipse.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "comparaison_images.h"

namespace orvane {
namespace {

constexpr Colour noir = 0x000000;
constexpr Colour vert_depart = 0x008000;

TableQuart table(bool sinus) {
  TableQuart s{}, c{};
  construire_tables_quart(s, c);
  return sinus ? s : c;
}

class OutilEllipseTest : public testing::Test {
 protected:
  OutilEllipseTest() : canvas(400, 400, noir), outil(sinus, cosinus) {
    reglages.couleur_crayon = vert_depart;
  }

  // A click as the mouse gives it: the pointer arrives, then the press.
  void clic(Point p) {
    outil.mouvement(canvas, reglages.couleur_crayon, p);
    outil.appui(canvas, reglages, p);
  }
  void bouger(Point p) { outil.mouvement(canvas, reglages.couleur_crayon, p); }
  Point controle() const { return {outil.point_controle_x, outil.point_controle_y}; }

  struct Arc {
    Point a, b, c;
  };
  // The finished arcs alone, in copy mode, on a fresh canvas.
  Canvas arcs(std::initializer_list<Arc> liste) const {
    Canvas r(canvas.width(), canvas.height(), noir);
    for (const auto& [a, b, c] : liste) {
      trace_arc_ellipse(r, sinus, cosinus, a, b, c, R2_COPYPEN, reglages.couleur_crayon,
                        reglages.epaisseur, reglages.ombre);
    }
    return r;
  }

  const TableQuart sinus = table(true);
  const TableQuart cosinus = table(false);
  Canvas canvas;
  OutilEllipse outil;
  ReglagesEllipse reglages;
};

TEST_F(OutilEllipseTest, ThreeClicksDrawOneArcAndTheEndLeavesNothingElse) {
  reglages.epaisseur = 2;
  const Point a{100, 100}, b{200, 100}, c{200, 200};
  clic(a);
  bouger({150, 80});
  clic(b);
  bouger({190, 150});
  clic(c);
  EXPECT_EQ(outil.nb_points_ellipse, 3);
  EXPECT_EQ(controle(), (Point{200, 300}));  // C + (C - B)
  bouger({250, 260});
  EXPECT_TRUE(outil.elastique_visible);
  outil.fin_de_courbe(canvas);
  EXPECT_EQ(outil.nb_points_ellipse, 0);
  EXPECT_FALSE(outil.elastique_visible);
  EXPECT_EQ(controle(), (Point{-50, -50}));
  EXPECT_TRUE(memes_images(canvas.bitmap(), arcs({{a, b, c}}).bitmap(), "trois_clics"));
}

TEST_F(OutilEllipseTest, AFourthClickContinuesAlongTheFirstArcsTangent) {
  const Point a{50, 50}, b{150, 50}, c{150, 150}, d{300, 250};
  for (Point p : {a, b, c}) clic(p);
  bouger({200, 200});
  clic(d);
  EXPECT_EQ(controle(), (Point{450, 250}));  // D + (D - (C + (C - B)))
  outil.fin_de_courbe(canvas);
  EXPECT_TRUE(memes_images(canvas.bitmap(), arcs({{a, b, c}, {c, {150, 250}, d}}).bitmap(),
                           "quatre_clics"));
}

TEST_F(OutilEllipseTest, AThirdClickOnTheSecondPointDrawsNoArcButPlacesTheMarker) {
  const Point a{100, 100}, b{200, 100};
  for (Point p : {a, b, b}) clic(p);
  EXPECT_EQ(controle(), b);
  int changes = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 400; ++x) {
      if (canvas.Pixels(x, y) == noir) continue;
      ++changes;
      EXPECT_TRUE(x >= 195 && x < 205 && y >= 95 && y < 105) << x << "," << y;
    }
  }
  EXPECT_GT(changes, 20);  // the marker: a circle of radius 5 about M
  outil.fin_de_courbe(canvas);
  EXPECT_TRUE(memes_images(canvas.bitmap(), Bitmap(400, 400, noir), "marqueur_efface"));
}

TEST_F(OutilEllipseTest, TwoClicksAndTheEndLeaveThePictureAsItWas) {
  clic({100, 100});
  bouger({300, 120});
  EXPECT_NE(canvas.bitmap(), Bitmap(400, 400, noir));  // the rubber line
  clic({300, 120});
  bouger({250, 300});
  EXPECT_NE(canvas.bitmap(), Bitmap(400, 400, noir));  // the rubber arc
  outil.fin_de_courbe(canvas);
  EXPECT_TRUE(memes_images(canvas.bitmap(), Bitmap(400, 400, noir), "deux_clics"));
}

TEST_F(OutilEllipseTest, TheHundredAndFirstPointStartsAChainAgainAndKeepsTheMarker) {
  std::mt19937 hasard(7);
  std::uniform_int_distribution<int> coordonnee(0, 399);
  for (int i = 0; i < 100; ++i) clic({coordonnee(hasard), coordonnee(hasard)});
  const Point m = controle();
  clic({10, 20});
  EXPECT_EQ(outil.nb_points_ellipse, 1);
  EXPECT_EQ(outil.points_ellipse_x[1], 10);
  EXPECT_EQ(outil.points_ellipse_y[1], 20);
  EXPECT_EQ(controle(), m);
  EXPECT_FALSE(outil.appui_trace_un_arc());
}

TEST_F(OutilEllipseTest, FiguresOfAReplacedCanvasAreNeverDrawnAgain) {
  for (Point p : {Point{100, 100}, Point{200, 100}, Point{200, 200}}) clic(p);
  bouger({300, 300});
  canvas = Canvas(400, 400, noir);
  outil.oublier_figures();
  EXPECT_FALSE(outil.elastique_visible);
  bouger({320, 250});
  clic({320, 250});
  outil.fin_de_courbe(canvas);
  // Only the arc of the last click, drawn on the new canvas.
  EXPECT_TRUE(memes_images(canvas.bitmap(), arcs({{{200, 200}, {200, 300}, {320, 250}}}).bitmap(),
                           "toile_remplacee"));
}

// Any sequence of clicks, moves and ends, with presses away from the last move, colour and
// brush changes between them and chains past 100 points, leaves on the picture exactly the
// arcs a replay draws in copy mode.
TEST_F(OutilEllipseTest, RandomSequencesLeaveOnlyTheFinishedArcs) {
  for (unsigned graine = 1; graine <= 12; ++graine) {
    std::mt19937 hasard(graine);
    const auto tirage = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard); };
    // Room around the canvas too: points off it still draw the part that falls inside.
    const auto point = [&] { return Point{tirage(520) - 60, tirage(520) - 60}; };
    const bool longue = graine % 4 == 0;  // a chain past the wrap at 100 points
    reglages.epaisseur = 1 + tirage(4);
    reglages.ombre = OmbreArc{graine % 3 == 1, graine % 5 == 2, 1 + tirage(6)};

    Canvas fond(400, 400, noir);
    for (int i = 0; i < 3000; ++i) fond.bitmap().setPixel(tirage(400), tirage(400), hasard());
    canvas = fond;
    Canvas replay = fond;
    outil.fin_de_courbe(canvas);  // a fresh tool: nothing shown, no curve
    canvas = fond;

    // The replay's own chain.
    int n = 0;
    Point p[101];
    Point m;
    Point pointeur{0, 0};
    for (int evenement = 0; evenement < (longue ? 700 : 300); ++evenement) {
      const int choix = tirage(100);
      if (choix < 50) {
        pointeur = point();
        bouger(pointeur);
      } else if (choix < 85) {
        // Most presses come where the pointer is; some without a move before them.
        const Point q = tirage(4) == 0 ? point() : pointeur;
        outil.appui(canvas, reglages, q);
        n = n == 100 ? 1 : n + 1;
        p[n] = q;
        const auto arc = [&](Point a, Point b, Point c) {
          trace_arc_ellipse(replay, sinus, cosinus, a, b, c, R2_COPYPEN, reglages.couleur_crayon,
                            reglages.epaisseur, reglages.ombre);
        };
        if (n == 3) {
          arc(p[1], p[2], p[3]);
          m = {2 * p[3].x - p[2].x, 2 * p[3].y - p[2].y};
        } else if (n > 3) {
          arc(p[n - 1], m, p[n]);
          m = {2 * p[n].x - m.x, 2 * p[n].y - m.y};
        }
      } else if (choix < 90 && !longue) {
        outil.fin_de_courbe(canvas);
        n = 0;
        ASSERT_TRUE(
            memes_images(canvas.bitmap(), replay.bitmap(), "sequence_" + std::to_string(graine)))
            << "seed " << graine << " event " << evenement;
      } else if (choix < 95) {
        reglages.couleur_crayon = static_cast<Colour>(hasard()) & 0xFFFFFF;
      } else {
        // Other tools leave the brush as they set it.
        canvas.brush = Brush{static_cast<Colour>(hasard()) & 0xFFFFFF,
                             tirage(2) ? BrushStyle::Solid : BrushStyle::Clear};
      }
      ASSERT_EQ(outil.nb_points_ellipse, n);
    }
    outil.fin_de_courbe(canvas);
    ASSERT_TRUE(
        memes_images(canvas.bitmap(), replay.bitmap(), "sequence_" + std::to_string(graine)))
        << "seed " << graine;
  }
}

}  // namespace
}  // namespace orvane
