// The canvas, its re-creation and the confirmed exit.

#include "app/controls/frontiere.h"
#include "app/tform1.h"

namespace orvane {

QSize TForm1::taille_ecran_pixels() const {
  return en_pixels(taille_ecran(), devicePixelRatioF());
}

void TForm1::_ws() {
  masquage_arme = false;
  masquage_en_cours = false;
}

void TForm1::sauve_crayon() {
  const Canvas& c = Image1->canvas();
  style_pinceau_sauve = c.brush.style;
  style_crayon_sauve = c.pen.style;
  epaisseur_sauvee = c.pen.width;
}

void TForm1::restaure_crayon() {
  Canvas& c = canvas();
  c.brush.style = style_pinceau_sauve;
  c.pen.style = style_crayon_sauve;
  c.pen.width = epaisseur_sauvee;
}

void TForm1::nouvelle_toile() {
  const bool palette_visible = Panel1->Visible();
  Panel1->setVisible(false);
  Image1->setGeometry(0, 0, ScrollBox1->width(), ScrollBox1->height());
  sauve_crayon();
  // The new picture starts with the default pen and brush, made in the background colour
  // at once rather than made black and painted over.
  const QSize taille = Image1->taillePixels();
  Image1->setPicture(Canvas(taille.width(), taille.height(), couleur_fond & 0xFFFFFFu));
  oublier_figures_elastiques();
  Canvas& c = canvas();
  c.brush.color = couleur_fond;
  journal.ajouter(EntreeToile{taille.width(), taille.height(), c.brush.color & 0xFFFFFFu});
  c.pen.color = 0x008000;
  restaure_crayon();
  Panel1->setVisible(palette_visible);
  RadioGroup_peindre_dessiner->setItemIndex(0);
  systeme_.SetCursorPos(taille_ecran().width() / 2, taille_ecran().height() / 2);
}

void TForm1::oublier_figures_elastiques() {
  elastique_affiche = false;
  outil_ellipse.oublier_figures();
}

void TForm1::effacer_figures_elastiques() {
  efface_elastique_ligne();
  outil_ellipse.effacer_figures(canvas());
}

void TForm1::nouvelle_toile_couleur(Colour couleur) {
  couleur_fond = couleur;
  nouvelle_toile();
}

void TForm1::Panel_new_fond_noirClick() {
  nouvelle_toile_couleur(0x000000);
  systeme_.SetCursorPos(taille_ecran().width() / 2, taille_ecran().height() / 2);
  _ws();
}

void TForm1::Panel2Click() {
  nouvelle_toile_couleur(0xFFFFFF);
  systeme_.SetCursorPos(taille_ecran().width() / 2, taille_ecran().height() / 2);
  _ws();
}

void TForm1::demande_quitter() {
  systeme_.SetCursorPos(taille_ecran().width() / 2 - 50, taille_ecran().height() / 2);
  if (!systeme_.question(this, QStringLiteral("Confirmation"), QStringLiteral("Quitter ?"))) {
    return;
  }
  // Asked to leave, the user leaves: a snapshot or settings that cannot be written are
  // reported first.
  a_la_frontiere([this] { finir_instantane(); });
  a_la_frontiere([this] { sauve_parametres(); });
  systeme_.terminer();
}

void TForm1::Panel_quitClick() { demande_quitter(); }

}  // namespace orvane
