#include <QDir>
#include <QFile>
#include <QTest>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "app/application_orvane.h"
#include "app/tform1.h"
#include "colour/coul_aleatoire.h"
#include "drawing/trace_symetrique.h"
#include "persistence/fichier_bmp.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

int pixels_differents(const Bitmap& a, const Bitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return -1;
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.row(y)[x] != b.row(y)[x];
  }
  return n;
}

class Souris : public FenetreTest {
 protected:
  Bitmap noir() const { return Bitmap(1366, 768, 0); }
  const Bitmap& image() { return form->canvas().bitmap(); }

  void appuyer(Qt::MouseButton b, Point p) { form->FormMouseDown(b, {}, p.x, p.y); }
  void bouger(Point p) { form->FormMouseMove({}, p.x, p.y); }
  void relacher(Qt::MouseButton b, Point p) { form->FormMouseUp(b, {}, p.x, p.y); }
  void clic(Qt::MouseButton b, Point p) {
    appuyer(b, p);
    relacher(b, p);
  }

  // The picture a single copy-mode line with all its copies gives on a black canvas.
  Bitmap ligne_seule(Point a, Point b, Colour couleur) {
    Canvas reference(1366, 768);
    reference.brush.color = 0;
    reference.FillRect(0, 0, 1366, 768);
    EtatTrace etat;
    etat.centre_x = form->centre_x;
    etat.centre_y = form->centre_y;
    etat.couleur_crayon = couleur;
    Aleatoire inutilise(1);
    orvane::trace_symetrique(reference, form->reglages_trace(), inutilise, etat, a, b,
                             R2_COPYPEN, couleur);
    return reference.bitmap();
  }
};

TEST_F(Souris, RubberBandOfAWideLineLeavesNoTraceWhenTheLineIsFinished) {
  form->Edit3->setText("10");
  for (int type : {1, 4}) {
    form->Panel_new_fond_noirClick();
    form->RadioGroup_type_trace->setItemIndex(type);
    const Point a{500, 300}, fin{620, 350};
    clic(Qt::LeftButton, a);  // anchors; its release draws a new random colour
    for (Point p : {Point{510, 310}, Point{560, 290}, Point{600, 360}, fin}) bouger(p);
    const Colour couleur = form->couleur_crayon;
    clic(Qt::LeftButton, fin);
    EXPECT_EQ(pixels_differents(image(), ligne_seule(a, fin, couleur)), 0) << "type " << type;
  }
}

TEST_F(Souris, AnchorSetByADragLeavesNoTraceDespiteTheColourDrawnAtItsRelease) {
  form->Edit3->setText("10");
  form->RadioGroup_type_trace->setItemIndex(1);
  const Point a{400, 300}, fin{300, 200};
  appuyer(Qt::LeftButton, a);
  bouger({420, 320});
  relacher(Qt::LeftButton, {420, 320});
  bouger({350, 250});
  bouger(fin);
  const Colour couleur = form->couleur_crayon;
  clic(Qt::LeftButton, fin);
  EXPECT_EQ(pixels_differents(image(), ligne_seule(a, fin, couleur)), 0);
}

TEST_F(Souris, CancellingALineErasesItsBand) {
  form->Edit3->setText("10");
  const std::pair<int, Qt::MouseButton> cas[] = {
      {1, Qt::RightButton}, {1, Qt::MiddleButton}, {4, Qt::MiddleButton}};
  for (const auto& [type, bouton] : cas) {
    form->Panel_new_fond_noirClick();
    form->RadioGroup_type_trace->setItemIndex(type);
    clic(Qt::LeftButton, {500, 300});
    bouger({550, 320});
    bouger({580, 330});
    clic(bouton, {580, 330});
    EXPECT_FALSE(form->ligne_ancree);
    EXPECT_EQ(pixels_differents(image(), noir()), 0) << "type " << type << " button " << bouton;
    // Cancelling again with no band on screen draws nothing either.
    clic(bouton, {580, 330});
    EXPECT_EQ(pixels_differents(image(), noir()), 0);
  }
}

TEST_F(Souris, ARightClickUnderCrayonDrawsNothingButTogglesThePaletteAndSnapshots) {
  appuyer(Qt::RightButton, {500, 300});
  bouger({600, 350});
  relacher(Qt::RightButton, {600, 350});
  EXPECT_EQ(pixels_differents(image(), noir()), 0);
  EXPECT_FALSE(form->Panel1->Visible());
  EXPECT_EQ(form->historique.indice_historique(), 0);
  EXPECT_NE(form->couleur_crayon, 0x008000u);  // a new random pencil colour all the same
}

TEST_F(Souris, AFreehandStrokeDrawsAndItsReleaseArmsTheSlideOut) {
  appuyer(Qt::LeftButton, {800, 300});
  bouger({820, 310});
  bouger({840, 300});
  EXPECT_TRUE(form->trait_en_cours);
  EXPECT_EQ(form->canvas().Pixels(820, 310), 0x008000u);
  // The copy half a turn round the centre (683, 384).
  EXPECT_EQ(form->canvas().Pixels(2 * 683 - 820, 2 * 384 - 310), 0x008000u);
  relacher(Qt::LeftButton, {840, 300});
  EXPECT_FALSE(form->trait_en_cours);
  EXPECT_TRUE(form->masquage_arme);
  EXPECT_EQ(form->couleur_crayon_precedente, 0x008000u);
}

TEST_F(Souris, TheCentreChoiceTakesThePressPointAndDrawsNothing) {
  form->Panel3Click();
  appuyer(Qt::LeftButton, {100, 200});
  bouger({150, 250});
  relacher(Qt::LeftButton, {150, 250});
  EXPECT_EQ(form->centre_x, 100);
  EXPECT_EQ(form->centre_y, 200);
  EXPECT_FALSE(form->choix_centre);
  EXPECT_EQ(systeme.curseur, crArrow);
  EXPECT_EQ(form->Label1->Caption(), QString());
  EXPECT_EQ(pixels_differents(image(), noir()), 0);
}

TEST_F(Souris, APressInAFillModeFillsWithThePaintColour) {
  form->RadioGroup_symetrie->setItemIndex(4);  // unique
  form->RadioGroup_couleur_peinture->setItemIndex(1);
  ASSERT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 1);
  clic(Qt::LeftButton, {10, 10});
  EXPECT_EQ(form->canvas().Pixels(1000, 500), 0xFFFF00u);
}

TEST_F(Souris, EachReleaseDrawsTheNextRandomColourOfTheChosenType) {
  for (int type = 0; type < 4; ++type) {
    form->RadioGroup_coul_type->setItemIndex(type);
    form->aleatoire.semer(1234 + type);
    Aleatoire temoin(1234 + type);
    const Colour avant = form->couleur_crayon;
    clic(Qt::LeftButton, {700, 100});
    EXPECT_EQ(form->couleur_crayon, coul_aleatoire(type, 0x0000FF, temoin)) << type;
    EXPECT_EQ(form->couleur_crayon_precedente, avant);
    EXPECT_EQ(form->Panel_crayon->Color(), form->couleur_crayon);
    EXPECT_EQ(form->Panel9->Color(), form->couleur_crayon);
  }
}

TEST_F(Souris, SnapshotCaptionsAndStepsThroughTheWindow) {
  clic(Qt::LeftButton, {700, 100});
  EXPECT_EQ(form->Label6->Caption(), "save " + repertoire.filePath("~100.bmp"));
  form->commande_touche(0x73);  // F4
  EXPECT_EQ(form->Label5->Caption(), "load " + repertoire.filePath("~100.bmp"));
  EXPECT_EQ(form->historique.indice_historique(), 9);
  form->Panel13Click();
  EXPECT_EQ(form->historique.indice_historique(), 0);
}

TEST_F(Souris, F4RightAfterAStrokeShowsThatStrokesSnapshotNotTheOneBefore) {
  // A snapshot of an earlier run waits at the place the second stroke's will take.
  ecrire_fichier_bmp(repertoire.filePath("~101.bmp"), Bitmap(1366, 768, 0xFFFFFF));
  appuyer(Qt::LeftButton, {700, 100});
  bouger({760, 140});
  relacher(Qt::LeftButton, {760, 140});
  instantane_ecrit();
  // A slow disk: the step back must wait for the write, not read the file it replaces.
  form->historique.ecrire_image = [](const QString& chemin, const Bitmap& image) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ecrire_fichier_bmp(chemin, image);
  };
  appuyer(Qt::LeftButton, {300, 400});
  bouger({380, 450});
  relacher(Qt::LeftButton, {380, 450});
  const Bitmap apres_le_trait = image();
  // The canvas cleared without a snapshot, then straight back.
  form->Panel_new_fond_noirClick();
  form->commande_touche(0x73);  // F4
  EXPECT_EQ(form->Label5->Caption(), "load " + repertoire.filePath("~101.bmp"));
  EXPECT_EQ(pixels_differents(image(), apres_le_trait), 0);
  EXPECT_EQ(form->historique.indice_historique(), 0);
  EXPECT_TRUE(systeme.messages.isEmpty());
}

TEST_F(Souris, QuickStrokesOnAHeldDiskNeitherWaitNorLoseAPicture) {
  // The disk takes nothing until the test lets it go; a release that waited for it would
  // only go on once the gate gave way by itself.
  std::promise<void> ouverture;
  const std::shared_future<void> porte = ouverture.get_future().share();
  std::atomic<int> forcees = 0;
  form->historique.ecrire_image = [porte, &forcees](const QString& chemin, const Bitmap& image) {
    if (porte.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) ++forcees;
    ecrire_fichier_bmp(chemin, image);
  };
  std::vector<Bitmap> apres;
  for (int i = 0; i < 12; ++i) {
    appuyer(Qt::LeftButton, {300 + 40 * i, 200});
    bouger({320 + 40 * i, 400});
    relacher(Qt::LeftButton, {320 + 40 * i, 400});
    apres.push_back(image());
  }
  QApplication::processEvents();
  EXPECT_TRUE(systeme.messages.isEmpty());
  // Back through the whole ring while no file has been written yet.
  for (int i = 11; i >= 2; --i) {
    form->Panel11Click();
    EXPECT_EQ(pixels_differents(image(), apres[static_cast<std::size_t>(i)]), 0) << i;
  }
  EXPECT_EQ(forcees, 0);

  ouverture.set_value();
  instantane_ecrit();
  for (int i = 2; i < 12; ++i) {
    const QString fichier = repertoire.filePath(QStringLiteral("~%1.bmp").arg(100 + i % 10));
    EXPECT_EQ(pixels_differents(lire_fichier_bmp(fichier), apres[static_cast<std::size_t>(i)]), 0)
        << i;
  }
  EXPECT_TRUE(systeme.messages.isEmpty());
}

using SourisErreurs = Souris;

TEST_F(SourisErreurs, AnErrorInAHandlerIsShownOnceAndTheProgramGoesOn) {
  form->Edit3->setText("abc");
  QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(800, 300));
  QTest::mouseMove(form->Image1, QPoint(820, 310));
  ASSERT_EQ(systeme.messages.size(), 1);
  EXPECT_EQ(systeme.messages[0], QStringLiteral("'abc' n'est pas une valeur entière correcte"));
  QTest::mouseRelease(form->Image1, Qt::LeftButton, {}, QPoint(820, 310));
  form->Edit3->setText("1");
  QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(800, 300));
  QTest::mouseMove(form->Image1, QPoint(820, 310));
  QTest::mouseRelease(form->Image1, Qt::LeftButton, {}, QPoint(820, 310));
  EXPECT_EQ(systeme.messages.size(), 1);
  EXPECT_EQ(form->canvas().Pixels(810, 305), form->couleur_crayon_precedente);
}

// Errors raised where Qt calls in (a key, a text change, an up-down's arrow) are caught
// there: the box shows once, nothing reaches Qt, and the control gets no half-done work.
TEST_F(SourisErreurs, ErrorsOfKeysTextChangesAndUpDownsShowTheirBoxOnce) {
  form->activateWindow();
  form->commande_touche(0x20);  // the palette out of view: letters act
  form->Edit3->setText("abc");
  form->Edit2->setFocus();
  QTest::keyClick(form->Edit2, Qt::Key_X);
  ASSERT_EQ(systeme.messages.size(), 1);
  EXPECT_EQ(systeme.messages[0], QStringLiteral("'abc' n'est pas une valeur entière correcte"));
  EXPECT_EQ(form->Edit2->Text(), QString());  // the failed key went no further
  form->commande_touche(0x20);  // the palette back

  form->Edit6->setText("deux");
  ASSERT_EQ(systeme.messages.size(), 2);
  EXPECT_EQ(form->nombre_clones, 1);
  QTest::mouseClick(form->UpDown5->findChildren<QWidget*>().front(), Qt::LeftButton);
  EXPECT_EQ(systeme.messages.size(), 3);
  EXPECT_EQ(form->Edit6->Text(), "deux");

  form->Edit6->setText("4");
  EXPECT_EQ(form->nombre_clones, 4);
  EXPECT_EQ(systeme.messages.size(), 3);
}

TEST_F(SourisErreurs, ASnapshotThatCannotBeWrittenIsReportedAndTheStrokeStays) {
  form->installer_historique(repertoire.filePath("absent/sous/dossier"));
  QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(800, 300));
  QTest::mouseMove(form->Image1, QPoint(820, 310));
  QTest::mouseRelease(form->Image1, Qt::LeftButton, {}, QPoint(820, 310));
  instantane_ecrit();
  ASSERT_EQ(systeme.messages.size(), 1);
  EXPECT_TRUE(systeme.messages[0].contains("~100.bmp"));
  EXPECT_FALSE(form->trait_en_cours);
  EXPECT_EQ(form->canvas().Pixels(810, 305), 0x008000u);
  // The release finished its work: a new random colour, and moves no longer draw.
  EXPECT_NE(form->couleur_crayon, 0x008000u);
  QTest::mouseMove(form->Image1, QPoint(900, 100));
  EXPECT_EQ(form->canvas().Pixels(860, 205), 0u);
}

TEST_F(SourisErreurs, ADirectoryThatCannotBeWrittenIsReportedOnceUntilASnapshotIsWrittenAgain) {
  const QString dossier = repertoire.filePath("absent");
  form->installer_historique(dossier);
  auto trait = [this](int y) {
    QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(800, y));
    QTest::mouseMove(form->Image1, QPoint(820, y + 10));
    QTest::mouseRelease(form->Image1, Qt::LeftButton, {}, QPoint(820, y + 10));
    instantane_ecrit();
  };
  for (int y : {300, 320, 340}) trait(y);
  ASSERT_EQ(systeme.messages.size(), 1);
  EXPECT_TRUE(systeme.messages[0].contains(dossier + "/~100.bmp"));
  EXPECT_TRUE(systeme.messages[0].contains(QStringLiteral("ne sera pas répété")));
  EXPECT_EQ(form->historique.indice_historique(), -1);

  ASSERT_TRUE(QDir().mkpath(dossier));
  trait(360);
  EXPECT_TRUE(QFile::exists(dossier + "/~100.bmp"));
  EXPECT_EQ(systeme.messages.size(), 1);

  ASSERT_TRUE(QDir(dossier).removeRecursively());
  trait(380);
  trait(400);
  ASSERT_EQ(systeme.messages.size(), 2);
  EXPECT_TRUE(systeme.messages[1].contains(dossier + "/~101.bmp"));
}

}  // namespace
}  // namespace orvane
