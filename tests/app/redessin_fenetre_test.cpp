// Ctrl+Shift+S: a scale, a file, and the re-drawing in the background with a progress
// dialog whose "Annuler" stops it and leaves no file.
#include <gmock/gmock.h>

#include <QDir>
#include <QImageReader>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "fenetre_test.h"
#include "persistence/image_qt.h"

namespace orvane {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A canvas whose every pixel at scale e tells where it is at scale 1.
Dessin motif(int largeur, int hauteur) {
  return {largeur, hauteur, [=](int e, Bitmap& sortie, const ProgresRedessin& progres) {
            sortie = Bitmap(largeur * e, hauteur * e);
            for (int y = 0; y < sortie.height(); ++y)
              for (int x = 0; x < sortie.width(); ++x) sortie.setPixel(x, y, RGB(x / e, y / e, 0));
            return progres(1, 1);
          }};
}

class RedessinFenetre : public FenetreTest {
 protected:
  void SetUp() override {
    FenetreTest::SetUp();
    form->activateWindow();
    form->Edit2->setFocus();
    form->dessin_courant = [this] { return dessin; };
  }

  QString dans(const QString& nom) const { return repertoire.filePath(nom); }

  void ctrl_maj_s() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S,
                    Qt::ControlModifier | Qt::ShiftModifier);
  }

  QProgressDialog* progres() const { return form->findChild<QProgressDialog*>(); }

  // The re-drawing has ended: its dialog is gone.
  bool fini() const {
    const QProgressDialog* d = progres();
    return !d || !d->isVisible();
  }

  QStringList fichiers() const {
    return QDir(repertoire.path() + QStringLiteral("/sorties"))
        .entryList(QDir::Files | QDir::Hidden);
  }

  void SetUpSorties() { QDir(repertoire.path()).mkdir(QStringLiteral("sorties")); }

  Dessin dessin = motif(6, 4);
};

TEST_F(RedessinFenetre, CtrlShiftSAsksAScaleAndAFileThenWritesTheDrawingThere) {
  SetUpSorties();
  systeme.reponse_echelle = ChoixEchelle{3, false};
  systeme.chemin_enregistre = dans(QStringLiteral("sorties/grande.PNG"));
  ctrl_maj_s();
  ASSERT_THAT(systeme.echelles_demandees, ::testing::SizeIs(1));
  EXPECT_EQ(systeme.echelles_demandees[0].first, QSize(6, 4));
  EXPECT_EQ(systeme.echelles_demandees[0].second, ChoixEchelle{});
  ASSERT_THAT(systeme.dialogues_enregistrement, ::testing::SizeIs(1));
  const DialogueImage& d = systeme.dialogues_enregistrement[0];
  EXPECT_EQ(d.nom_propose, QStringLiteral("image_x3.png"));
  EXPECT_EQ(d.repertoire, form->Label_rep->Caption());
  EXPECT_EQ(d.extension_defaut, QStringLiteral("png"));
  EXPECT_EQ(d.filtre, QStringLiteral("images (*.png *.bmp *.jpg *.jpeg)"));

  ASSERT_TRUE(QTest::qWaitFor([&] { return fini() && !fichiers().isEmpty(); }, 10000));
  EXPECT_EQ(fichiers(), QStringList{QStringLiteral("grande.PNG")});
  QImageReader lecteur(systeme.chemin_enregistre);
  EXPECT_EQ(lecteur.format(), "png");
  const Bitmap image = vers_bitmap(lecteur.read());
  ASSERT_EQ(image.width(), 18);
  EXPECT_EQ(image.pixel(17, 11), RGB(5, 3, 0));
  EXPECT_THAT(systeme.erreurs, IsEmpty());
  EXPECT_FALSE(form->choix_centre);

  // The next one offers the last choice; smoothed, the picture is the same size.
  systeme.reponse_echelle = ChoixEchelle{2, true};
  systeme.chemin_enregistre = dans(QStringLiteral("sorties/lisse.bmp"));
  form->redessine_a_l_echelle();
  EXPECT_EQ(systeme.echelles_demandees[1].second, (ChoixEchelle{3, false}));
  EXPECT_EQ(systeme.dialogues_enregistrement[1].nom_propose, QStringLiteral("image_x2_lisse.png"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return fini() && fichiers().size() == 2; }, 10000));
  EXPECT_EQ(QImageReader(systeme.chemin_enregistre).size(), QSize(12, 8));
}

TEST_F(RedessinFenetre, AnnulerStopsTheDrawingPromptlyAndLeavesNoFile) {
  SetUpSorties();
  std::atomic<bool> arrete = false;
  std::atomic<int> pas = 0;
  dessin = {6, 4, [&](int, Bitmap&, const ProgresRedessin& progres) {
              for (int i = 1;; ++i) {
                pas = i;
                if (!progres(i % 1000, 1000)) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
              arrete = true;
              return false;
            }};
  systeme.reponse_echelle = ChoixEchelle{2, true};
  systeme.chemin_enregistre = dans(QStringLiteral("sorties/jamais.png"));
  form->redessine_a_l_echelle();
  QProgressDialog* dialogue = progres();
  ASSERT_TRUE(dialogue);
  EXPECT_TRUE(dialogue->isVisible());
  EXPECT_THAT(dialogue->labelText().toStdString(), HasSubstr("échelle 2, lissé : 12 x 8 pixels"));
  // The window's own loop shows the progress while the worker draws.
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialogue->value() > 0; }, 10000));

  QPushButton* annuler = dialogue->findChild<QPushButton*>();
  ASSERT_TRUE(annuler);
  EXPECT_EQ(annuler->text(), QStringLiteral("Annuler"));
  QTest::mouseClick(annuler, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return arrete.load(); }, 2000));
  const int pas_a_l_arret = pas;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !progres(); }, 5000));
  EXPECT_EQ(pas, pas_a_l_arret);
  EXPECT_THAT(fichiers(), IsEmpty());
  EXPECT_THAT(systeme.erreurs, IsEmpty());

  // Another can start once it has ended.
  dessin = motif(2, 2);
  form->redessine_a_l_echelle();
  EXPECT_EQ(systeme.echelles_demandees.size(), 2u);
  ASSERT_TRUE(QTest::qWaitFor([&] { return fini() && fichiers().size() == 1; }, 10000));
}

TEST_F(RedessinFenetre, WritingShowsTheRowsWrittenAndAnnulerStopsItWithNoFile) {
  SetUpSorties();
  // Noise, slow to compress: seconds of writing.
  dessin = {4000, 3000, [](int, Bitmap& sortie, const ProgresRedessin& progres) {
              sortie = Bitmap(4000, 3000);
              std::uint32_t graine = 7;
              for (int y = 0; y < sortie.height(); ++y)
                for (Colour* p = sortie.row(y); p != sortie.row(y) + sortie.width(); ++p)
                  *p = (graine = graine * 1664525u + 1013904223u) >> 8;
              return progres(1, 1);
            }};
  systeme.reponse_echelle = ChoixEchelle{1, false};
  systeme.chemin_enregistre = dans(QStringLiteral("sorties/bruit.png"));
  form->redessine_a_l_echelle();
  QProgressDialog* dialogue = progres();
  ASSERT_TRUE(dialogue);
  // A percentage of its own, not a busy bar.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        return dialogue->labelText().startsWith(QStringLiteral("Enregistrement de « ")) &&
               dialogue->value() > 0 && dialogue->value() < dialogue->maximum();
      },
      20000));
  EXPECT_GT(dialogue->maximum(), 0);
  QTest::mouseClick(dialogue->findChild<QPushButton*>(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !progres(); }, 5000));
  EXPECT_THAT(fichiers(), IsEmpty());
  EXPECT_THAT(systeme.erreurs, IsEmpty());
}

TEST_F(RedessinFenetre, RefusalsAndFailuresGoToTheErrorBoxAndWriteNothing) {
  SetUpSorties();
  const QString sortie = dans(QStringLiteral("sorties/a.png"));
  struct Cas {
    Dessin dessin;
    std::optional<ChoixEchelle> choix;
    QString chemin;
    const char* erreur;  // empty: nothing to say
    size_t fichiers_demandes;
  };
  const Dessin manque_de_memoire = {
      4, 4, [](int, Bitmap&, const ProgresRedessin&) -> bool { throw std::bad_alloc(); }};
  const std::vector<Cas> cas = {
      {motif(4, 4), std::nullopt, sortie, "", 0},  // the scale dialog cancelled
      {motif(4, 4), ChoixEchelle{2, false}, QString(), "", 1},  // the file dialog cancelled
      {motif(62501, 1000), ChoixEchelle{4, false}, sortie,
       "la plus grande échelle possible est 3.", 0},
      {motif(4, 4), ChoixEchelle{2, false}, dans(QStringLiteral("sorties/a.gif")),
       "son nom doit finir par .png, .bmp, .jpg ou .jpeg.", 1},
      {motif(4, 4), ChoixEchelle{2, false}, dans(QStringLiteral("absent/a.png")),
       "répertoire introuvable.", 1},
      {manque_de_memoire, ChoixEchelle{3, false}, sortie,
       "La mémoire manque pour une image de 12 x 12 pixels", 1},
  };
  for (const Cas& c : cas) {
    systeme.erreurs.clear();
    systeme.dialogues_enregistrement.clear();
    dessin = c.dessin;
    systeme.reponse_echelle = c.choix;
    systeme.chemin_enregistre = c.chemin;
    form->redessine_a_l_echelle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !progres(); }, 10000));
    EXPECT_EQ(systeme.dialogues_enregistrement.size(), c.fichiers_demandes) << c.erreur;
    if (*c.erreur) {
      ASSERT_EQ(systeme.erreurs.size(), 1) << c.erreur;
      EXPECT_THAT(systeme.erreurs[0].toStdString(), HasSubstr(c.erreur));
    } else {
      EXPECT_THAT(systeme.erreurs, IsEmpty());
    }
    EXPECT_THAT(fichiers(), IsEmpty()) << c.erreur;
  }
}

using RedessinDuJournal = FenetreTest;

TEST_F(RedessinDuJournal, AtScaleOneThePictureWrittenIsTheCanvas) {
  form->FormMouseDown(Qt::LeftButton, {}, 700, 300);
  form->FormMouseMove({}, 760, 340);
  form->FormMouseUp(Qt::LeftButton, {}, 760, 340);
  systeme.reponse_echelle = ChoixEchelle{1, false};
  systeme.chemin_enregistre = repertoire.filePath(QStringLiteral("toile.bmp"));
  form->redessine_a_l_echelle();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(systeme.chemin_enregistre); }, 20000));
  const Bitmap& toile = std::as_const(*form->Image1).canvas().bitmap();
  EXPECT_EQ(systeme.echelles_demandees.at(0).first, QSize(toile.width(), toile.height()));
  EXPECT_TRUE(vers_bitmap(QImage(systeme.chemin_enregistre)) == toile);
  EXPECT_THAT(systeme.erreurs, IsEmpty());
}

}  // namespace
}  // namespace orvane
