#include <QFile>

#include "fenetre_test.h"

namespace orvane {
namespace {

// The settings file gives the palette another colour than its start-up one.
class CouleursDialogue : public FenetreTest {
 protected:
  void SetUp() override {
    QFile f(repertoire.filePath(QStringLiteral("orvane.prm")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\r\n\r\n\r\n\r\n255\r\n");
    f.close();
    FenetreTest::SetUp();
  }
};

CasesPerso table_du_programme() {
  return {RGB(255, 128, 64),  RGB(231, 254, 218), RGB(255, 250, 217), RGB(179, 224, 255),
          RGB(253, 234, 225), RGB(236, 225, 253), RGB(251, 225, 253), RGB(255, 245, 221),
          RGB(255, 128, 64),  RGB(255, 240, 138), RGB(100, 193, 255), RGB(106, 196, 255),
          RGB(250, 198, 173), RGB(220, 200, 251), RGB(183, 251, 249), RGB(245, 216, 176)};
}

TEST_F(CouleursDialogue, TheFirstOpeningOffersTheTableWhateverThePaletteLoadedSince) {
  ASSERT_EQ(form->Panel1->Color(), 255u);
  form->Panel_crayonClick();
  ASSERT_EQ(systeme.cases_proposees.size(), 1u);
  EXPECT_EQ(systeme.cases_proposees[0], table_du_programme());
}

TEST_F(CouleursDialogue, ASlotEditedAndConfirmedIsOfferedInEveryLaterUse) {
  systeme.cases_editees = {{2, RGB(1, 2, 3)}};
  systeme.reponses_couleur = {RGB(7, 7, 7)};
  form->Panel_crayonClick();
  form->Panel4Click();   // another use of the same dialog
  form->Panel10Click();
  CasesPerso attendu = table_du_programme();
  attendu[2] = RGB(1, 2, 3);
  ASSERT_EQ(systeme.cases_proposees.size(), 3u);
  EXPECT_EQ(systeme.cases_proposees[1], attendu);
  EXPECT_EQ(systeme.cases_proposees[2], attendu);
  EXPECT_EQ(form->ColorDialog1.CustomColors[2], "ColorC=030201");
}

TEST_F(CouleursDialogue, CancellingPutsBackTheSlotsAsTheyWereWhenTheDialogOpened) {
  systeme.cases_editees = {{4, RGB(9, 9, 9)}};  // "Add to Custom Colors", then cancel
  form->Panel_peintureClick();
  form->Panel1MouseDown(Qt::RightButton);
  ASSERT_EQ(systeme.cases_proposees.size(), 2u);
  EXPECT_EQ(systeme.cases_proposees[1], table_du_programme());
}

}  // namespace
}  // namespace orvane
