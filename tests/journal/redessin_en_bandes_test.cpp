// A journal drawn in bands on several threads is, bit for bit, the journal drawn entry by
// entry on one: heavy strokes in every mix mode, fills, the colouring pass, pictures, at
// scale 1 and above; its progress only grows, a stop ends every band and the scale-1
// witness's error reaches them. Smoothed band after
// band, it is the whole picture averaged down.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "colour/coloriage_aleatoire.h"
#include "drawing/trace_symetrique.h"
#include "journal/journal_courant.h"
#include "journal/redessin.h"
#include "journal/redessin_lisse.h"
#include "journal/temoin_en_avance.h"
#include "journal/trait_enregistre.h"
#include "espace_adresses.h"
#include "platform/reduction_moyenne.h"

namespace orvane {
namespace {

constexpr int kLargeur = 150, kHauteur = 110;

// Draws calls of the renderer on a canvas and records them, as the window does.
struct Enregistreur {
  Canvas toile;
  JournalCourant journal;
  Aleatoire aleatoire{11};
  EtatTrace etat;
  std::mt19937 hasard{5};

  explicit Enregistreur(Colour fond) : toile(kLargeur, kHauteur, fond) {
    journal.ajouter(EntreeToile{kLargeur, kHauteur, fond});
    etat.centre_x = kLargeur / 2;
    etat.centre_y = kHauteur / 2;
  }

  Point point() {
    return {static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
  }

  void trait(const ReglagesTrace& r, Point a, Point b, int mode, Colour couleur) {
    toile.pen.mode = mode;
    toile.pen.color = couleur;
    toile.pen.width =
        epaisseur_du_trait(aleatoire, r.epaisseur_aleatoire, r.epaisseur, toile.pen.width);
    tracer_et_enregistrer(toile, journal, aleatoire, etat, r, a, b, couleur);
  }

  void remplir(Point p, int peindre_dessiner, Colour peinture) {
    ReglagesTrace r;
    r.nb_petales = 3;
    r.peindre_dessiner = peindre_dessiner;
    etat.couleur_peinture = peinture;
    trait(r, p, p, R2_COPYPEN, etat.couleur_crayon);
  }

  void image(int largeur, int hauteur) {
    auto image = std::make_shared<Bitmap>(largeur, hauteur);
    for (int y = 0; y < hauteur; ++y)
      for (int x = 0; x < largeur; ++x) image->setPixel(x, y, hasard() & 0xFFFFFF);
    toile.Draw(0, 0, *image);
    journal.ajouter(EntreeImage{image});
  }

  // Strokes of wide clones with shadows, random widths and darkened copies in each mix
  // mode, and the elliptic tool's ellipses, lines and shaded arcs in it.
  void traits_lourds(int mode) {
    ReglagesTrace r;
    r.nb_petales = 2 + mode % 5;
    r.symetrie = mode % 5;
    r.epaisseur = 2 + mode % 7;
    r.epaisseur_aleatoire = mode % 3 == 0;
    r.nombre_clones = 1 + mode % 4;
    r.ombre_1 = mode % 2 == 0;
    r.ombre_2 = mode % 4 == 1;
    r.largeur_ombre = 5;
    r.spirale = mode % 3 == 1;
    r.tours = 2;
    r.facteur_milliemes = 900;
    r.largeur_ecran = kLargeur;
    const Colour couleur = hasard() & 0xFFFFFF;
    Point a = point();
    for (int s = 0; s < 4; ++s) {
      const Point b{a.x + static_cast<int>(hasard() % 31) - 15,
                    a.y + static_cast<int>(hasard() % 31) - 15};
      trait(r, a, b, mode, couleur);
      a = b;
    }
    const Point p = point(), q = point(), c = point();
    journal.ajouter(EntreeEllipse{p.x, p.y, q.x, q.y, mode, couleur, 1 + mode % 4,
                                  static_cast<Colour>(hasard() & 0xFFFFFF),
                                  mode % 2 ? BrushStyle::Solid : BrushStyle::Clear});
    journal.ajouter(EntreeLigne{p, c, mode, couleur, 1 + mode % 3});
    journal.ajouter(EntreeArc{p, q, c, mode, couleur, 1 + mode % 3, {mode % 2 == 0, false, 4}});
  }
};

Journal tous_les_modes() {
  Enregistreur d(0xFFFFFF);
  for (int mode = 0; mode < 16; ++mode) d.traits_lourds(mode);
  return d.journal.journal();
}

Journal remplissages() {
  Enregistreur d(0x000000);
  for (int i = 0; i < 4; ++i) d.traits_lourds(R2_COPYPEN);
  for (int i = 0; i < 12; ++i) d.remplir(d.point(), 1 + i % 2, d.hasard() & 0xFFFFFF);
  d.traits_lourds(R2_XORPEN);
  return d.journal.journal();
}

Journal coloriage() {
  Enregistreur d(0xFFFFFF);
  for (int i = 0; i < 3; ++i) d.traits_lourds(R2_COPYPEN);
  Colour peinture = 0;
  EnvironnementColoriage env;
  env.couleur_aleatoire = [&] { return static_cast<Colour>(d.hasard() & 0xFFFFFF); };
  env.remplir = [&](Point p, Colour c) { d.remplir(p, 1, c); };
  env.pointeur = [] { return Point{7, 3}; };
  env.montrer_peinture = [](Colour) {};
  env.legende_x = env.legende_y = [](const std::string&) {};
  env.arret_demande = [] { return false; };
  parcours_en_grille(d.toile, d.etat.couleur_crayon, peinture, d.aleatoire, env);
  d.traits_lourds(R2_NOTXORPEN);
  return d.journal.journal();
}

Journal images() {
  Enregistreur d(0x808080);
  d.traits_lourds(R2_COPYPEN);
  d.image(kLargeur - 20, kHauteur - 30);
  d.traits_lourds(R2_XORPEN);
  d.remplir(d.point(), 1, 0x00FF00);
  d.image(kLargeur / 2, kHauteur);
  d.traits_lourds(R2_MERGEPENNOT);
  return d.journal.journal();
}

// The journal drawn entry by entry with the one-thread drawer.
Bitmap un_par_un(const Journal& journal, int echelle) {
  Redessin redessin(echelle);
  for (const Entree& e : journal.entrees()) redessin.appliquer(e);
  return redessin.toile().bitmap();
}

struct CasLourd {
  const char* nom;
  Journal (*faire)();
};

void PrintTo(const CasLourd& cas, std::ostream* os) { *os << cas.nom; }

class JournauxLourds : public testing::TestWithParam<CasLourd> {};

TEST_P(JournauxLourds, AreTheSameBitForBitOnOneTwoThreeAndEightThreads) {
  const Journal journal = GetParam().faire();
  for (int echelle : {1, 3}) {
    const Bitmap attendue = un_par_un(journal, echelle);
    ASSERT_EQ(attendue.width(), kLargeur * echelle);
    for (int fils : {1, 2, 3, 8}) {
      Bitmap sortie;
      ASSERT_TRUE(redessiner(journal, echelle, sortie, {}, fils));
      EXPECT_TRUE(sortie == attendue) << "scale " << echelle << ", " << fils << " threads";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(RedessinEnBandes, JournauxLourds,
                         testing::Values(CasLourd{"tous_les_modes", tous_les_modes},
                                         CasLourd{"remplissages", remplissages},
                                         CasLourd{"coloriage", coloriage},
                                         CasLourd{"images", images}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(RedessinEnBandes, ProgressOnlyGrowsToItsTotalWhateverTheThreads) {
  const Journal journal = remplissages();
  for (int fils : {1, 3}) {
    std::int64_t dernier = -1, total = 0;
    bool recule = false;
    Bitmap sortie;
    ASSERT_TRUE(redessiner(
        journal, 3, sortie,
        [&](std::int64_t f, std::int64_t t) {
          recule = recule || f < dernier || (total != 0 && t != total);
          dernier = f;
          total = t;
          return true;
        },
        fils));
    EXPECT_FALSE(recule) << fils << " threads";
    EXPECT_GT(total, 0);
    EXPECT_EQ(dernier, total) << fils << " threads";
    EXPECT_TRUE(sortie == un_par_un(journal, 3));
  }
}

TEST(RedessinEnBandes, AStopAskedInOneBandEndsTheDrawingOnEveryThread) {
  // With fills, the witness ahead of the bands is stopped too, maybe waiting for them.
  for (const Journal& journal : {tous_les_modes(), remplissages()}) {
    for (int fils : {2, 8}) {
      std::atomic<int> appels{0};
      Bitmap sortie;
      EXPECT_FALSE(redessiner(
          journal, 4, sortie, [&](std::int64_t, std::int64_t) { return ++appels < 5; }, fils));
      // Each band stops at its next look rather than drawing on to the end.
      EXPECT_LT(appels.load(), 5 + 2 * fils) << fils << " threads";
    }
  }
}

TEST(TemoinEnAvanceMemoire, WhatTheWitnessAheadThrowsReachesTheBandsWaitingForItsZone) {
  // A canvas too large for memory even at scale 1, then a fill the bands wait for.
  Enregistreur d(0);
  d.remplir({5, 5}, 1, 0x00FF00);
  std::vector<Entree> entrees = d.journal.journal().entrees();
  entrees.front() = EntreeToile{400'000, 400'000, 0};
  TemoinEchelleUn temoin;
  TemoinEnAvance avance(temoin);
  avance.lancer(entrees);
  EXPECT_THROW(avance.zone_suivante(), std::bad_alloc);
  EXPECT_THROW(avance.finir(), std::bad_alloc);
}

TEST(BandesSansMemoire, ThreadsTheMemoryCannotHoldEndTheDrawingWithAMemoryError) {
  // Room for the picture and a thread's stack or two, not for eight: the threads started
  // must not wait for the others.
  const Journal journal = remplissages();
  std::string sortie;
  const int statut = test::dans_un_enfant(
      [&](std::ostream& flux) {
        alarm(60);  // a drawing that hangs ends the child, and the test fails
        test::limiter_espace(rlim_t{24} << 20);
        Bitmap image;
        try {
          redessiner(journal, 3, image, {}, 8);
        } catch (const std::bad_alloc&) {
          flux << "memoire";
          return 0;
        }
        flux << "dessine";
        return 1;
      },
      sortie);
  EXPECT_EQ(statut, 0) << sortie;
  EXPECT_THAT(sortie, testing::EndsWith("memoire"));
}

Journal sans_remplissage() {
  Enregistreur d(0x204060);
  d.traits_lourds(R2_COPYPEN);
  d.image(kLargeur - 7, kHauteur - 9);
  for (int mode : {R2_XORPEN, R2_MASKPEN, R2_NOT}) d.traits_lourds(mode);
  return d.journal.journal();
}

TEST(RedessinReduit, BandAfterBandIsTheWholePictureAveragedDown) {
  const Journal journal = sans_remplissage();
  ASSERT_TRUE(dessinable_par_bandes(journal));
  EXPECT_FALSE(dessinable_par_bandes(remplissages()));
  for (int echelle : {2, 3}) {
    const Bitmap attendue = reduire_par_moyenne(un_par_un(journal, echelle * 4), 4);
    // Bands of one row, of rows that do not divide the picture, and as memory allows.
    for (int lignes : {1, 7, 0}) {
      for (int fils : {1, 3}) {
        Bitmap sortie;
        ASSERT_TRUE(redessiner_reduit(journal, echelle * 4, 4, sortie, {}, fils, lignes));
        EXPECT_TRUE(sortie == attendue)
            << "scale " << echelle << ", bands of " << lignes << " rows, " << fils << " threads";
      }
    }
  }
}

TEST(RedessinReduit, ProgressOnlyGrowsToItsTotalAndAStopEndsEveryBand) {
  const Journal journal = sans_remplissage();
  std::int64_t dernier = -1, total = 0;
  bool recule = false;
  Bitmap sortie;
  ASSERT_TRUE(redessiner_reduit(
      journal, 8, 4, sortie,
      [&](std::int64_t f, std::int64_t t) {
        recule = recule || f < dernier || (total != 0 && t != total);
        dernier = f;
        total = t;
        return true;
      },
      3, 5));
  EXPECT_FALSE(recule);
  EXPECT_GT(total, 0);
  EXPECT_EQ(dernier, total);

  std::atomic<int> appels{0};
  EXPECT_FALSE(redessiner_reduit(
      journal, 8, 4, sortie, [&](std::int64_t, std::int64_t) { return ++appels < 5; }, 3, 5));
  EXPECT_LT(appels.load(), 5 + 3);
}

}  // namespace
}  // namespace orvane
