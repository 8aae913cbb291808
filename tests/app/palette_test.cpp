#include "app/tform1.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

class Palette : public FenetreTest {};

TEST_F(Palette, PickingPeindTantQueUnderLignesKeepsTheFillAndSelectsCrayon) {
  form->RadioGroup_type_trace->setItemIndex(1);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 0);
  form->RadioGroup_peindre_dessiner->setItemIndex(1);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 1);
  EXPECT_EQ(form->RadioGroup_type_trace->ItemIndex(), 0);
}

TEST_F(Palette, PeindJusquaRestoresTheLastStrokesColourOnlyFromRandom) {
  form->couleur_crayon_precedente = 0x112233;
  form->couleur_crayon = 0x445566;
  form->RadioGroup_peindre_dessiner->setItemIndex(2);
  EXPECT_EQ(form->couleur_crayon, 0x112233u);
  EXPECT_EQ(form->Panel_crayon->Color(), 0x112233u);
  EXPECT_EQ(form->RadioGroup_couleur_crayon->ItemIndex(), 1);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 2);
  EXPECT_EQ(form->RadioGroup_type_trace->ItemIndex(), 0);

  form->RadioGroup_peindre_dessiner->setItemIndex(0);
  form->couleur_crayon = 0x445566;
  form->RadioGroup_peindre_dessiner->setItemIndex(2);  // already "choisie": no change
  EXPECT_EQ(form->couleur_crayon, 0x445566u);
}

TEST_F(Palette, ColourDialogsSetModesAndCancelChangesNoColour) {
  systeme.reponses_couleur = {RGB(1, 2, 3), std::nullopt};
  form->Panel_crayonClick();
  EXPECT_EQ(form->couleur_crayon, RGB(1, 2, 3));
  EXPECT_EQ(form->Panel9->Color(), RGB(1, 2, 3));
  EXPECT_EQ(form->RadioGroup_couleur_crayon->ItemIndex(), 1);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 0);
  form->Panel_peintureClick();  // cancelled
  EXPECT_EQ(form->couleur_peinture, 0xFFFF00u);
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 1);
  // One dialog: it opens on the colour last chosen in it.
  ASSERT_EQ(systeme.couleurs_proposees.size(), 2u);
  EXPECT_EQ(systeme.couleurs_proposees[1], RGB(1, 2, 3));
}

TEST_F(Palette, ShadowBoxesExcludeEachOther) {
  form->CheckBox_ombre_1->setChecked(true);
  form->CheckBox_ombre_2->setChecked(true);
  EXPECT_FALSE(form->CheckBox_ombre_1->Checked());
  form->CheckBox_ombre_2->setChecked(false);
  EXPECT_FALSE(form->CheckBox_ombre_1->Checked());
  EXPECT_FALSE(form->CheckBox_ombre_2->Checked());
}

TEST_F(Palette, PenModeListSetsTheCanvasModeAtOnce) {
  form->ComboBox1->setItemIndex(4);
  form->ComboBox1Click();
  EXPECT_EQ(form->mode_crayon, R2_XORPEN);
  EXPECT_EQ(form->canvas().pen.mode, R2_XORPEN);
}

TEST_F(Palette, CloneCountFollowsEdit6) {
  form->UpDown5->pas(1);
  EXPECT_EQ(form->nombre_clones, 2);
  form->UpDown5->pas(-1);
  form->UpDown5->pas(-1);
  EXPECT_EQ(form->nombre_clones, 0);
}

TEST_F(Palette, CentreButtonArmsTheCentreChoice) {
  form->masquage_arme = true;
  form->Panel3Click();
  EXPECT_TRUE(form->choix_centre);
  EXPECT_EQ(form->Label1->Caption(), QStringLiteral("clik au centre"));
  EXPECT_EQ(systeme.curseur, crCross);
  EXPECT_FALSE(form->masquage_arme);
}

TEST_F(Palette, HelpPanelTogglesAndFloatsWhenDraggedOut) {
  form->Panel12Click();
  EXPECT_TRUE(form->Panel8->isVisible());
  form->Panel8->detacher(QPoint(10, 10));
  EXPECT_TRUE(form->Panel8->flottant());
  EXPECT_TRUE(form->Panel8->isVisible());
  form->SpeedButton_exit_helpClick();
  EXPECT_FALSE(form->Panel8->isVisible());
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST_F(Palette, AnArmedPaletteSlidesOutOneLinePerTickOnceTheBoxIsChecked) {
  form->masquage_arme = true;
  form->Timer1Timer();
  EXPECT_TRUE(form->masquage_en_cours);
  form->Timer2Timer();  // box unchecked: the palette stays
  EXPECT_EQ(form->Panel1->y(), form->haut_palette);
  form->CheckBox_panel_disparait_auto->setChecked(true);
  for (int i = 0; i < 132; ++i) form->Timer2Timer();
  EXPECT_EQ(form->Panel1->y(), 768);
  EXPECT_TRUE(form->masquage_en_cours);
  form->Timer2Timer();
  EXPECT_FALSE(form->masquage_en_cours);
  EXPECT_FALSE(form->palette_visible_a_l_ecran());
  form->Panel1MouseMove(5, 5);
  EXPECT_EQ(form->Panel1->y(), form->haut_palette);
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST_F(Palette, PaletteHintsShowOnlyInTheMargins) {
  const QString conseil = QStringLiteral("click droit pour changer la couleur  du menu ");
  EXPECT_EQ(form->Panel1->toolTip(), conseil);
  form->Panel1MouseMove(form->RadioGroup_peindre_dessiner->x() + 10, 5);
  EXPECT_TRUE(form->Panel1->toolTip().isEmpty());
  EXPECT_TRUE(form->Edit_nom_generique->toolTip().isEmpty());
  EXPECT_EQ(form->Panel3->toolTip(), QStringLiteral("choisir le centre (C)"));  // always
  form->Panel1MouseMove(form->Panel4->x() + 51, 5);
  EXPECT_EQ(form->Panel1->toolTip(), conseil);
  EXPECT_EQ(form->Label_rep->toolTip(),
            QStringLiteral("répertoire de la dernière images enregistrée ") +
                form->Label_rep->Caption());
}

}  // namespace
}  // namespace orvane
