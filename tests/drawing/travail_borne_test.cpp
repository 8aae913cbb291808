// The cheaper paths of the renderer (repeated copies painted once or twice, shadow lines
// off the canvas skipped) against the one-by-one drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "comparaison_images.h"
#include "drawing/copies_symetriques.h"
#include "drawing/doublons_copies.h"
#include "drawing/ombre_visible.h"
#include "drawing/repetitions_copies.h"
#include "drawing/trace_segment.h"
#include "drawing/trace_symetrique.h"

namespace orvane {
namespace {

// ---- the run replacement on its own -------------------------------------------------

CopiePeinte lettre(char c) {
  CopiePeinte p;
  p.comparable = c != '?';
  p.couleur = static_cast<Colour>(c);
  p.cle = {c, 0, c, 0};
  return p;
}

std::string peint(const std::string& suite, std::int64_t periode, Repetition regle) {
  std::string resultat;
  RepetitionsCopies r(periode, regle, [&](const CopiePeinte& p) {
    resultat += p.comparable ? static_cast<char>(p.couleur) : '?';
  });
  for (char c : suite) r.recevoir(lettre(c));
  r.finir();
  return resultat;
}

TEST(RepetitionsCopies, RunsOfABlockArePaintedOnceTwiceOrNotAtAll) {
  struct Cas {
    const char* suite;
    std::int64_t periode;
    Repetition regle;
    const char* attendu;
  };
  const Cas cas[] = {
      {"ababab", 2, Repetition::UneFois, "ab"},
      {"ababab", 2, Repetition::Parite, "ab"},
      {"abab", 2, Repetition::Parite, ""},
      {"abab", 2, Repetition::UneOuDeuxFois, "abab"},
      {"ababab", 2, Repetition::UneOuDeuxFois, "ab"},
      {"abac", 2, Repetition::UneFois, "abac"},
      {"ababac", 2, Repetition::Parite, "ac"},  // abab cancels, then a, then c
      {"ababa", 2, Repetition::Parite, "a"},
      {"abcabcab", 3, Repetition::Parite, "ab"},
      {"a?a?a?", 2, Repetition::UneFois, "a?a?a?"},  // copies that cannot be compared
      {"ab", 2, Repetition::Parite, "ab"},
      {"a", 2, Repetition::Parite, "a"},
      {"aaaa", 0, Repetition::Parite, "aaaa"},  // no period: everything as it comes
      {"xyxyxyzz", 2, Repetition::UneOuDeuxFois, "xyzz"},
      {"xyxyzz", 2, Repetition::UneOuDeuxFois, "xyxyzz"},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(peint(c.suite, c.periode, c.regle), c.attendu)
        << c.suite << " period " << c.periode << " rule " << static_cast<int>(c.regle);
  }
}

TEST(RepetitionsCopies, OnlyExactSpiralsRepeat) {
  ReglagesTrace r;
  r.spirale = true;
  r.tours = 100;
  r.nb_petales = 100;
  r.facteur_milliemes = 1000;
  EXPECT_EQ(periode_copies(r), 100);
  r.type_trace = 4;  // losanges add the mirrors
  EXPECT_EQ(periode_copies(r), 200);
  r.facteur_milliemes = -1000;
  EXPECT_EQ(periode_copies(r), 400);
  r.facteur_milliemes = 999;
  EXPECT_EQ(periode_copies(r), 0);
  r.facteur_milliemes = 1000;
  r.symetrie = 3;
  EXPECT_EQ(periode_copies(r), 0);
  r.symetrie = 1;
  r.spirale = false;
  EXPECT_EQ(periode_copies(r), 0);
}

std::string sans_doublons(const std::string& suite, Repetition regle) {
  std::string resultat;
  DoublonsCopies d(regle, [&](const CopiePeinte& p) {
    resultat += p.comparable ? static_cast<char>(p.couleur) : '?';
  });
  for (char c : suite) d.recevoir(lettre(c));
  d.finir();
  return resultat;
}

TEST(DoublonsCopies, TheLastOfEqualCopiesOrTheOddOnesArePainted) {
  struct Cas {
    const char* suite;
    Repetition regle;
    const char* attendu;
  };
  const Cas cas[] = {
      {"abcab", Repetition::UneFois, "cab"},  // each kept at its last place
      {"aaaa", Repetition::UneFois, "a"},
      {"a?a?", Repetition::UneFois, "?a?"},  // copies that cannot be compared stay
      {"abcab", Repetition::Parite, "c"},
      {"abcabca", Repetition::Parite, "a"},  // b and c cancel, a is met three times
      {"aaa", Repetition::Parite, "a"},
      {"aaaa", Repetition::Parite, ""},
      {"", Repetition::Parite, ""},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(sans_doublons(c.suite, c.regle), c.attendu)
        << c.suite << " rule " << static_cast<int>(c.regle);
  }
}

// ---- the whole renderer against the one-by-one drawing ------------------------------

// A busy picture, so that every mix mode and both fills have something to work on.
Canvas toile_chargee(std::mt19937& g, int w, int h) {
  Canvas c(w, h, 0);
  std::uniform_int_distribution<int> x(-10, w + 10), y(-10, h + 10), couleur(0, 0xFFFFFF);
  for (int k = 0; k < 25; ++k) {
    c.pen.color = static_cast<Colour>(couleur(g)) & (k % 2 ? 0xFFFFFF : 0x00FF00);
    c.pen.width = 1 + k % 4;
    c.MoveTo(x(g), y(g));
    c.LineTo(x(g), y(g));
  }
  return c;
}

// The segment painter line by line: every clone and every shadow line drawn with its own
// MoveTo and LineTo, as the plain reading of the settings says.
void ligne_seule(Canvas& canvas, double x1, double y1, double x2, double y2, std::int64_t i) {
  std::int64_t c[4] = {0, 0, 0, 0};
  const double v[4] = {x1, y1, x2, y2};
  for (int k = 0; k < 4; ++k) {
    if (!arrondi_64(v[k], c[k])) return;
    c[k] += i;
    if (!tient_sur_32_bits(c[k])) return;
  }
  canvas.MoveTo(static_cast<int>(c[0]), static_cast<int>(c[1]));
  canvas.LineTo(static_cast<int>(c[2]), static_cast<int>(c[3]));
}

void ombre_ligne_par_ligne(Canvas& canvas, const ReglagesTrace& r, const Copie& c, double d,
                           Colour couleur) {
  const int w = r.largeur_ombre;
  for (int i = 0; i < w; ++i) {
    double b = 1 - static_cast<double>(i) / w;
    if (r.ombre_1) b = b * b;
    if (r.ombre_2) b = std::fabs(std::sin(3.14 * b));
    const auto comp = [b](int v) { return static_cast<int>(std::nearbyint(v * b)); };
    canvas.pen.color = RGB(comp(rouge(couleur)), comp(vert(couleur)), comp(bleu(couleur)));
    canvas.pen.width = r.epaisseur_ombre;
    ligne_seule(canvas, c.x1 + d, c.y1, c.x2 + d, c.y2, std::int64_t{i} * r.pas_ombre);
  }
}

void segment_ligne_par_ligne(Canvas& canvas, const ReglagesTrace& r, Aleatoire& aleatoire,
                             EtatTrace& etat, const Copie& c, Colour& couleur_segment) {
  if (r.peindre_dessiner != 0) {
    trace_segment(canvas, r, aleatoire, etat, c, couleur_segment);  // fills: one per copy
    return;
  }
  const Colour couleur = couleur_copie(r, aleatoire, etat, couleur_segment);
  const bool ombre = r.ombre_1 || r.ombre_2;
  if (r.nombre_clones <= 1) {
    if (ombre) {
      ombre_ligne_par_ligne(canvas, r, c, 0, couleur);
    } else {
      canvas.pen.color = couleur;
      ligne_seule(canvas, c.x1, c.y1, c.x2, c.y2, 0);
    }
    return;
  }
  const int n = r.nombre_clones;
  const int h0 = (n + 1) / 2;
  const int espacement = r.largeur_ecran / (2 * h0);
  const int h = espacement == 0 ? 0 : n % 2 == 1 ? h0 - 1 : h0;
  for (int j = -h; j <= h; ++j) {
    const double d = j * espacement;
    if (ombre) {
      ombre_ligne_par_ligne(canvas, r, c, d, couleur);
    } else {
      ligne_seule(canvas, c.x1 + d, c.y1, c.x2 + d, c.y2, 0);
    }
  }
}

// The renderer as it was: every copy painted in turn, line by line. The pen is set as the
// renderer sets it (small widths only, so the random width needs no clamping here).
void un_par_un(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
               EtatTrace& etat, Point a, Point b, int mode, Colour couleur) {
  canvas.pen.mode = mode;
  canvas.pen.color = couleur;
  canvas.pen.width = reglages.epaisseur_aleatoire
                         ? aleatoire.Random(reglages.epaisseur + canvas.pen.width)
                         : reglages.epaisseur;
  Colour couleur_segment = couleur;
  copies_symetriques(reglages, {etat.centre_x, etat.centre_y}, a, b, [&](const Copie& c) {
    segment_ligne_par_ligne(canvas, reglages, aleatoire, etat, c, couleur_segment);
  });
}

ReglagesTrace reglages_au_hasard(std::mt19937& g) {
  const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
  ReglagesTrace r;
  r.symetrie = entre(0, 5) < 4 ? entre(0, 1) : entre(2, 4);
  r.type_trace = entre(0, 4);
  r.peindre_dessiner = entre(0, 5) == 0 ? entre(1, 2) : 0;
  r.nb_petales = entre(1, 9);
  r.spirale = entre(0, 5) > 0;
  r.tours = entre(1, 7);
  const int facteurs[] = {1000, 1000, 1000, 1000, 1000, -1000, 999, 500, 975, 900};
  r.facteur_milliemes = facteurs[entre(0, 9)];
  r.epaisseur_aleatoire = entre(0, 2) == 0;
  r.epaisseur = entre(1, 5);
  r.ombre_1 = entre(0, 2) == 0;
  r.ombre_2 = entre(0, 3) == 0;
  r.largeur_ombre = entre(0, 2) == 0 ? entre(-1, 2) : entre(3, 40);
  r.nombre_clones = entre(0, 2) == 0 ? entre(0, 6) : 1;
  r.largeur_ecran = entre(0, 3) == 0 ? 3 : 160;
  // Shadows as a re-drawing at scale K makes them: lines 2K wide, K pixels apart.
  const int k = entre(0, 3) == 0 ? entre(2, 3) : 1;
  r.epaisseur_ombre = 2 * k;
  r.pas_ombre = k;
  return r;
}

// One stroke call drawn by the renderer and one by one from the same start, compared:
// pixels, pen, position, brush, the split pencil colour and the random generator's next draw.
void comparer_depuis(const Canvas& depart, const ReglagesTrace& r, const EtatTrace& etat,
                     Point a, Point b, int mode, Colour couleur, std::uint64_t graine,
                     int essai) {
  Canvas vite = depart, lent = depart;
  Aleatoire alea_vite(graine), alea_lent(graine);
  EtatTrace etat_vite = etat, etat_lent = etat;
  trace_symetrique(vite, r, alea_vite, etat_vite, a, b, mode, couleur);
  un_par_un(lent, r, alea_lent, etat_lent, a, b, mode, couleur);

  const std::string nom = "travail_borne_" + std::to_string(essai);
  ASSERT_TRUE(memes_images(vite.bitmap(), lent.bitmap(), nom.c_str())) << "trial " << essai;
  ASSERT_EQ(vite.pen.color, lent.pen.color) << essai;
  ASSERT_EQ(vite.pen.width, lent.pen.width) << essai;
  ASSERT_EQ(vite.pen.mode, lent.pen.mode) << essai;
  ASSERT_EQ(vite.position().x, lent.position().x) << essai;
  ASSERT_EQ(vite.position().y, lent.position().y) << essai;
  ASSERT_EQ(vite.brush.color, lent.brush.color) << essai;
  ASSERT_EQ(static_cast<int>(vite.brush.style), static_cast<int>(lent.brush.style)) << essai;
  ASSERT_EQ(etat_vite.rouge_crayon, etat_lent.rouge_crayon) << essai;
  ASSERT_EQ(alea_vite.Random(1 << 30), alea_lent.Random(1 << 30)) << essai;
}

void comparer_au_un_par_un(std::mt19937& g, const ReglagesTrace& r, int mode, int essai) {
  const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
  const Colour couleur = static_cast<Colour>(entre(0, 0xFFFFFF));
  EtatTrace etat;
  etat.centre_x = entre(20, 140);
  etat.centre_y = entre(20, 100);
  etat.couleur_crayon = static_cast<Colour>(entre(0, 0xFFFFFF));
  etat.couleur_peinture = static_cast<Colour>(entre(0, 0xFFFFFF));
  const Point a{entre(-20, 180), entre(-20, 140)};
  const Point b = entre(0, 4) == 0 ? a : Point{entre(-20, 180), entre(-20, 140)};
  const Canvas depart = toile_chargee(g, 160, 120);
  comparer_depuis(depart, r, etat, a, b, mode, couleur, g(), essai);
}

TEST(TravailBorne, CheaperPathsGiveThePixelsPenAndDrawsOfTheOneByOneDrawing) {
  std::mt19937 g(2026);
  int compares = 0;
  for (int essai = 0; essai < 2400; ++essai) {
    const ReglagesTrace r = reglages_au_hasard(g);
    comparer_au_un_par_un(g, r, essai % 16, essai);  // every mix mode, over and over
    if (HasFatalFailure()) return;
    compares += periode_copies(r) > 0;
  }
  EXPECT_GT(compares, 500);  // the repeating spirals were well represented
}

// Strokes the renderer fuzzer found drawn differently.
TEST(TravailBorne, StrokesOnceFoundDifferentMatchTheOneByOneDrawing) {
  struct Cas {
    const char* quoi;
    int largeur, hauteur;
    ReglagesTrace r;
    Point centre, a, b;
    int mode;
    int largeur_avant;  // the pen width an earlier stroke left
  };
  const auto reglages = [](int symetrie, int type, int petales, int tours, int f, int epaisseur,
                           bool aleatoire, bool ombre_1, bool ombre_2, int ombre, int clones,
                           int ecran) {
    ReglagesTrace r;
    r.symetrie = symetrie;
    r.type_trace = type;
    r.nb_petales = petales;
    r.spirale = true;
    r.tours = tours;
    r.facteur_milliemes = f;
    r.epaisseur = epaisseur;
    r.epaisseur_aleatoire = aleatoire;
    r.ombre_1 = ombre_1;
    r.ombre_2 = ombre_2;
    r.largeur_ombre = ombre;
    r.nombre_clones = clones;
    r.largeur_ecran = ecran;
    return r;
  };
  const Cas cas[] = {
      // The last copies spared: the position is the one their last line would leave.
      {"last copies spared, far segment", 64, 64,
       reglages(0, 3, 44, 11, -481, 96, true, true, false, 44, 0, 992), {-36, -182},
       {-1019002045, -1019002045}, {-1019002045, -1019002045}, R2_NOT, 6},
      {"last copies spared, vitrail", 47, 80,
       reglages(1, 0, 8, 12, -778, 3, false, true, true, 119, 5, 60), {20, 30}, {25, 70},
       {40, 10}, R2_NOT, 1},
  };
  std::mt19937 g(18);
  int essai = 300000;
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    Canvas depart = toile_chargee(g, c.largeur, c.hauteur);
    depart.pen.width = c.largeur_avant;
    EtatTrace etat;
    etat.centre_x = c.centre.x;
    etat.centre_y = c.centre.y;
    comparer_depuis(depart, c.r, etat, c.a, c.b, c.mode, 0x434343, g(), essai++);
    if (HasFatalFailure()) return;
  }
}

// Spirals shrinking to the centre with a shadow, clones and the random shades: the copies
// there repeat one after the other in changing colours, and their shadows are composed
// together. Every mix mode, the four whose result depends on the order above all.
TEST(TravailBorne, ShrinkingShadowedSpiralsInRandomShadesMatchTheOneByOneDrawing) {
  std::mt19937 g(75);
  for (int essai = 0; essai < 320; ++essai) {
    const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    ReglagesTrace r;
    r.symetrie = entre(0, 1);
    r.type_trace = 0;
    r.nb_petales = entre(1, 6);
    r.spirale = true;
    r.tours = entre(2, 6);
    const int facteurs[] = {500, 800, 900, 975};
    r.facteur_milliemes = facteurs[entre(0, 3)];
    r.epaisseur_aleatoire = entre(0, 3) > 0;
    r.epaisseur = entre(1, 4);
    r.ombre_1 = entre(0, 1) == 0;
    r.ombre_2 = !r.ombre_1 || entre(0, 2) == 0;
    r.largeur_ombre = entre(1, 12);
    r.nombre_clones = entre(1, 4);
    r.largeur_ecran = entre(0, 1) == 0 ? 160 : 40;
    const int melanges[] = {R2_MERGEPENNOT, R2_MASKPENNOT, R2_NOTMERGEPEN, R2_NOTMASKPEN};
    const int mode = essai % 2 == 0 ? melanges[(essai / 2) % 4] : (essai / 2) % 16;
    comparer_au_un_par_un(g, r, mode, 100000 + essai);
    if (HasFatalFailure()) return;
  }
}

// The same with clones closer than their shadows are wide: the shadows of consecutive
// copies may only be added up where no two clones cover one pixel.
TEST(TravailBorne, OverlappingShadowedClonesMatchTheOneByOneDrawing) {
  std::mt19937 g(19);
  for (int essai = 0; essai < 240; ++essai) {
    const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    ReglagesTrace r;
    r.symetrie = entre(0, 1);
    r.type_trace = 0;
    r.nb_petales = entre(1, 4);
    r.spirale = true;
    r.tours = entre(2, 5);
    r.facteur_milliemes = entre(0, 1) == 0 ? 500 : 800;
    r.epaisseur_aleatoire = true;
    r.epaisseur = entre(1, 3);
    r.ombre_1 = entre(0, 1) == 0;
    r.ombre_2 = !r.ombre_1;
    r.largeur_ombre = entre(6, 20);
    r.nombre_clones = entre(3, 8);
    r.largeur_ecran = entre(8, 60);
    const int melanges[] = {R2_MERGEPENNOT, R2_MASKPENNOT, R2_NOTMERGEPEN, R2_NOTMASKPEN};
    comparer_au_un_par_un(g, r, melanges[essai % 4], 200000 + essai);
    if (HasFatalFailure()) return;
  }
}

// Clones without a shadow keep the pen's colour whatever shade each copy takes, so copies
// in different shades on the same pixels count as equal there, and only there.
TEST(TravailBorne, UnshadowedClonesInRandomShadesMatchTheOneByOneDrawing) {
  std::mt19937 g(1919);
  for (int essai = 0; essai < 192; ++essai) {
    const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    ReglagesTrace r;
    r.symetrie = entre(0, 1);
    r.type_trace = 0;
    r.nb_petales = entre(1, 5);
    r.spirale = true;
    r.tours = entre(2, 6);
    const int facteurs[] = {500, 900, 975, 1000};
    r.facteur_milliemes = facteurs[entre(0, 3)];
    r.epaisseur_aleatoire = true;
    r.epaisseur = entre(1, 6);
    r.ombre_1 = r.ombre_2 = false;
    r.nombre_clones = entre(0, 3) == 0 ? 1 : entre(2, 8);
    r.largeur_ecran = entre(8, 160);
    comparer_au_un_par_un(g, r, essai % 16, 400000 + essai);
    if (HasFatalFailure()) return;
  }
}

// A shadow line outside the range never touches the canvas: checked by drawing it.
TEST(TravailBorne, ShadowLinesLeftOutNeverTouchTheCanvas) {
  std::mt19937 g(11);
  const auto entre = [&](std::int64_t a, std::int64_t b) {
    return std::uniform_int_distribution<std::int64_t>(a, b)(g);
  };
  int exclues = 0;
  for (int essai = 0; essai < 400; ++essai) {
    const int w = static_cast<int>(entre(1, 90)), h = static_cast<int>(entre(1, 70));
    const std::int64_t loin = essai % 3 == 0 ? 2000000000 : essai % 3 == 1 ? 5000 : 300;
    SegmentEntier s{entre(-loin, loin), entre(-loin, loin), entre(-loin, loin),
                    entre(-loin, loin)};
    if (essai % 5 == 0) s.x2 = s.x1, s.y2 = s.y1;
    const int largeur = static_cast<int>(entre(1, 400));
    const LignesVisibles v = lignes_ombre_visibles(s, largeur, 2, w, h);
    ASSERT_GE(v.debut, 0);
    ASSERT_LE(v.fin, largeur);
    for (std::int64_t i = 0; i < largeur; ++i) {
      if (i >= v.debut && i < v.fin) continue;
      ++exclues;
      const std::int64_t c[4] = {s.x1 + i, s.y1 + i, s.x2 + i, s.y2 + i};
      bool tient = true;
      for (std::int64_t v32 : c) tient = tient && tient_sur_32_bits(v32);
      if (!tient) continue;  // never drawn at all
      Canvas toile(w, h, 0);
      toile.pen.width = 2;
      toile.pen.mode = R2_WHITE;
      toile.MoveTo(static_cast<int>(c[0]), static_cast<int>(c[1]));
      toile.LineTo(static_cast<int>(c[2]), static_cast<int>(c[3]));
      ASSERT_TRUE(memes_images(toile.bitmap(), Bitmap(w, h, 0), "ombre_exclue"))
          << "trial " << essai << " line " << i;
    }
  }
  EXPECT_GT(exclues, 10000);
}

TEST(TravailBorne, ALongSegmentFarOutsideKeepsOnlyTheLinesThatCrossTheCanvas) {
  // From far above-left to far below-right, passing 1000 pixels right of the canvas.
  const SegmentEntier s{-1000000000 + 1000, -1000000000, 1000000000 + 1000, 1000000000};
  const LignesVisibles v = lignes_ombre_visibles(s, 100000, 2, 800, 600);
  EXPECT_TRUE(v.fin <= v.debut);  // the diagonal shift never brings it in
  const SegmentEntier croise{-2000000000, 300, 2000000000, 300};  // a horizontal line
  const LignesVisibles w = lignes_ombre_visibles(croise, 100000, 2, 800, 600);
  EXPECT_LE(w.fin - w.debut, 600 + 20);
  EXPECT_LE(w.debut, 0);
  EXPECT_GE(w.fin, 300);
}

}  // namespace
}  // namespace orvane
