#include "drawing/trace_segment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "comparaison_images.h"

namespace orvane {
namespace {

constexpr Colour noir = 0x000000;
constexpr Colour blanc = 0xFFFFFF;
constexpr Colour rouge_pur = RGB(255, 0, 0);

class TraceSegment : public testing::Test {
 protected:
  TraceSegment() : canvas(400, 120, noir), aleatoire(1) {
    reglages.largeur_ecran = 400;
    canvas.pen.width = 1;
    canvas.pen.mode = R2_COPYPEN;
  }

  // Paints one copy as the renderer would, with its colour already on the pen.
  void peindre(const Copie& c, Colour couleur) {
    canvas.pen.color = couleur;
    trace_segment(canvas, reglages, aleatoire, etat, c, couleur);
  }

  // The same canvas as at the start, with lines drawn directly.
  Canvas reference(Colour fond = noir) const {
    Canvas r(canvas.width(), canvas.height(), fond);
    return r;
  }

  static void ligne(Canvas& c, int x1, int y1, int x2, int y2, Colour couleur, int largeur) {
    c.pen.color = couleur;
    c.pen.width = largeur;
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
  }

  Canvas canvas;
  ReglagesTrace reglages;
  Aleatoire aleatoire;
  EtatTrace etat;
};

TEST_F(TraceSegment, SingleCopyIsOneLineInTheSegmentColour) {
  canvas.pen.color = blanc;  // the painter sets the pen itself
  Colour couleur = rouge_pur;
  trace_segment(canvas, reglages, aleatoire, etat, {20.5, 30.4, 80.6, 50}, couleur);
  Canvas attendu = reference();
  ligne(attendu, 20, 30, 81, 50, rouge_pur, 1);  // Round(20.5) = 20: halves go to even
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "copie_unique"));
}

TEST_F(TraceSegment, CrayonDarkensEachCopyToSixtyOrSeventyPercent) {
  reglages.type_trace = 0;
  reglages.epaisseur_aleatoire = true;
  etat.couleur_crayon = 0x008000;
  std::set<Colour> vues;
  for (int essai = 0; essai < 200; ++essai) {
    aleatoire.semer(essai);
    Colour couleur = 0x123456;  // replaced: the base is always the pencil colour
    trace_segment(canvas, reglages, aleatoire, etat, {10, 10, 30, 10}, couleur);
    vues.insert(couleur);
    EXPECT_EQ(canvas.Pixels(15, 10), couleur);
  }
  EXPECT_EQ(vues, (std::set<Colour>{RGB(0, 76, 0), RGB(0, 89, 0)}));
  EXPECT_EQ(etat.rouge_crayon, 0);
  EXPECT_EQ(etat.vert_crayon, 128);
  EXPECT_EQ(etat.bleu_crayon, 0);
}

TEST_F(TraceSegment, NoDarkeningOutsideCrayonOrWithoutRandomWidth) {
  struct Cas {
    int type_trace;
    bool aleatoire;
  };
  for (const Cas cas : {Cas{1, true}, Cas{4, true}, Cas{0, false}}) {
    reglages.type_trace = cas.type_trace;
    reglages.epaisseur_aleatoire = cas.aleatoire;
    Colour couleur = rouge_pur;
    trace_segment(canvas, reglages, aleatoire, etat, {10, 10, 30, 10}, couleur);
    EXPECT_EQ(couleur, rouge_pur) << cas.type_trace;
  }
}

TEST_F(TraceSegment, ShadowOmbre1IsFullRedThenQuarterRedOnePixelRightAndDown) {
  reglages.ombre_1 = true;
  reglages.largeur_ombre = 2;
  peindre({40, 40, 120, 70}, rouge_pur);
  EXPECT_EQ(canvas.pen.width, 2);
  EXPECT_EQ(canvas.pen.color, RGB(64, 0, 0));

  // The shape of one width-2 line, from the canvas itself.
  Canvas forme = reference();
  ligne(forme, 40, 40, 120, 70, blanc, 2);
  const Bitmap& f = forme.bitmap();
  Canvas attendu = reference();
  for (int y = 0; y < f.height(); ++y) {
    for (int x = 0; x < f.width(); ++x) {
      if (f.pixel(x - 1, y - 1) == blanc) {
        attendu.bitmap().setPixel(x, y, RGB(64, 0, 0));
      } else if (f.pixel(x, y) == blanc) {
        attendu.bitmap().setPixel(x, y, rouge_pur);
      }
    }
  }
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "ombre_rouge"));
}

TEST_F(TraceSegment, ShadowOfWidthOneIsOneWideLine) {
  struct Cas {
    bool ombre_1, ombre_2;
    Colour attendue;
  };
  for (const Cas cas : {Cas{true, false, rouge_pur}, Cas{false, true, noir}}) {
    canvas = Canvas(400, 120, blanc);
    reglages.ombre_1 = cas.ombre_1;
    reglages.ombre_2 = cas.ombre_2;
    reglages.largeur_ombre = 1;
    peindre({30, 20, 90, 60}, rouge_pur);
    Canvas attendu = reference(blanc);
    ligne(attendu, 30, 20, 90, 60, cas.attendue, 2);
    EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "ombre_largeur_1"))
        << cas.ombre_1;
  }
}

TEST_F(TraceSegment, Ombre2RisesThenFallsAcrossTheWidth) {
  reglages.ombre_2 = true;
  reglages.largeur_ombre = 12;
  peindre({10, 10, 10, 10.4}, rouge_pur);  // a dot per shadow line, 12 of them
  // The last line, at i = 11, is |sin(3.14 / 12)| of the colour.
  EXPECT_EQ(canvas.pen.color, RGB(static_cast<int>(std::nearbyint(255 * std::fabs(std::sin(3.14 / 12)))), 0, 0));
  EXPECT_EQ(rouge(canvas.Pixels(10 + 6, 10 + 6)), 255);
  EXPECT_LT(rouge(canvas.Pixels(10 + 11, 10 + 11)), 80);
}

TEST_F(TraceSegment, ClonesAreSpreadAcrossTheScreenWidth) {
  struct Cas {
    int clones;
    std::vector<int> decalages;
  };
  const std::vector<Cas> cas_list = {
      {2, {-200, 0, 200}}, {3, {-100, 0, 100}}, {4, {-200, -100, 0, 100, 200}},
      {5, {-132, -66, 0, 66, 132}}};
  for (const Cas& cas : cas_list) {
    canvas = Canvas(400, 120, noir);
    reglages.nombre_clones = cas.clones;
    // A clone keeps the pen colour of the renderer, whatever the segment colour.
    canvas.pen.color = 0x00FF00;
    Colour couleur = rouge_pur;
    trace_segment(canvas, reglages, aleatoire, etat, {210, 10, 230, 100}, couleur);
    Canvas attendu = reference();
    for (int d : cas.decalages) ligne(attendu, 210 + d, 10, 230 + d, 100, 0x00FF00, 1);
    EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "clones")) << cas.clones;
  }
}

TEST_F(TraceSegment, ShadowedClonesCarryTheirShadow) {
  reglages.nombre_clones = 2;
  reglages.ombre_1 = true;
  reglages.largeur_ombre = 1;
  peindre({210, 10, 230, 100}, rouge_pur);
  Canvas attendu = reference();
  for (int d : {-200, 0, 200}) ligne(attendu, 210 + d, 10, 230 + d, 100, rouge_pur, 2);
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "clones_ombre"));
}

TEST_F(TraceSegment, NoClonesDrawsLikeOneCopy) {
  for (bool ombre : {false, true}) {
    reglages.ombre_1 = ombre;
    reglages.largeur_ombre = 3;
    reglages.nombre_clones = 1;
    canvas = Canvas(400, 120, noir);
    peindre({50, 20, 150, 90}, rouge_pur);
    const Bitmap un = canvas.bitmap();
    reglages.nombre_clones = 0;
    canvas = Canvas(400, 120, noir);
    peindre({50, 20, 150, 90}, rouge_pur);
    EXPECT_TRUE(memes_images(canvas.bitmap(), un, "zero_clone")) << ombre;
  }
}

TEST_F(TraceSegment, ClonesBeyondTheScreenWidthFallOnOnePlace) {
  // 1001 clones with no room between them: an odd count over the same pixels.
  reglages.nombre_clones = 1001;
  canvas.pen.mode = R2_XORPEN;
  canvas.pen.color = rouge_pur;
  Colour couleur = rouge_pur;
  trace_segment(canvas, reglages, aleatoire, etat, {50, 20, 150, 90}, couleur);
  Canvas attendu = reference();
  attendu.pen.mode = R2_XORPEN;
  ligne(attendu, 50, 20, 150, 90, rouge_pur, 1);
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "clones_confondus"));
}

TEST_F(TraceSegment, CopiesOutsideTheIntegerRangeAreSkipped) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  reglages.ombre_1 = true;
  reglages.largeur_ombre = 3;
  for (const Copie& c : {Copie{nan, 10, 20, 20}, Copie{10, 10, inf, 20},
                         Copie{10, -inf, 20, 20}, Copie{1e300, 10, 20, 20},
                         Copie{10, 10, 3e9, 20}, Copie{10, 10, 20, -2147483651.0}}) {
    peindre(c, rouge_pur);
  }
  reglages.nombre_clones = 3;
  peindre({nan, nan, nan, nan}, rouge_pur);
  EXPECT_TRUE(memes_images(canvas.bitmap(), reference().bitmap(), "hors_limites"));
}

TEST_F(TraceSegment, ShadowLineThatWouldOverflowIsSkippedAlone) {
  // The first line ends at the largest coordinate; the next, one pixel further, cannot.
  reglages.ombre_1 = true;
  reglages.largeur_ombre = 2;
  const double bout = std::numeric_limits<int>::max();
  peindre({10, 50, bout, 50}, rouge_pur);
  Canvas attendu = reference();
  ligne(attendu, 10, 50, std::numeric_limits<int>::max(), 50, rouge_pur, 2);
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "ombre_debordante"));
}

TEST_F(TraceSegment, HugeShadowWidthDrawsOnlyWhatReachesTheCanvas) {
  reglages.ombre_1 = true;
  reglages.largeur_ombre = std::numeric_limits<int>::max();
  // Shadow line i runs from (i - 5000, i - 5000) to (i - 4990, i - 5000): the band of
  // lines crosses the canvas diagonally, thousands of lines after the first.
  peindre({-5000, -5000, -4990, -5000}, rouge_pur);
  EXPECT_EQ(canvas.Pixels(55, 50), rouge_pur);
  EXPECT_EQ(canvas.Pixels(5, 100), noir);
  EXPECT_EQ(canvas.pen.color, noir);  // as the last, almost black line leaves it
  EXPECT_EQ(canvas.pen.width, 2);
}

class Remplissage : public TraceSegment {
 protected:
  Remplissage() {
    etat.couleur_crayon = 0x008000;
    etat.couleur_peinture = 0xFFFF00;
    // A pencil-coloured frame around [100, 200) x [20, 80).
    Canvas& c = canvas;
    c.pen.color = etat.couleur_crayon;
    c.brush.color = etat.couleur_crayon;
    c.FillRect(100, 20, 200, 80);
    c.brush.color = 0x404040;
    c.FillRect(101, 21, 199, 79);
    avant = canvas.bitmap();
  }
  Bitmap avant;
};

TEST_F(Remplissage, TantQueFillsTheAreaOfTheEndPointColour) {
  reglages.peindre_dessiner = 1;
  peindre({10, 10, 150.4, 49.6}, etat.couleur_crayon);
  Canvas attendu(canvas.width(), canvas.height(), noir);
  attendu.Draw(0, 0, avant);
  attendu.brush.color = 0xFFFF00;
  attendu.FillRect(101, 21, 199, 79);
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "tant_que"));
  EXPECT_EQ(canvas.brush.style, BrushStyle::Solid);
  EXPECT_EQ(canvas.brush.color, etat.couleur_peinture);
  EXPECT_EQ(canvas.pen.color, etat.couleur_peinture);
}

TEST_F(Remplissage, TantQueOnThePixelOfTheSegmentColourFillsNothing) {
  reglages.peindre_dessiner = 1;
  peindre({0, 0, 100, 50}, etat.couleur_crayon);  // on the frame
  peindre({0, 0, 150, 50}, 0x404040);            // inside, given as segment colour
  EXPECT_TRUE(memes_images(canvas.bitmap(), avant, "tant_que_rien"));
}

TEST_F(Remplissage, JusquaStopsAtThePencilColour) {
  reglages.peindre_dessiner = 2;
  reglages.ombre_1 = true;  // fills ignore shadows and clones
  reglages.nombre_clones = 3;
  canvas.bitmap().setPixel(150, 50, 0x0000FF);  // other colours inside are painted over
  peindre({0, 0, 150, 50}, etat.couleur_crayon);
  Canvas attendu(canvas.width(), canvas.height(), noir);
  attendu.Draw(0, 0, avant);
  attendu.brush.color = 0xFFFF00;
  attendu.FillRect(101, 21, 199, 79);
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "jusqua"));
}

TEST_F(Remplissage, JusquaOutsideAnyBorderCoversTheConnectedArea) {
  reglages.peindre_dessiner = 2;
  peindre({0, 0, 5, 5}, etat.couleur_crayon);
  Canvas attendu(canvas.width(), canvas.height(), 0xFFFF00);
  attendu.brush.color = etat.couleur_crayon;
  attendu.FillRect(100, 20, 200, 80);
  attendu.brush.color = 0x404040;
  attendu.FillRect(101, 21, 199, 79);
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "jusqua_partout"));
}

TEST_F(Remplissage, FillPointFarOutsideFillsNothing) {
  for (int mode : {1, 2}) {
    reglages.peindre_dessiner = mode;
    peindre({0, 0, 1e12, std::numeric_limits<double>::quiet_NaN()}, 0x123456);
    peindre({0, 0, -5, 50}, 0x123456);
  }
  EXPECT_TRUE(memes_images(canvas.bitmap(), avant, "remplissage_dehors"));
}

}  // namespace
}  // namespace orvane
