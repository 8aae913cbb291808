#include <QTest>

#include "app/tform1.h"
#include "app/touches.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

class Clavier : public FenetreTest {};

TEST_F(Clavier, EscapeHidesTheHelpFirstAndOnlyThenAsksToQuit) {
  form->Panel12Click();
  form->commande_touche(0x1B);
  EXPECT_FALSE(form->Panel8->Visible());
  EXPECT_TRUE(systeme.questions.isEmpty());
  form->commande_touche(0x7B);  // F12 with the help hidden
  EXPECT_EQ(systeme.questions.size(), 1);
  form->Panel12Click();
  form->commande_touche(0x7B);  // F12 with the help shown: nothing
  EXPECT_EQ(systeme.questions.size(), 1);
  EXPECT_TRUE(form->Panel8->Visible());
}

TEST_F(Clavier, KeysReachTheWindowBeforeTheFocusedControl) {
  form->activateWindow();
  form->Edit2->setFocus();
  form->canvas().bitmap().setPixel(5, 5, 0x123456);
  QTest::keyClick(form->Edit2, Qt::Key_E);
  EXPECT_EQ(form->canvas().Pixels(5, 5), 0u);  // cleared
  EXPECT_TRUE(form->Edit2->Text().endsWith('e'));
  QTest::keyClick(form->Edit2, Qt::Key_Escape);
  EXPECT_EQ(systeme.questions.size(), 1);
}

TEST_F(Clavier, AKeyActsOnceEvenWhenItsDialogTookTheFocusAway) {
  form->activateWindow();
  form->Edit2->setFocus();
  // A bare X server: the question's window held the focus, and it is gone with it.
  systeme.pendant_question = [this] { form->Edit2->clearFocus(); };
  QTest::keyClick(form->Edit2, Qt::Key_Escape);
  EXPECT_EQ(systeme.questions.size(), 1);
}

TEST_F(Clavier, SpaceTogglesThePaletteAndBringsItBackFromBelowTheScreen) {
  form->commande_touche(0x20);
  EXPECT_FALSE(form->Panel1->Visible());
  form->commande_touche(0x20);
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(form->Panel1->y(), form->haut_palette);
  form->Panel1->move(0, 800);
  form->commande_touche(0x20);
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(form->Panel1->y(), form->haut_palette);
}

TEST_F(Clavier, CharactersActOnlyWhileThePaletteIsOutOfView) {
  EXPECT_FALSE(form->FormKeyPress('5'));
  EXPECT_EQ(form->mode_crayon, R2_COPYPEN);
  form->commande_touche(0x20);  // hide the palette
  EXPECT_TRUE(form->FormKeyPress(0xE9));  // "é" is the key of "2"
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 1);
  EXPECT_EQ(form->mode_crayon, R2_MERGEPEN);
  EXPECT_TRUE(form->FormKeyPress('h'));
  EXPECT_EQ(form->mode_crayon, R2_NOTXORPEN);
  const std::tuple<const char*, unsigned char, const char*> epaisseurs[] = {
      {"3", 'W', "1"}, {"1", 'w', "1"}, {"1", 'X', "5"}, {"98", 'x', "102"}};
  for (const auto& [avant, touche, apres] : epaisseurs) {
    form->Edit3->setText(avant);
    EXPECT_TRUE(form->FormKeyPress(touche));
    EXPECT_EQ(form->Edit3->Text(), apres) << avant << " " << touche;
  }
}

TEST_F(Clavier, CtrlAloneArmsTheCentreChoice) {
  form->FormKeyDown(0x11, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(form->choix_centre);
  form->FormKeyDown(0x11, Qt::ControlModifier);
  EXPECT_TRUE(form->choix_centre);
  EXPECT_EQ(systeme.curseur, crCross);
}

TEST(Touches, VirtualKeyCodesAndAnsiCharacters) {
  EXPECT_EQ(code_touche(Qt::Key_E), 0x45);
  EXPECT_EQ(code_touche(Qt::Key_F4), 0x73);
  EXPECT_EQ(code_touche(Qt::Key_F12), 0x7B);
  EXPECT_EQ(code_touche(Qt::Key_Escape), 0x1B);
  EXPECT_EQ(caractere_ansi(QStringLiteral("é")), 0xE9);
  EXPECT_EQ(caractere_ansi(QStringLiteral("ç")), 0xE7);
  EXPECT_EQ(caractere_ansi(QStringLiteral("€")), 0x80);
  EXPECT_EQ(caractere_ansi(QStringLiteral("ab")), std::nullopt);
  EXPECT_EQ(caractere_ansi(QStringLiteral("\u4E00")), std::nullopt);
}

}  // namespace
}  // namespace orvane
