#include <QTest>
#include "app/tform1.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

class Toile : public FenetreTest {};

TEST_F(Toile, NewOnWhiteThenEraseFillsWhiteUntilNewOnBlack) {
  form->canvas().Pixels(0, 0);
  form->Panel2Click();
  EXPECT_EQ(form->canvas().Pixels(10, 10), 0xFFFFFFu);
  form->canvas().bitmap().setPixel(10, 10, 0x123456);
  form->commande_touche(0x45);  // E: erase
  EXPECT_EQ(form->canvas().Pixels(10, 10), 0xFFFFFFu);
  EXPECT_EQ(form->canvas().Pixels(1365, 767), 0xFFFFFFu);
  form->Panel_new_fond_noirClick();
  EXPECT_EQ(form->canvas().Pixels(10, 10), 0x000000u);
}

TEST_F(Toile, NewSelectsDrawModeCentresThePointerAndKeepsTheCentre) {
  form->centre_x = 100;
  form->centre_y = 50;
  form->RadioGroup_peindre_dessiner->setItemIndex(1);
  systeme.pointeur = QPoint(1, 1);
  form->Panel2Click();
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 0);
  EXPECT_EQ(systeme.pointeur, QPoint(683, 384));
  EXPECT_EQ(form->centre_x, 100);
  EXPECT_EQ(form->centre_y, 50);
}

TEST_F(Toile, PenWidthAndStyleSurviveANewCanvasButTheMixModeAndColourDoNot) {
  Canvas& avant = form->canvas();
  avant.pen.width = 7;
  avant.pen.style = PenStyle::Clear;
  avant.brush.style = BrushStyle::Clear;
  avant.pen.mode = R2_XORPEN;
  avant.pen.color = 0x123456;
  form->nouvelle_toile();
  const Canvas& apres = form->canvas();
  EXPECT_EQ(apres.pen.width, 7);
  EXPECT_EQ(apres.pen.style, PenStyle::Clear);
  EXPECT_EQ(apres.brush.style, BrushStyle::Clear);
  EXPECT_EQ(apres.pen.mode, R2_COPYPEN);
  EXPECT_EQ(apres.pen.color, 0x008000u);
}

TEST_F(Toile, AnsweringNoToQuitChangesNothingAndYesEndsTheProgram) {
  systeme.reponse_question = false;
  form->Panel_quitClick();
  ASSERT_EQ(systeme.questions.size(), 1);
  EXPECT_EQ(systeme.questions[0], QStringLiteral("Confirmation: Quitter ?"));
  EXPECT_EQ(systeme.pointeur, QPoint(683 - 50, 384));
  EXPECT_EQ(systeme.terminaisons, 0);
  EXPECT_TRUE(form->isVisible());

  systeme.reponse_question = true;
  form->Panel_quitClick();
  EXPECT_EQ(systeme.terminaisons, 1);
}

TEST_F(Toile, TheQuitButtonAsksThroughARealClick) {
  systeme.reponse_question = false;
  QTest::mouseClick(form->Panel_quit, Qt::LeftButton);
  EXPECT_EQ(systeme.questions.size(), 1);
}

}  // namespace
}  // namespace orvane
