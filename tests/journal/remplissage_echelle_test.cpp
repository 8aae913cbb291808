// Fills re-drawn at scale K: small figures whose fill leaks at scale K when it floods the
// scale-K picture freely, and does not when it keeps to what it filled at scale 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "drawing/arc_ombre.h"
#include "drawing/trace_symetrique.h"
#include "fidelite_echelle.h"
#include "journal/mise_a_l_echelle.h"

namespace orvane {
namespace {

constexpr Colour kNoir = 0x000000;
constexpr Colour kBlanc = 0xFFFFFF;
constexpr Colour kBleu = RGB(20, 90, 200);

EntreeTrait trait(Point a, Point b, Colour couleur = kBlanc) {
  EntreeTrait t;
  t.a = a;
  t.b = b;
  t.couleur = couleur;
  t.couleur_crayon = couleur;
  t.reglages.symetrie = 4;  // the segment alone
  return t;
}

// A fill of one kind (1 "peind tant que", 2 "peind j'usqu'à") from p alone.
EntreeTrait remplissage(Point p, int sorte, Colour crayon = kBlanc) {
  EntreeTrait t = trait(p, p, crayon);
  t.reglages.peindre_dessiner = sorte;
  t.couleur_peinture = kBleu;
  return t;
}

// The journal drawn at scale k with every fill flooding the scale-K picture freely.
Bitmap flot_libre(const Journal& journal, int k) {
  Redessin redessin(k);
  Aleatoire aleatoire(0);
  for (const Entree& e : journal.entrees()) {
    if (!est_remplissage(e)) {
      redessin.appliquer(e);
      continue;
    }
    const EntreeTrait t = a_l_echelle(std::get<EntreeTrait>(e), k);
    EtatTrace etat;
    etat.centre_x = t.centre.x;
    etat.centre_y = t.centre.y;
    etat.couleur_crayon = t.couleur_crayon;
    etat.couleur_peinture = t.couleur_peinture;
    trace_copies(redessin.toile(), t.reglages, aleatoire, etat, t.a, t.b, t.couleur);
  }
  return redessin.toile().bitmap();
}

Bitmap a_l_echelle_de(const Journal& journal, int k) {
  Bitmap sortie;
  EXPECT_TRUE(redessiner(journal, k, sortie, {}));
  return sortie;
}

// A diamond of one-pixel diagonals, closed at scale 1, whose right corner is two strokes
// touching only at their pixels' corners: at scale K their round ends leave a gap there.
Journal losange(int sorte) {
  return Journal({EntreeToile{48, 48, kNoir}, trait({20, 4}, {37, 21}),
                  trait({35, 21}, {19, 37}), trait({20, 36}, {3, 19}), trait({4, 20}, {21, 3}),
                  remplissage({20, 20}, sorte)});
}

// Rays of a rosace of n petals, with a shadow of that many lines past one, and a fill from
// p alone: a pocket between rays where they nearly touch, closed at scale 1.
Journal rayons(int n, int ombre, Point p, int sorte) {
  const Colour crayon = RGB(250, 250, 250);
  EntreeTrait rayon = trait({40, 37}, {40, 8}, crayon);
  rayon.centre = {40, 40};
  rayon.reglages.symetrie = 0;
  rayon.reglages.nb_petales = n;
  rayon.reglages.ombre_1 = ombre > 1;
  rayon.reglages.largeur_ombre = ombre;
  return Journal({EntreeToile{80, 80, kNoir}, rayon, remplissage(p, sorte, crayon)});
}

// A closed loop of one-pixel and thicker sides, diagonals among them, that no scale opens.
Journal boucle(int sorte) {
  EntreeTrait epais = trait({40, 6}, {70, 30});
  epais.largeur = 3;
  return Journal({EntreeToile{80, 64, kNoir}, trait({10, 10}, {40, 6}), epais,
                  trait({70, 30}, {50, 58}), trait({50, 58}, {12, 40}), trait({12, 40}, {10, 10}),
                  remplissage({40, 30}, sorte)});
}

TEST(RemplissageEchelle, WhereFloodingFreelyDoesNotLeakTheFillIsTheSameToThePixel) {
  for (int sorte : {1, 2}) {
    const Journal journal = boucle(sorte);
    for (int k : {2, 3, 4, 8}) {
      SCOPED_TRACE("fill " + std::to_string(sorte) + " at scale " + std::to_string(k));
      EXPECT_EQ(a_l_echelle_de(journal, k), flot_libre(journal, k));
    }
  }
}

// Pixels of the paint at scale k in blocks of another region at scale 1: pixels the fill
// could have entered (of a colour it took, or not of the border's) and did not.
long peinture_hors_region(const Journal& journal, const Bitmap& grande, int k) {
  const EntreeTrait fill = std::get<EntreeTrait>(journal.entrees().back());
  Journal sans = journal;
  sans.tronquer(sans.taille() - 1);
  const Bitmap avant = a_l_echelle_de(sans, 1), apres = a_l_echelle_de(journal, 1);
  std::set<Colour> prises;
  for (int y = 0; y < avant.height(); ++y)
    for (int x = 0; x < avant.width(); ++x)
      if (avant.pixel(x, y) != apres.pixel(x, y)) prises.insert(avant.pixel(x, y));
  long n = 0;
  for (int y = 0; y < grande.height(); ++y) {
    for (int x = 0; x < grande.width(); ++x) {
      const Colour c = avant.pixel(x / k, y / k);
      const bool autre_region = c == apres.pixel(x / k, y / k) &&
                                (fill.reglages.peindre_dessiner == 2 ? c != fill.couleur_crayon
                                                                     : prises.count(c) > 0);
      n += grande.pixel(x, y) == kBleu && autre_region;
    }
  }
  return n;
}

struct Cas {
  std::string nom;
  Journal journal;
  std::vector<int> echelles_de_fuite;  // where flooding freely leaks
};

std::vector<Cas> figures_qui_fuient() {
  return {{"losange, peind tant que", losange(1), {4, 8}},
          {"losange, peind j'usqu'à", losange(2), {4, 8}},
          {"poche d'un pixel entre rayons, peind tant que", rayons(20, 1, {46, 34}, 1),
           {2, 3, 4, 8}},
          {"poche d'un pixel entre rayons, peind j'usqu'à", rayons(20, 1, {46, 34}, 2),
           {2, 3, 4, 8}},
          {"poche au centre", rayons(16, 1, {40, 38}, 1), {4, 8}},
          {"poche entre rayons ombrés", rayons(12, 2, {47, 35}, 1), {2}}};
}

// Whole regions in another colour are counted against the figure without its fill: the
// shadows' own few differences at scale K are not the fill's.
TEST(RemplissageEchelle, AFillThatLeaksWhenFloodingFreelyKeepsToItsScaleOneRegion) {
  for (const Cas& cas : figures_qui_fuient()) {
    const Bitmap toile = a_l_echelle_de(cas.journal, 1);
    Journal sans = cas.journal;
    sans.tronquer(sans.taille() - 1);
    const Bitmap toile_sans = a_l_echelle_de(sans, 1);
    for (int k : {2, 3, 4, 8}) {
      SCOPED_TRACE(cas.nom + " at scale " + std::to_string(k));
      const std::size_t avant =
          fidelite::ecarts(toile_sans, fidelite::reduite(a_l_echelle_de(sans, k), k)).size();
      if (std::count(cas.echelles_de_fuite.begin(), cas.echelles_de_fuite.end(), k)) {
        const Bitmap libre = flot_libre(cas.journal, k);
        EXPECT_GT(fidelite::ecarts(toile, fidelite::reduite(libre, k)).size(), avant + 100);
        EXPECT_GT(peinture_hors_region(cas.journal, libre, k), 0);
      }

      const Bitmap grande = a_l_echelle_de(cas.journal, k);
      EXPECT_EQ(fidelite::ecarts(toile, fidelite::reduite(grande, k)).size(), avant);
      EXPECT_EQ(peinture_hors_region(cas.journal, grande, k), 0);
      EXPECT_TRUE(fidelite::regions_manquees(cas.journal, k).empty());
    }
  }
}

// The seam around a region never takes a pixel that the fill could have entered at scale 1
// but did not: across the losange's open corner, the pixel outside only touches the region
// at a corner, and growing into it would let the fill through the gap at scale K.
TEST(RemplissageEchelle, TheSeamTakesThePixelsTheFillStoppedAtAndNoOtherRegion) {
  for (int sorte : {1, 2}) {
    Journal journal = losange(sorte);
    const EntreeTrait fill = std::get<EntreeTrait>(journal.entrees().back());
    journal.tronquer(journal.taille() - 1);
    const Bitmap avant = a_l_echelle_de(journal, 1);
    journal.ajouter(fill);
    const Bitmap apres = a_l_echelle_de(journal, 1);
    ZoneRemplissage zone;
    zone_remplie(fill, avant, apres, apres.bounds(), zone);
    EXPECT_EQ(zone.cellule(35, 20), ZoneRemplissage::kRegion);
    EXPECT_EQ(zone.cellule(36, 20), ZoneRemplissage::kCouture);  // the strokes' ends
    EXPECT_EQ(zone.cellule(35, 21), ZoneRemplissage::kCouture);
    EXPECT_EQ(zone.cellule(36, 21), ZoneRemplissage::kHors);  // outside, across the corner
    EXPECT_EQ(zone.cellule(20, 3), ZoneRemplissage::kHors);
    EXPECT_EQ(zone.cellule(20, 4), ZoneRemplissage::kCouture);
    for (int y = 0; y < apres.height(); ++y)
      for (int x = 0; x < apres.width(); ++x)
        EXPECT_EQ(zone.cellule(x, y) == ZoneRemplissage::kRegion, apres.pixel(x, y) == kBleu);
  }
}

// A shaded arc of the elliptic tool, its last and darkest shade filled: at scale K the run
// keeps its w shades (w dots, K times as wide and K pixels apart), so that the fill finds
// the shade it took at scale 1 in the blocks of its region.
TEST(RemplissageEchelle, AFilledShadeOfAShadedArcIsFilledAtScaleK) {
  EntreeArc arc;
  arc.a = {20, 80};
  arc.b = {20, 20};
  arc.c = {80, 20};
  arc.couleur = RGB(188, 98, 4);
  arc.largeur = 10;
  arc.ombre = OmbreArc{false, true, 13};
  const Journal sans({EntreeToile{120, 100, kNoir}, arc});
  const Bitmap toile_sans = a_l_echelle_de(sans, 1);
  const Point sombre{53, 53};  // on the band's inner side, the last dot's
  ASSERT_EQ(toile_sans.pixel(sombre.x, sombre.y), teinte_ombre(arc.ombre, arc.couleur, 12));
  Journal journal = sans;
  journal.ajouter(remplissage(sombre, 1));
  const Bitmap toile = a_l_echelle_de(journal, 1);
  for (int k : {2, 3, 4}) {
    SCOPED_TRACE("scale " + std::to_string(k));
    EXPECT_TRUE(fidelite::regions_manquees(journal, k).empty());
    EXPECT_EQ(fidelite::ecarts(toile, fidelite::reduite(a_l_echelle_de(journal, k), k)).size(),
              fidelite::ecarts(toile_sans, fidelite::reduite(a_l_echelle_de(sans, k), k)).size());
  }
}

// A re-drawing's watch looks in while a fill paints at scale K: a stop asked at the first
// look ends the fill within the row it was painting.
TEST(RemplissageEchelle, AStopAskedInsideTheScaleKFillEndsItThere) {
  struct Arret final : Veille {
    int regards = 0;
    void regarder() override {
      ++regards;
      throw DessinInterrompu{};
    }
  };
  const Journal vide({EntreeToile{300, 200, kNoir}});
  Journal journal = vide;
  journal.ajouter(remplissage({10, 10}, 1));
  const Bitmap avant = a_l_echelle_de(vide, 1), apres = a_l_echelle_de(journal, 1);
  ZoneRemplissage zone;
  zone_remplie(std::get<EntreeTrait>(journal.entrees().back()), avant, apres, apres.bounds(),
               zone);
  constexpr int k = 8;
  Bitmap image(300 * k, 200 * k, kNoir);
  Arret arret;
  EXPECT_THROW(remplir_a_l_echelle(image, k, zone, &arret), DessinInterrompu);
  EXPECT_EQ(arret.regards, 1);
  const auto peints = std::count(image.data(), image.data() + 300 * k * 200 * k, kBleu);
  EXPECT_GE(peints, Veille::kPixelsEntreRegards);
  EXPECT_LE(peints, Veille::kPixelsEntreRegards + image.width());
}

}  // namespace
}  // namespace orvane
