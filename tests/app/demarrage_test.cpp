#include <QApplication>
#include <cmath>

#include "app/tform1.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

class Demarrage : public FenetreTest {};

TEST_F(Demarrage, FieldsColoursAndCaptionsAfterStartUp) {
  EXPECT_EQ(form->centre_x, 683);
  EXPECT_EQ(form->centre_y, 384);
  EXPECT_FALSE(form->trait_en_cours);
  EXPECT_FALSE(form->choix_centre);
  EXPECT_FALSE(form->ligne_ancree);
  EXPECT_EQ(form->couleur_crayon, 0x008000u);
  EXPECT_EQ(form->couleur_crayon_precedente, 0x008000u);
  EXPECT_EQ(form->couleur_peinture, 0xFFFF00u);
  EXPECT_EQ(form->couleur_fond, 0u);
  EXPECT_EQ(form->mode_crayon, R2_COPYPEN);
  EXPECT_EQ(form->nombre_clones, 1);
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 0);
  EXPECT_EQ(form->outil_ellipse.point_controle_x, -50);
  EXPECT_EQ(form->outil_ellipse.point_controle_y, -50);
  EXPECT_EQ(form->historique.indice_historique(), -1);
  EXPECT_TRUE(form->historique.nom_instantane().isEmpty());
  EXPECT_FALSE(form->masquage_arme);
  EXPECT_FALSE(form->masquage_en_cours);

  EXPECT_EQ(form->Panel1->Color(), RGB(255, 128, 64));
  EXPECT_EQ(form->Panel_crayon->Color(), 0x008000u);
  EXPECT_EQ(form->Panel9->Color(), 0x008000u);
  EXPECT_EQ(form->Panel_peinture->Color(), 0xFFFF00u);
  EXPECT_EQ(form->Panel10->Color(), 0x0000FFu);
  for (TPanel* p : {form->Panel_quit, form->Panel3, form->Panel4, form->Panel5, form->Panel7,
                    form->Panel6, form->Panel11, form->Panel13, form->Panel12, form->Panel_stop,
                    static_cast<TPanel*>(form->Panel8)}) {
    EXPECT_EQ(p->Color(), RGB(150, 228, 190)) << p->Caption().toStdString();
  }
  EXPECT_EQ(form->Label1->Caption(), QString());
  EXPECT_EQ(form->Label_rep->Caption(), repertoire.path());
  EXPECT_FALSE(form->Label5->isVisible());
  EXPECT_FALSE(form->Label6->isVisible());
  EXPECT_EQ(form->Edit1->Text(), "24");
  EXPECT_EQ(form->Edit3->Text(), "10");  // the settings' default, applied at activation
  EXPECT_EQ(form->Edit4->Text(), "20");
  EXPECT_EQ(form->Edit5->Text(), "975");
  EXPECT_EQ(form->Edit6->Text(), "1");
  EXPECT_EQ(form->Edit7->Text(), "12");
  EXPECT_EQ(form->Edit2->Text(), QStringLiteral("piège à focus"));
  EXPECT_EQ(form->Edit_nom_generique->Text(), "image.bmp");
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(form->ComboBox1->count(), 16);
  EXPECT_EQ(form->ComboBox1->itemText(4),
            QStringLiteral(" 5 pmXor         Combinaison des couleurs appartenant soit au "
                           "crayon, soit à l'arrière-plan du canevas, mais pas aux deux"));
  EXPECT_TRUE(form->ComboBox1->itemText(15).endsWith(QStringLiteral("mais pas aux deux")));
  const QStringList aide = form->Memo1->toPlainText().split(u'\n');
  EXPECT_EQ(aide.size(), 37);
  // The shortcuts, the journal, the command line, the mouse and the real width step.
  for (const char* ligne :
       {"Ctrl+Z : annuler        Ctrl+Y (ou Ctrl+Maj+Z) : refaire",
        "Ctrl+S : Sauve        Ctrl+O : Ouvrir",
        "Ctrl+Maj+S : redessiner l'image à une échelle, dans un fichier",
        "Ctrl+Maj+F : filmer le dessin, trait après trait (MP4, WebM ou GIF)",
        "Journal : Sauve écrit aussi le journal du dessin (même nom, en .orvane) ;",
        "     orvane --render image.orvane --scale 4 --output grande.png",
        "     orvane --film image.orvane --output dessin.mp4",
        "F12, Echap ou Ctrl+Q : sortie demandée",
        "bouton du milieu : annule les losanges en cours", "Ctrl seul puis clik : place le centre",
        "w,W  => taille crayon - 4", "x,X   => taille crayon + 4"}) {
    EXPECT_TRUE(aide.contains(QString::fromUtf8(ligne))) << ligne;
  }
  EXPECT_FALSE(form->Panel8->isVisible());
}

TEST_F(Demarrage, RadioGroupsEndOnTheirStartUpItemsAfterTheFirstCanvas) {
  EXPECT_EQ(form->RadioGroup_couleur_crayon->ItemIndex(), 0);
  EXPECT_EQ(form->RadioGroup_couleur_peinture->ItemIndex(), 0);
  EXPECT_EQ(form->RadioGroup_symetrie->ItemIndex(), 0);
  EXPECT_EQ(form->RadioGroup_type_trace->ItemIndex(), 0);
  EXPECT_EQ(form->RadioGroup_coul_type->ItemIndex(), 0);
  // The paint colour's reaction chose "peind tant que"; the first canvas chose "dessiner".
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 0);
}

TEST(DemarrageSansCanvas, ThePaintModeReactionLeavesAFillModeUntilTheFirstCanvas) {
  SystemeSimule systeme;
  TForm1 form(systeme);  // not shown: no canvas yet
  EXPECT_EQ(form.RadioGroup_peindre_dessiner->ItemIndex(), 1);
  EXPECT_EQ(form.RadioGroup_type_trace->ItemIndex(), 0);
  EXPECT_FALSE(form.Image1->hasPicture());
}

TEST_F(Demarrage, WindowCoversTheScreenWithTheBlackCanvasAndTheDockedPalette) {
  EXPECT_EQ(form->geometry(), QRect(0, 0, 1366, 768));
  EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
  const Canvas& c = form->Image1->canvas();
  EXPECT_EQ(c.width(), 1366);
  EXPECT_EQ(c.height(), 768);
  EXPECT_EQ(c.Pixels(0, 0), 0u);
  EXPECT_EQ(c.Pixels(1365, 767), 0u);
  EXPECT_EQ(c.pen.color, 0x008000u);
  EXPECT_EQ(form->Panel1->geometry(), QRect(0, 768 - 132, 1366, 132));
  EXPECT_EQ(form->haut_palette, 768 - 132);
  EXPECT_TRUE(form->Panel1->isVisible());
  // The help panel, sized for its text, centred.
  EXPECT_EQ(form->Panel8->pos(),
            QPoint((1366 - form->Panel8->width()) / 2, (768 - form->Panel8->height()) / 2));
}

TEST_F(Demarrage, QuarterCircleTables) {
  EXPECT_EQ(form->table_sinus.size(), 182u);
  EXPECT_EQ(form->table_sinus[0], 0.0L);
  EXPECT_EQ(form->table_cosinus[0], 1.0L);
  EXPECT_NEAR(static_cast<double>(form->table_sinus[181]), 1.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(form->table_cosinus[181]), 0.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(form->table_sinus[90]),
              std::sin(90.0 * 3.141592653589793 / 2.0 / 181.0), 1e-15);
}

// Where each control of the palette stands on a screen of the palette's own width.
std::map<QString, QPoint> places(TForm1& form) {
  std::map<QString, QPoint> r;
  int i = 0;
  for (QObject* o : form.Panel1->children()) {
    if (auto* w = qobject_cast<QWidget*>(o)) r[QString::number(i++)] = w->pos();
  }
  return r;
}

TEST(ModifierLeftDansPanel, ShiftsEveryPaletteControlByHalfTheSpareWidthTowardZero) {
  SystemeSimule large(QSize(1377, 768));
  SystemeSimule etroit(QSize(1366, 768));
  SystemeSimule ample(QSize(1920, 1080));
  TForm1 a(large);
  const auto reference = places(a);
  TForm1 b(etroit);
  const auto decale = places(b);
  TForm1 c(ample);
  const auto droite = places(c);
  ASSERT_EQ(reference.size(), decale.size());
  ASSERT_GT(reference.size(), 50u);
  for (const auto& [nom, p] : reference) {
    EXPECT_EQ(decale.at(nom), p + QPoint(-5, 0)) << nom.toStdString();
    EXPECT_EQ(droite.at(nom), p + QPoint(271, 0)) << nom.toStdString();
  }
  EXPECT_EQ(a.Label1->pos(), QPoint(744, 3));
  EXPECT_EQ(a.ComboBox1->geometry(), QRect(677, 57, 684, 21));
}

}  // namespace
}  // namespace orvane
