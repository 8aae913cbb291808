// "Ouvrir" draws a journal in the background: the figure shows once drawn, "Annuler" leaves
// the canvas and its journal as they were, and a picture opened beside its own journal
// goes on with its history.
#include <gmock/gmock.h>

#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "fenetre_test.h"
#include "journal/redessin.h"
#include "persistence/fichier_bmp.h"
#include "persistence/fichier_journal.h"

namespace orvane {
namespace {

using ::testing::IsEmpty;

class OuvertureEnFond : public FenetreTest {
 protected:
  OuvertureEnFond() : FenetreTest(QSize(640, 480)) {}

  QString dans(const QString& nom) const { return repertoire.filePath(nom); }

  void trait(std::vector<Point> points) {
    form->FormMouseDown(Qt::LeftButton, {}, points[0].x, points[0].y);
    for (const Point& p : points) form->FormMouseMove({}, p.x, p.y);
    form->FormMouseUp(Qt::LeftButton, {}, points.back().x, points.back().y);
  }

  void dessiner_figure() {
    form->couleur_crayon = RGB(250, 250, 250);
    form->RadioGroup_symetrie->setItemIndex(0);
    form->Edit1->setText(QStringLiteral("12"));
    trait({{400, 240}, {420, 200}, {440, 180}, {470, 175}});
    form->RadioGroup_symetrie->setItemIndex(3);
    trait({{100, 50}, {200, 60}, {250, 120}, {120, 150}, {100, 50}});
  }

  // The picture and its journal saved under `nom`.
  void sauver(const QString& nom) {
    systeme.chemin_enregistre = dans(nom);
    form->Panel7Click();
  }

  void ouvrir(const QString& chemin) {
    systeme.chemin_ouvert = chemin;
    form->Panel5Click();
  }

  // A journal of the canvas's size that takes many seconds to draw.
  QString journal_lourd() {
    std::vector<Entree> entrees{EntreeToile{640, 480, 0}};
    EntreeTrait t;
    t.couleur = RGB(240, 200, 20);
    t.largeur = 9;
    t.centre = {320, 240};
    t.reglages.nb_petales = 100;
    t.reglages.spirale = true;
    t.reglages.tours = 50;
    t.reglages.facteur_milliemes = 995;
    t.reglages.ombre_1 = true;
    t.reglages.largeur_ombre = 12;
    for (int i = 0; i < 500; ++i) {
      t.a = {300 + i % 200, 100 + i % 50};
      t.b = {320 + i % 150, 140 + i % 70};
      entrees.push_back(t);
    }
    const QString chemin = dans(QStringLiteral("lourd.orvane"));
    ecrire_journal(chemin, Journal(std::move(entrees)));
    return chemin;
  }

  bool en_cours() const { return form->redessin_en_cours() != nullptr; }
  bool fini() { return QTest::qWaitFor([&] { return !en_cours(); }, 20000); }
  const Bitmap& toile() const { return std::as_const(*form->Image1).canvas().bitmap(); }
};

TEST_F(OuvertureEnFond, AnOpenedJournalIsDrawnInTheBackgroundThenShown) {
  dessiner_figure();
  sauver(QStringLiteral("dessin.bmp"));
  const Bitmap image = lire_fichier_bmp(dans("dessin.bmp"));
  const Journal lu = lire_journal(chemin_journal_de(dans("dessin.bmp")));
  form->Panel_new_fond_noirClick();
  const Bitmap noire = toile();

  ouvrir(chemin_journal_de(dans("dessin.bmp")));
  // Nothing changes before the worker is done and the window's loop hears of it.
  ASSERT_TRUE(en_cours());
  QProgressDialog* dialogue = form->redessin_en_cours()->dialogue();
  ASSERT_TRUE(dialogue);
  EXPECT_TRUE(dialogue->isVisible());
  EXPECT_EQ(dialogue->windowModality(), Qt::WindowModal);
  EXPECT_EQ(toile(), noire);
  ASSERT_TRUE(fini());
  EXPECT_EQ(toile(), image);
  EXPECT_EQ(form->journal.journal(), lu);
  EXPECT_THAT(systeme.erreurs, IsEmpty());
}

TEST_F(OuvertureEnFond, AnnulerLeavesTheCanvasAndItsJournalAsTheyWere) {
  dessiner_figure();
  const Bitmap avant = toile();
  const Journal journal_avant = form->journal.journal();
  const QString lourd = journal_lourd();

  ouvrir(lourd);
  ASSERT_TRUE(en_cours());
  QProgressDialog* dialogue = form->redessin_en_cours()->dialogue();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialogue->value() > 0; }, 10000));
  // A second open meanwhile is none: one drawing at a time.
  form->ouvrir_fichier(lourd);
  EXPECT_EQ(form->findChildren<QProgressDialog*>().size(), 1);

  QPushButton* annuler = dialogue->findChild<QPushButton*>();
  ASSERT_TRUE(annuler);
  EXPECT_EQ(annuler->text(), QStringLiteral("Annuler"));
  QTest::mouseClick(annuler, Qt::LeftButton);
  ASSERT_TRUE(fini());
  EXPECT_EQ(toile(), avant);
  EXPECT_EQ(form->journal.journal(), journal_avant);
  EXPECT_THAT(systeme.erreurs, IsEmpty());

  // The window closed while an open runs stops it and waits for it.
  ouvrir(lourd);
  ASSERT_TRUE(en_cours());
  form.reset();
}

TEST_F(OuvertureEnFond, APictureOpenedBesideItsOwnJournalGoesOnWithItsHistory) {
  dessiner_figure();
  sauver(QStringLiteral("dessin.bmp"));
  const Journal premier = lire_journal(chemin_journal_de(dans("dessin.bmp")));
  // Kept under the name earlier versions gave it, it is found as well.
  const QString ancien = dans("dessin.orvane");
  if (chemin_journal_de(dans("dessin.bmp")) != ancien) {
    ASSERT_TRUE(QFile::rename(chemin_journal_de(dans("dessin.bmp")), ancien));
  }
  form->Panel_new_fond_noirClick();

  ouvrir(dans("dessin.bmp"));
  EXPECT_EQ(toile(), lire_fichier_bmp(dans("dessin.bmp")));  // painted at once
  ASSERT_TRUE(fini());
  EXPECT_EQ(form->journal.journal(), premier);

  form->RadioGroup_symetrie->setItemIndex(4);
  trait({{10, 10}, {600, 400}});
  sauver(QStringLiteral("suite.bmp"));
  const Journal suite = lire_journal(chemin_journal_de(dans("suite.bmp")));
  ASSERT_GT(suite.taille(), premier.taille());
  EXPECT_TRUE(std::equal(premier.entrees().begin(), premier.entrees().end(),
                         suite.entrees().begin()));
  Bitmap redessinee;
  ASSERT_TRUE(redessiner(suite, 1, redessinee, {}));
  EXPECT_EQ(redessinee, lire_fichier_bmp(dans("suite.bmp")));
  EXPECT_THAT(systeme.erreurs, IsEmpty());
}

TEST_F(OuvertureEnFond, AJournalBesideAPictureItDoesNotDrawIsLeftAside) {
  dessiner_figure();
  sauver(QStringLiteral("dessin.bmp"));
  // The picture changed by hand since: its journal draws another one.
  Bitmap retouchee = lire_fichier_bmp(dans("dessin.bmp"));
  retouchee.setPixel(5, 5, RGB(1, 2, 3));
  ecrire_fichier_bmp(dans("dessin.bmp"), retouchee);
  form->Panel_new_fond_noirClick();
  const QStringList messages = systeme.messages;

  ouvrir(dans("dessin.bmp"));
  ASSERT_TRUE(fini());
  EXPECT_EQ(toile(), retouchee);
  Bitmap redessinee;
  ASSERT_TRUE(redessiner(form->journal.journal(), 1, redessinee, {}));
  EXPECT_EQ(redessinee, retouchee);
  EXPECT_LE(form->journal.journal().taille(), 2u);  // the canvas and the picture
  EXPECT_EQ(systeme.messages, messages);  // silently
}

}  // namespace
}  // namespace orvane
