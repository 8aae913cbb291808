// The window's journal: a figure drawn again four times larger, and the journal saved beside
// each picture and opened again.
#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/tform1.h"
#include "fenetre_test.h"
#include "journal/redessin.h"
#include "persistence/erreur_fichier.h"
#include "persistence/fichier_bmp.h"
#include "persistence/fichier_image.h"
#include "persistence/fichier_journal.h"
#include "persistence/format_journal.h"
#include "persistence/limite_taille_fichier.h"

namespace orvane {
namespace {

class JournalFenetre : public FenetreTest {
 protected:
  JournalFenetre() : FenetreTest(QSize(640, 480)) {}

  // A stroke of the left button through the points, the palette as it is.
  void trait(std::vector<Point> points) {
    form->FormMouseDown(Qt::LeftButton, {}, points[0].x, points[0].y);
    for (const Point& p : points) form->FormMouseMove({}, p.x, p.y);
    form->FormMouseUp(Qt::LeftButton, {}, points.back().x, points.back().y);
  }

  // Rings and rays of several trace settings, a fill or two and the colouring pass.
  void dessiner_figure() {
    form->aleatoire.semer(11);
    form->couleur_crayon = RGB(250, 250, 250);
    form->RadioGroup_symetrie->setItemIndex(0);
    form->Edit1->setText(QStringLiteral("12"));
    form->Edit3->setText(QStringLiteral("3"));
    trait({{400, 240}, {420, 200}, {440, 180}, {470, 175}});
    trait({{320, 100}, {330, 130}, {335, 160}});
    form->RadioGroup_symetrie->setItemIndex(1);
    form->CheckBox_ombre_1->setChecked(true);
    form->Edit7->setText(QStringLiteral("4"));
    trait({{500, 240}, {510, 300}, {480, 330}});
    form->CheckBox_ombre_1->setChecked(false);
    form->RadioGroup_symetrie->setItemIndex(3);
    form->Edit3->setText(QStringLiteral("1"));
    trait({{100, 50}, {200, 60}, {250, 120}, {120, 150}, {100, 50}});
    form->RadioGroup_peindre_dessiner->setItemIndex(1);
    form->couleur_peinture = RGB(20, 90, 200);
    trait({{150, 90}});
    form->RadioGroup_peindre_dessiner->setItemIndex(0);
    systeme.pointeur = {3, 5};
    form->RadioGroup_symetrie->setItemIndex(0);
    form->coloriage_aleatoire();
  }

  Bitmap redessiner_a(int echelle) {
    Bitmap sortie;
    EXPECT_TRUE(redessiner(form->journal.journal(), echelle, sortie, {}));
    return sortie;
  }

  QString dans(const QString& nom) const { return repertoire.filePath(nom); }
};

// The commonest colour of each k x k block.
Bitmap reduite(const Bitmap& grande, int k) {
  Bitmap r(grande.width() / k, grande.height() / k);
  std::map<Colour, int> comptes;
  for (int y = 0; y < r.height(); ++y) {
    for (int x = 0; x < r.width(); ++x) {
      comptes.clear();
      for (int j = 0; j < k; ++j)
        for (int i = 0; i < k; ++i) ++comptes[grande.pixel(x * k + i, y * k + j)];
      auto meilleure = comptes.begin();
      for (auto it = comptes.begin(); it != comptes.end(); ++it)
        if (it->second > meilleure->second) meilleure = it;
      r.setPixel(x, y, meilleure->first);
    }
  }
  return r;
}

// The 4-connected regions of one colour, each as its pixels.
std::vector<std::vector<Point>> regions(const Bitmap& image) {
  std::vector<int> vue(static_cast<std::size_t>(image.width()) * image.height(), 0);
  std::vector<std::vector<Point>> resultat;
  for (int y0 = 0; y0 < image.height(); ++y0) {
    for (int x0 = 0; x0 < image.width(); ++x0) {
      if (vue[static_cast<std::size_t>(y0) * image.width() + x0]) continue;
      const Colour c = image.pixel(x0, y0);
      std::vector<Point> region, pile{{x0, y0}};
      vue[static_cast<std::size_t>(y0) * image.width() + x0] = 1;
      while (!pile.empty()) {
        const Point p = pile.back();
        pile.pop_back();
        region.push_back(p);
        for (const Point v : {Point{p.x + 1, p.y}, Point{p.x - 1, p.y}, Point{p.x, p.y + 1},
                              Point{p.x, p.y - 1}}) {
          if (!image.contains(v.x, v.y) || image.pixel(v.x, v.y) != c) continue;
          int& marque = vue[static_cast<std::size_t>(v.y) * image.width() + v.x];
          if (!marque) {
            marque = 1;
            pile.push_back(v);
          }
        }
      }
      resultat.push_back(std::move(region));
    }
  }
  return resultat;
}

TEST_F(JournalFenetre, AFigureDrawnAgainFourTimesLargerAgreesWithTheCanvasAndFillsEveryRegion) {
  dessiner_figure();
  const Bitmap& toile = form->canvas().bitmap();
  EXPECT_EQ(redessiner_a(1), toile);
  const Bitmap grande = redessiner_a(4);
  ASSERT_EQ(grande.width(), 4 * toile.width());
  ASSERT_EQ(grande.height(), 4 * toile.height());
  const Bitmap petite = reduite(grande, 4);

  long egaux = 0;
  for (int y = 0; y < toile.height(); ++y)
    for (int x = 0; x < toile.width(); ++x) egaux += petite.pixel(x, y) == toile.pixel(x, y);
  const double part = static_cast<double>(egaux) / (toile.width() * toile.height());
  EXPECT_GE(part, 0.97);

  // Every region a fill left on the canvas is filled at scale 4: its inside, 2 pixels from
  // its edges, for the pieces of one-pixel lines a fill recoloured and the narrow gaps
  // between shadow lines are no region of their own at scale 4.
  std::set<Colour> remplissages;
  const Journal journal = form->journal.journal();
  for (const Entree& e : journal.entrees()) {
    const auto* t = std::get_if<EntreeTrait>(&e);
    if (t && t->reglages.peindre_dessiner != 0) remplissages.insert(t->couleur_peinture);
  }
  int grandes = 0;
  for (const std::vector<Point>& region : regions(toile)) {
    const Colour c = toile.pixel(region[0].x, region[0].y);
    if (!remplissages.count(c)) continue;
    std::size_t interieur = 0, memes = 0;
    const auto a_l_interieur = [&](Point p) {
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
          if (toile.pixel(p.x + dx, p.y + dy) != c) return false;
      return true;
    };
    for (const Point& p : region) {
      if (!a_l_interieur(p)) continue;
      ++interieur;
      memes += petite.pixel(p.x, p.y) == c;
    }
    if (interieur < 20) continue;
    ++grandes;
    EXPECT_GE(memes * 10, interieur * 9)
        << "region of " << region.size() << " pixels at (" << region[0].x << ", "
        << region[0].y << ") in colour " << std::hex << c;
  }
  EXPECT_GE(grandes, 5);  // the fills and the pass coloured several areas
  std::printf("%.2f %% of the pixels agree, %d regions checked\n", part * 100, grandes);
}

TEST_F(JournalFenetre, SauveWritesTheJournalBesideThePictureAndOuvrirGoesOnFromIt) {
  dessiner_figure();
  systeme.chemin_enregistre = dans("dessin.bmp");
  form->Panel7Click();
  const Journal premier = lire_journal(dans("dessin.bmp.orvane"));
  Bitmap redessinee;
  ASSERT_TRUE(redessiner(premier, 1, redessinee, {}));
  EXPECT_EQ(redessinee, lire_fichier_bmp(dans("dessin.bmp")));

  form->Panel_new_fond_noirClick();
  systeme.chemin_ouvert = dans("dessin.bmp.orvane");
  form->Panel5Click();
  EXPECT_EQ(form->canvas().bitmap(), redessinee);
  EXPECT_EQ(form->journal.journal().taille(), premier.taille());

  form->RadioGroup_symetrie->setItemIndex(4);
  trait({{10, 10}, {600, 400}});
  systeme.chemin_enregistre = dans("suite.bmp");
  form->Panel7Click();
  const Journal suite = lire_journal(dans("suite.bmp.orvane"));
  EXPECT_GT(suite.taille(), premier.taille());
  ASSERT_TRUE(redessiner(suite, 1, redessinee, {}));
  EXPECT_EQ(redessinee, lire_fichier_bmp(dans("suite.bmp")));
}

TEST_F(JournalFenetre, PicturesOfOneBaseNameKeepAJournalEachThatDrawsItsOwnPicture) {
  dessiner_figure();
  const Bitmap premiere = form->canvas().bitmap();
  systeme.chemin_enregistre = dans("rosace.png");
  form->Panel7Click();
  form->RadioGroup_symetrie->setItemIndex(4);
  trait({{10, 10}, {600, 400}});
  const Bitmap seconde = form->canvas().bitmap();
  ASSERT_NE(seconde, premiere);
  systeme.chemin_enregistre = dans("rosace.jpg");
  form->Panel7Click();

  EXPECT_EQ(QDir(repertoire.path()).entryList({"rosace*"}, QDir::Files, QDir::Name),
            (QStringList{"rosace.jpg", "rosace.jpg.orvane", "rosace.png", "rosace.png.orvane"}));
  // The JPEG is not its canvas pixel for pixel: its journal draws the canvas it was made of.
  const std::pair<const char*, const Bitmap*> paires[] = {{"rosace.png", &premiere},
                                                          {"rosace.jpg", &seconde}};
  for (const auto& [image, toile] : paires) {
    SCOPED_TRACE(image);
    Bitmap redessinee;
    ASSERT_TRUE(redessiner(lire_journal(dans(image) + ".orvane"), 1, redessinee, {}));
    EXPECT_EQ(redessinee, *toile);
  }
  EXPECT_EQ(lire_fichier_image(dans("rosace.png")), premiere);
}

// "Sauve" replaces the picture and its journal together: a picture it cannot write leaves
// both as they were; a journal it cannot write takes the earlier picture's away.
TEST_F(JournalFenetre, APictureOrJournalThatCannotBeWrittenNeverLeavesAnotherFiguresJournal) {
  const QString image = dans("r.png");
  const QString chemin_journal = dans("r.png.orvane");
  const auto sauver = [&](rlim_t limite) {
    test::LimiteTailleFichier limiter(limite);
    try {
      form->Panel7Click();
    } catch (const ErreurFichier& e) {
      return std::string(e.what());
    }
    return std::string("enregistré");
  };
  const auto octets = [](const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  trait({{100, 100}, {200, 150}});
  systeme.chemin_enregistre = image;
  form->Panel7Click();
  const QByteArray premiere = octets(image), premier_journal = octets(chemin_journal);
  ASSERT_FALSE(premier_journal.isEmpty());

  trait({{300, 100}, {200, 350}});
  instantane_ecrit();
  EXPECT_THAT(sauver(100), testing::EndsWith(" Rien n'est remplacé : l'image déjà là et son "
                                             "journal restent tels quels."));
  EXPECT_EQ(octets(image), premiere);
  EXPECT_EQ(octets(chemin_journal), premier_journal);

  // The last segment again and again: the same picture, a journal larger than it.
  const Entree derniere = form->journal.journal().entrees().back();
  for (int i = 0; i < 20000; ++i) form->journal.ajouter(derniere);
  enregistrer_image(dans("mesure.png"), form->canvas().bitmap());
  const rlim_t limite = static_cast<rlim_t>(QFileInfo(dans("mesure.png")).size()) + 4096;
  ASSERT_GT(static_cast<rlim_t>(octets_journal(form->journal.journal()).size()), limite);
  const std::string message = sauver(limite);
  EXPECT_THAT(message, testing::StartsWith("Impossible d'écrire le journal « " +
                                           chemin_journal.toStdString() + " »"));
  EXPECT_THAT(message, testing::EndsWith("L'image « " + image.toStdString() +
                                         " » est enregistrée sans journal ; l'ancien journal, "
                                         "qui redessinait l'image d'avant, est supprimé."));
  EXPECT_EQ(lire_fichier_image(image), form->canvas().bitmap());
  EXPECT_FALSE(QFile::exists(chemin_journal));
  EXPECT_TRUE(journal_de_l_image(image).isEmpty());
}

// A snapshot written on its own thread that fails leaves the file of an earlier run at its
// place; a step forward onto that place paints the old picture, which the journal must keep
// whole rather than take for the stroke it could not hold.
TEST_F(JournalFenetre, AFailedSnapshotWriteLeavesItsPlaceUnknownToTheJournal) {
  const Bitmap ancienne(640, 480, 0x00FF00);
  ecrire_fichier_bmp(dans("~101.bmp"), ancienne);
  trait({{100, 100}, {200, 150}});
  instantane_ecrit();
  ASSERT_EQ(form->historique.indice_historique(), 0);
  form->historique.ecrire_image = [](const QString&, const Bitmap&) {
    throw ErreurFichier("disque plein");
  };
  trait({{300, 100}, {400, 250}});
  instantane_ecrit();
  EXPECT_EQ(form->historique.indice_historique(), 0);
  ASSERT_EQ(systeme.messages.size(), 1);

  form->Panel13Click();  // forward, onto the place the write could not fill
  ASSERT_EQ(form->canvas().bitmap(), ancienne);
  EXPECT_EQ(redessiner_a(1), ancienne);
}

TEST_F(JournalFenetre, AJournalIsKnownByItsContentAndADamagedOneChangesNothing) {
  trait({{100, 100}, {200, 150}});
  systeme.chemin_enregistre = dans("a.bmp");
  form->Panel7Click();
  // Under another name, as the command line may give it.
  ASSERT_TRUE(QFile::copy(dans("a.bmp.orvane"), dans("copie.dat")));
  form->Panel2Click();
  form->ouvrir_fichier(dans("copie.dat"));
  EXPECT_EQ(form->canvas().bitmap(), lire_fichier_bmp(dans("a.bmp")));

  QFile f(dans("a.bmp.orvane"));
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  f.resize(f.size() - 3);
  f.close();
  trait({{300, 100}, {200, 350}});
  const Bitmap avant = form->canvas().bitmap();
  const std::size_t longueur = form->journal.longueur();
  systeme.chemin_ouvert = dans("a.bmp.orvane");
  try {
    form->Panel5Click();
    ADD_FAILURE() << "a damaged journal was opened";
  } catch (const ErreurFichier& e) {
    EXPECT_THAT(std::string(e.what()), testing::HasSubstr(dans("a.bmp.orvane").toStdString()));
    EXPECT_THAT(std::string(e.what()), testing::HasSubstr("tronqué"));
  }
  EXPECT_EQ(form->canvas().bitmap(), avant);
  EXPECT_EQ(form->journal.longueur(), longueur);
}

}  // namespace
}  // namespace orvane
