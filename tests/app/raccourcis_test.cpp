// The shortcuts people expect, and typing into the picture's name without touching the
// picture.
#include <QTest>

#include "app/raccourcis.h"
#include "app/saisie_texte.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

class Raccourcis : public FenetreTest {
 protected:
  void SetUp() override {
    FenetreTest::SetUp();
    form->activateWindow();
    form->Edit2->setFocus();
  }

  void trait(int y) {
    QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(800, y));
    QTest::mouseMove(form->Image1, QPoint(840, y + 10));
    QTest::mouseRelease(form->Image1, Qt::LeftButton, {}, QPoint(840, y + 10));
  }

  // Ctrl pressed, the key with it, Ctrl released: as a user types a shortcut.
  void avec_ctrl(Qt::Key touche, Qt::KeyboardModifiers autres = {}) {
    QWidget* cible = QApplication::focusWidget();
    QTest::keyPress(cible, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(cible, touche, Qt::ControlModifier | autres);
    QTest::keyRelease(cible, Qt::Key_Control, {});
  }
};

TEST(Raccourci, TheShortcutsOfKeyDownsAndTheKeysTheNameBoxKeeps) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  EXPECT_EQ(raccourci_de(0x5A, ctrl), Raccourci::Precedent);
  EXPECT_EQ(raccourci_de(0x59, ctrl), Raccourci::Suivant);
  EXPECT_EQ(raccourci_de(0x5A, ctrl | Qt::ShiftModifier), Raccourci::Suivant);
  EXPECT_EQ(raccourci_de(0x53, ctrl | Qt::KeypadModifier), Raccourci::Sauve);
  EXPECT_EQ(raccourci_de(0x4F, ctrl), Raccourci::Ouvrir);
  EXPECT_EQ(raccourci_de(0x51, ctrl), Raccourci::Quitter);
  EXPECT_EQ(raccourci_de(0x5A, {}), Raccourci::Aucun);
  EXPECT_EQ(raccourci_de(0x5A, ctrl | Qt::AltModifier), Raccourci::Aucun);
  EXPECT_EQ(raccourci_de(0x53, ctrl | Qt::ShiftModifier), Raccourci::Redessin);
  EXPECT_EQ(raccourci_de(0x53, ctrl | Qt::ShiftModifier | Qt::AltModifier), Raccourci::Aucun);
  EXPECT_EQ(raccourci_de(0x4F, ctrl | Qt::ShiftModifier), Raccourci::Aucun);
  EXPECT_EQ(raccourci_de(0x11, ctrl), Raccourci::Aucun);

  for (const auto& [touche, etats] :
       std::vector<std::pair<int, Qt::KeyboardModifiers>>{
           {Qt::Key_E, {}}, {Qt::Key_K, Qt::ShiftModifier}, {Qt::Key_Space, {}},
           {Qt::Key_Period, {}}, {Qt::Key_Control, ctrl}, {Qt::Key_A, ctrl}, {Qt::Key_V, ctrl},
           {Qt::Key_Z, ctrl}, {Qt::Key_Z, ctrl | Qt::ShiftModifier}, {Qt::Key_Backspace, {}}}) {
    EXPECT_TRUE(touche_du_texte(touche, etats)) << std::hex << touche;
  }
  for (const auto& [touche, etats] :
       std::vector<std::pair<int, Qt::KeyboardModifiers>>{
           {Qt::Key_Escape, {}}, {Qt::Key_F1, {}}, {Qt::Key_F4, {}}, {Qt::Key_Return, {}},
           {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_S, ctrl}, {Qt::Key_O, ctrl},
           {Qt::Key_S, ctrl | Qt::ShiftModifier},
           {Qt::Key_Q, ctrl}}) {
    EXPECT_FALSE(touche_du_texte(touche, etats)) << std::hex << touche;
  }
}

// Undo as people know it: every press changes the picture, where F4 and F5 keep the
// ring's steps (the first F4 after a stroke shows the stroke's own snapshot).
TEST_F(Raccourcis, CtrlZUndoesAtEveryPressAndCtrlYGivesTheStrokesBack) {
  std::vector<Bitmap> apres;  // the canvas after each stroke
  for (int y : {200, 260, 320}) {
    trait(y);
    apres.push_back(form->canvas().bitmap());
  }
  ASSERT_NE(apres[1], apres[2]);

  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(form->canvas().bitmap(), apres[1]);
  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(form->canvas().bitmap(), apres[0]);
  EXPECT_FALSE(form->choix_centre);
  EXPECT_EQ(systeme.curseur, crArrow);
  // Forward after a step back: the place reached holds what is shown, so one further.
  avec_ctrl(Qt::Key_Y);
  EXPECT_EQ(form->canvas().bitmap(), apres[1]);
  avec_ctrl(Qt::Key_Z, Qt::ShiftModifier);
  EXPECT_EQ(form->canvas().bitmap(), apres[2]);
  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(form->canvas().bitmap(), apres[1]);
  EXPECT_FALSE(form->choix_centre);

  // The next drag is a stroke, and Ctrl+Z right after it takes it back.
  const int centre_x = form->centre_x;
  trait(500);
  EXPECT_EQ(form->centre_x, centre_x);
  const Bitmap avec_trait = form->canvas().bitmap();
  EXPECT_NE(avec_trait.pixel(820, 505), 0u);
  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(form->canvas().bitmap(), apres[1]);
  avec_ctrl(Qt::Key_Y);
  EXPECT_EQ(form->canvas().bitmap(), avec_trait);

  // F4 and F5 keep the ring's own steps: the stroke's snapshot first, the same file twice.
  QWidget* cible = QApplication::focusWidget();
  QTest::keyClick(cible, Qt::Key_F4);
  EXPECT_EQ(form->canvas().bitmap(), avec_trait);
  QTest::keyClick(cible, Qt::Key_F4);
  EXPECT_EQ(form->canvas().bitmap(), apres[1]);
  QTest::keyClick(cible, Qt::Key_F5);
  EXPECT_EQ(form->canvas().bitmap(), apres[1]);
  QTest::keyClick(cible, Qt::Key_F5);
  EXPECT_EQ(form->canvas().bitmap(), avec_trait);
}

// Past the newest or the oldest picture there is nowhere to go: the press changes nothing,
// the ring included, so the next stroke is kept after the picture it was drawn on.
TEST_F(Raccourcis, CtrlZAndCtrlYWithNowhereToGoLeaveTheRingAsItWas) {
  const Bitmap vide = form->canvas().bitmap();
  avec_ctrl(Qt::Key_Z);
  avec_ctrl(Qt::Key_Y);
  EXPECT_EQ(form->canvas().bitmap(), vide);
  EXPECT_EQ(form->historique.indice_historique(), -1);

  std::vector<Bitmap> apres;
  for (int y : {200, 260}) {
    trait(y);
    apres.push_back(form->canvas().bitmap());
  }
  avec_ctrl(Qt::Key_Y);
  EXPECT_EQ(form->canvas().bitmap(), apres[1]);
  EXPECT_EQ(form->historique.indice_historique(), 1);
  avec_ctrl(Qt::Key_Z);
  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(form->canvas().bitmap(), apres[0]);
  EXPECT_EQ(form->historique.indice_historique(), 0);
  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(form->canvas().bitmap(), apres[0]);
  EXPECT_EQ(form->historique.indice_historique(), 0);

  // A stroke on the oldest picture, then undone: that picture again, not an older one.
  trait(400);
  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(form->canvas().bitmap(), apres[0]);
}

TEST_F(Raccourcis, AShortcutsCtrlPutsTheDrawModeBackAndCtrlThenAClickStillPlacesTheCentre) {
  form->RadioGroup_peindre_dessiner->setItemIndex(1);
  avec_ctrl(Qt::Key_Z);
  EXPECT_FALSE(form->choix_centre);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 1);

  QWidget* cible = QApplication::focusWidget();
  QTest::keyPress(cible, Qt::Key_Control, Qt::ControlModifier);
  QTest::keyRelease(cible, Qt::Key_Control, {});
  EXPECT_TRUE(form->choix_centre);
  QTest::mouseClick(form->Image1, Qt::LeftButton, {}, QPoint(300, 200));
  EXPECT_EQ(form->centre_x, 300);
  EXPECT_EQ(form->centre_y, 200);
  EXPECT_FALSE(form->choix_centre);
}

// Only Ctrl held alone chooses a centre: a chord takes back what its Ctrl armed, in a
// palette box or on the canvas, and the next drag draws.
TEST_F(Raccourcis, AfterACtrlChordTheNextDragDraws) {
  struct Cas {
    const char* nom;
    QWidget* focus;
    Qt::Key touche;
  };
  const Cas cas[] = {
      {"Ctrl+A in the number box", form->Edit5, Qt::Key_A},
      {"Ctrl+C in the number box", form->Edit5, Qt::Key_C},
      {"Ctrl+V in the number box", form->Edit5, Qt::Key_V},
      {"Ctrl+A on the canvas", form->Edit2, Qt::Key_A},
      {"Ctrl+C on the canvas", form->Edit2, Qt::Key_C},
  };
  int y = 150;
  for (const Cas& c : cas) {
    form->nouvelle_toile();
    c.focus->setFocus();
    const int centre_x = form->centre_x;
    avec_ctrl(c.touche);
    EXPECT_FALSE(form->choix_centre) << c.nom;
    EXPECT_EQ(systeme.curseur, crArrow) << c.nom;
    EXPECT_EQ(form->Label1->Caption(), QString()) << c.nom;
    trait(y);
    EXPECT_EQ(form->centre_x, centre_x) << c.nom;
    EXPECT_NE(form->canvas().Pixels(820, y + 5), 0u) << c.nom;
    y += 60;
  }
}

TEST_F(Raccourcis, ACtrlChordsOwnCommandStaysButArmsNoCentre) {
  form->RadioGroup_peindre_dessiner->setItemIndex(2);
  avec_ctrl(Qt::Key_P);  // "peind tant que", P's own choice, is kept
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 1);
  EXPECT_FALSE(form->choix_centre);

  form->RadioGroup_peindre_dessiner->setItemIndex(0);
  trait(300);
  form->RadioGroup_peindre_dessiner->setItemIndex(2);
  avec_ctrl(Qt::Key_E);  // clears, and the draw mode is the one before the Ctrl
  EXPECT_EQ(form->canvas().Pixels(820, 305), 0u);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 2);
  EXPECT_FALSE(form->choix_centre);
}

TEST_F(Raccourcis, AShortcutIsTheWindowsAloneTheFocusedEditDoesNotUndoToo) {
  TEdit* edit = form->Edit5;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("7"));
  ASSERT_EQ(edit->Text(), QStringLiteral("7"));
  avec_ctrl(Qt::Key_Z);
  EXPECT_EQ(edit->Text(), QStringLiteral("7"));
}

TEST_F(Raccourcis, CtrlSSavesCtrlOOpensCtrlQAsksToQuit) {
  avec_ctrl(Qt::Key_S);
  EXPECT_EQ(systeme.dialogues_enregistrement.size(), 1u);
  avec_ctrl(Qt::Key_O);
  EXPECT_EQ(systeme.dialogues_ouverture.size(), 1u);
  EXPECT_TRUE(systeme.questions.isEmpty());
  avec_ctrl(Qt::Key_Q);
  EXPECT_EQ(systeme.questions, QStringList{QStringLiteral("Confirmation: Quitter ?")});
  EXPECT_FALSE(form->choix_centre);
  EXPECT_EQ(form->mode_crayon, R2_COPYPEN);  // not the "S" and "Q" pen modes
}

TEST_F(Raccourcis, TypingANameIntoTheNameBoxLeavesThePictureAlone) {
  trait(300);
  const Bitmap avant = form->canvas().bitmap();
  const int indice = form->historique.indice_historique();
  TEdit* nom = form->Edit_nom_generique;
  nom->setFocus();
  avec_ctrl(Qt::Key_A);
  QTest::keyClicks(nom, QStringLiteral("mes epures clk.png"));
  EXPECT_EQ(nom->Text(), QStringLiteral("mes epures clk.png"));
  EXPECT_EQ(form->canvas().bitmap(), avant);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 0);
  EXPECT_FALSE(form->choix_centre);
  EXPECT_TRUE(form->Panel1->isVisible());
  EXPECT_FALSE(form->Label_x->Caption().contains(u'%'));  // no colouring pass ran

  // Ctrl+Z undoes the typing, not the stroke.
  avec_ctrl(Qt::Key_Z);
  EXPECT_NE(nom->Text(), QStringLiteral("mes epures clk.png"));
  EXPECT_EQ(form->historique.indice_historique(), indice);
  EXPECT_EQ(form->canvas().bitmap(), avant);

  // Escape, F1 and Ctrl+S keep their meaning for the window.
  QTest::keyClick(nom, Qt::Key_F1);
  EXPECT_TRUE(form->Panel8->Visible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(form->Panel8->Visible());
  nom->setFocus();
  avec_ctrl(Qt::Key_S);
  EXPECT_EQ(systeme.dialogues_enregistrement.size(), 1u);
  QTest::keyClick(nom, Qt::Key_Escape);
  EXPECT_EQ(systeme.questions.size(), 1);

  // Back on the canvas, the letters are commands again.
  const QString texte = nom->Text();
  trait(400);
  EXPECT_FALSE(nom->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_E);
  EXPECT_EQ(form->canvas().Pixels(820, 405), 0u);
  EXPECT_EQ(nom->Text(), texte);
}

}  // namespace
}  // namespace orvane
