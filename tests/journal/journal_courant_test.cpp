// The journal follows the picture on the canvas: through the snapshot ring, XOR figures
// drawn and erased, pictures of unknown history, and the generator's states.
#include "journal/journal_courant.h"

#include <gtest/gtest.h>

#include <memory>

namespace orvane {
namespace {

constexpr int kL = 40, kH = 30;

EntreeLigne ligne(int x, int mode = R2_COPYPEN) { return {{x, 0}, {x, 10}, mode, 0xFF, 1}; }

std::shared_ptr<const Bitmap> image(int l, int h, Colour c = 0x123456) {
  return std::make_shared<const Bitmap>(l, h, c);
}

class JournalCourantTest : public testing::Test {
 protected:
  void SetUp() override { j.ajouter(EntreeToile{kL, kH, 0}); }
  const Entree& derniere() const { return j.tout().entrees()[j.longueur() - 1]; }
  JournalCourant j;
};

TEST_F(JournalCourantTest, StepsThroughTheRingTakeUpEachSnapshotsJournalAndANewEntryDropsTheUndoneTail) {
  j.ajouter(ligne(1));
  j.instantane(0, kL, kH);
  j.ajouter(ligne(2));
  j.instantane(1, kL, kH);
  const auto peinte = image(kL, kH);

  j.image_peinte(1, peinte, kL, kH);  // the first step back paints the picture as it stands
  EXPECT_EQ(j.longueur(), 3u);
  j.image_peinte(0, peinte, kL, kH);
  EXPECT_EQ(j.longueur(), 2u);
  j.image_peinte(1, peinte, kL, kH);  // forward again: the undone stroke is back
  EXPECT_EQ(j.longueur(), 3u);
  EXPECT_EQ(derniere(), Entree(ligne(2)));

  j.image_peinte(0, peinte, kL, kH);
  j.ajouter(ligne(3));
  EXPECT_EQ(j.tout().taille(), 3u);
  EXPECT_EQ(derniere(), Entree(ligne(3)));
  // The snapshot of the dropped stroke has no journal any more: its picture is kept whole.
  j.image_peinte(1, peinte, kL, kH);
  EXPECT_EQ(j.longueur(), 4u);
  EXPECT_EQ(derniere(), Entree(EntreeImage{peinte}));
  // ... and from then on it is known.
  j.ajouter(ligne(4));
  j.image_peinte(1, peinte, kL, kH);
  EXPECT_EQ(j.longueur(), 4u);
}

TEST_F(JournalCourantTest, APictureOfUnknownHistoryIsKeptWholeAndCutToTheCanvas) {
  struct Cas {
    int place, largeur, hauteur;
    bool connue_ensuite;  // covers the canvas, so its place now has a journal
  };
  for (const Cas& c : {Cas{5, kL, kH, true}, Cas{6, kL + 9, kH + 3, true},
                       Cas{7, kL - 1, kH, false}, Cas{-1, kL, kH, false}}) {
    SCOPED_TRACE(c.place);
    const std::size_t avant = j.longueur();
    j.image_peinte(c.place, image(c.largeur, c.hauteur), kL, kH);
    ASSERT_EQ(j.longueur(), avant + 1);
    const auto& e = std::get<EntreeImage>(derniere());
    EXPECT_EQ(e.image->width(), std::min(c.largeur, kL));
    EXPECT_EQ(e.image->height(), std::min(c.hauteur, kH));
    j.ajouter(ligne(9));
    j.image_peinte(c.place, image(c.largeur, c.hauteur), kL, kH);
    EXPECT_EQ(j.longueur(), c.connue_ensuite ? avant + 1 : avant + 3);
  }
}

TEST_F(JournalCourantTest, AFigureDrawnTwiceInXorLeavesNothingUnlessASnapshotHoldsIt) {
  j.ajouter(ligne(1));
  j.ajouter(ligne(5, R2_XORPEN));
  j.ajouter(ligne(5, R2_XORPEN));
  EXPECT_EQ(j.longueur(), 2u);
  j.ajouter(ligne(6, R2_NOT));
  j.ajouter(ligne(6, R2_NOT));
  EXPECT_EQ(j.longueur(), 2u);
  // Not the same figure, or not one that undoes itself: both stay.
  j.ajouter(ligne(5, R2_XORPEN));
  j.ajouter(ligne(7, R2_XORPEN));
  EXPECT_EQ(j.longueur(), 4u);
  j.ajouter(ligne(8));
  j.ajouter(ligne(8));
  EXPECT_EQ(j.longueur(), 6u);
  // The band was on the canvas when the snapshot was written.
  j.ajouter(ligne(5, R2_XORPEN));
  j.instantane(2, kL, kH);
  j.ajouter(ligne(5, R2_XORPEN));
  EXPECT_EQ(j.longueur(), 8u);
}

TEST_F(JournalCourantTest, OpeningAJournalMakesItTheCurrentOneAndForgetsTheRing) {
  j.ajouter(ligne(1));
  j.instantane(0, kL, kH);
  Journal ouvert;
  ouvert.ajouter(EntreeToile{kL, kH, 0xFFFFFF});
  ouvert.ajouter(ligne(2));
  const std::uint64_t coupures = j.coupures();
  j.remplacer(ouvert);
  EXPECT_EQ(j.journal(), ouvert);
  EXPECT_GT(j.coupures(), coupures);
  j.image_peinte(0, image(kL, kH), kL, kH);
  EXPECT_EQ(derniere(), Entree(EntreeImage{image(kL, kH)}));
}

TEST(JournalEssentiel, KeepsTheLastCanvasAndWhatFollowsTheLastPictureThatCoversIt) {
  const auto pleine = image(kL, kH), partielle = image(5, 5);
  Journal j;
  j.ajouter(EntreeToile{80, 60, 1});
  j.ajouter(ligne(1));
  j.ajouter(EntreeToile{kL, kH, 2});
  j.ajouter(ligne(2));
  j.ajouter(EntreeImage{pleine});
  j.ajouter(ligne(3));
  j.ajouter(EntreeImage{partielle});
  const Journal e = j.essentiel();
  EXPECT_EQ(e.largeur(), kL);
  EXPECT_EQ(e.hauteur(), kH);
  EXPECT_EQ(e.entrees(), (std::vector<Entree>{EntreeToile{kL, kH, 2}, EntreeImage{pleine},
                                             ligne(3), EntreeImage{partielle}}));
  EXPECT_EQ(j.essentiel(2).entrees(), (std::vector<Entree>{EntreeToile{80, 60, 1}, ligne(1)}));
}

TEST(JournalTirage, StrokesOfOneSowingShareAnOriginUntilTheGeneratorHasGoneFar) {
  JournalCourant j;
  Aleatoire a(42);
  const TirageTrait t1 = j.tirage(a);
  a.Random(10);
  const TirageTrait t2 = j.tirage(a);
  EXPECT_EQ(t1.origine, t2.origine);
  EXPECT_EQ(t2.pas, t1.pas + 1);
  a.avancer(JournalCourant::kPasEntreOrigines);
  const TirageTrait t3 = j.tirage(a);
  EXPECT_NE(t3.origine, t1.origine);
  EXPECT_EQ(t3.origine->lignee, t1.origine->lignee);
  EXPECT_EQ(t3.pas_lignee(), t1.pas_lignee() + 1 + JournalCourant::kPasEntreOrigines);
  // Its state is the generator's as it stood.
  Aleatoire depuis(t3.origine->etat);
  EXPECT_EQ(depuis.Random(1000000), Aleatoire(a).Random(1000000));
  a.semer(7);
  EXPECT_NE(j.tirage(a).origine->lignee, t1.origine->lignee);
}

}  // namespace
}  // namespace orvane
