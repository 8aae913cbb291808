// The frames of a drawing: as many as asked whatever the journal, the blank canvas first,
// the rendered picture last, and an even pace over the work, without stills or jumps.
#include <gmock/gmock.h>

#include <algorithm>

#include "film/decodage_film.h"
#include "film/images_du_dessin.h"
#include "film/journal_exemple.h"
#include "journal/rendu_echelle.h"

namespace orvane {
namespace {

struct Images {
  std::vector<Bitmap> images;  // one per frame, repeats included
  std::int64_t total = 0;
};

Images filmer(const Journal& journal, int echelle, bool lisse, std::int64_t nombre,
              std::int64_t tenue) {
  ImagesDuDessin dessin(journal, echelle, lisse);
  EXPECT_TRUE(dessin.mesurer({}, false));
  Images r;
  EXPECT_TRUE(dessin.filmer(
      nombre, tenue,
      [&](const Bitmap& image, std::int64_t fois) {
        r.total += fois;
        for (std::int64_t i = 0; i < fois; ++i) r.images.push_back(image);
      },
      [] { return true; }));
  return r;
}

// A long stroke of many light segments, or one segment of many heavy copies.
Journal un_trait(int segments, int petales) {
  Journal j;
  j.ajouter(EntreeToile{test::kLargeurExemple, test::kHauteurExemple, 0});
  for (int i = 0; i < segments; ++i)
    j.ajouter(test::segment({70 + i % 40, 40 + i % 30}, {72 + i % 40, 41 + i % 30},
                            RGB(200, 100 + i % 100, 50), petales, 5));
  return j;
}

TEST(ImagesDuDessin, AsManyFramesAsAskedFromTheBlankCanvasToTheRenderedPicture) {
  struct Cas {
    Journal journal;
    int echelle;
    bool lisse;
  };
  const std::vector<Cas> cas = {{test::journal_exemple(), 1, false},
                                {test::journal_exemple(), 2, true},
                                {un_trait(1, 60), 1, false},
                                {un_trait(3000, 6), 3, false}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(::testing::Message() << c.journal.taille() << " entries at scale " << c.echelle);
    const Images r = filmer(c.journal, c.echelle, c.lisse, 25, 7);
    EXPECT_EQ(r.total, 32);
    ASSERT_EQ(r.images.size(), 32u);
    const Bitmap& toile = r.images.front();
    const Colour fond = std::get<EntreeToile>(c.journal.entrees().front()).couleur;
    EXPECT_EQ(test::allumes(toile, fond, 0), 0) << "the first frame is the blank canvas";
    const std::optional<Bitmap> rendu = rendre(dessin_du_journal(c.journal), c.echelle, c.lisse, {});
    ASSERT_TRUE(rendu);
    EXPECT_TRUE(r.images[24] == *rendu) << "the drawing's last frame is the rendered picture";
    EXPECT_TRUE(r.images.back() == *rendu);
  }
}

TEST(ImagesDuDessin, ThePaceFollowsTheWorkSoNeitherLightStrokesNorAHeavyFillStallOrJump) {
  // Light segments, then one fill of most of the canvas: the fill grows over frames.
  const Journal journal = test::journal_exemple(24, true);
  const int nombre = 40;
  const Images r = filmer(journal, 1, false, nombre, 0);
  std::vector<std::int64_t> allumes;
  for (const Bitmap& image : r.images) allumes.push_back(test::allumes(image, test::kFondExemple, 0));
  int immobiles = 0;
  std::int64_t plus_grand_saut = 0;
  for (int i = 1; i < nombre; ++i) {
    immobiles += r.images[i] == r.images[i - 1];
    plus_grand_saut = std::max(plus_grand_saut, allumes[i] - allumes[i - 1]);
    EXPECT_GE(allumes[i], allumes[i - 1]) << i;
  }
  EXPECT_LE(immobiles, nombre / 10);
  EXPECT_LE(plus_grand_saut, allumes.back() / 8);
}

}  // namespace
}  // namespace orvane
