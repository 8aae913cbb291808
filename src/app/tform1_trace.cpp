// The numbers of the palette's edits and the symmetric renderer fed from the palette.
#include "app/nombres.h"
#include "app/tform1.h"
#include "colour/coul_aleatoire.h"
#include "drawing/trace_symetrique.h"
#include "journal/trait_enregistre.h"

namespace orvane {

int TForm1::nombre_dans(const TEdit* edit) const {
  return StrToInt(filtre_nombre(edit->Text()), edit->Text());
}

int TForm1::nb_petales() const {
  const QString t = filtre_nombre(Edit1->Text());
  const int n = t.isEmpty() ? 1 : StrToInt(t, Edit1->Text());
  return n == 0 ? 1 : n;
}

ReglagesTrace TForm1::reglages_trace() const {
  ReglagesTrace r;
  r.symetrie = RadioGroup_symetrie->ItemIndex();
  r.type_trace = RadioGroup_type_trace->ItemIndex();
  r.peindre_dessiner = RadioGroup_peindre_dessiner->ItemIndex();
  r.epaisseur_aleatoire = CheckBox_epaisseur->Checked();
  r.epaisseur = nombre_dans(Edit3);
  r.nb_petales = nb_petales();
  r.spirale = CheckBox_spirale->Checked();
  // The spiral's and the shadow's numbers are read only where they are used.
  if (r.spirale && (r.symetrie == 0 || r.symetrie == 1)) {
    r.tours = nombre_dans(Edit4);
    r.facteur_milliemes = nombre_dans(Edit5);
  }
  r.ombre_1 = CheckBox_ombre_1->Checked();
  r.ombre_2 = CheckBox_ombre_2->Checked();
  if ((r.ombre_1 || r.ombre_2) && r.peindre_dessiner == 0) r.largeur_ombre = nombre_dans(Edit7);
  r.nombre_clones = nombre_clones;
  r.largeur_ecran = taille_ecran_pixels().width();
  return r;
}

void TForm1::trace_symetrique(Point a, Point b, int mode, Colour couleur) {
  // The pen and the panels are set before the petal count and the spiral are read: an
  // edit of those that does not convert leaves them so.
  Canvas& c = canvas();
  c.pen.mode = mode;
  c.pen.color = couleur;
  c.pen.width = epaisseur_du_trait(aleatoire, CheckBox_epaisseur->Checked(), nombre_dans(Edit3),
                                   c.pen.width);
  Panel_crayon->setColor(couleur);
  Panel9->setColor(Panel_crayon->Color());
  const ReglagesTrace reglages = reglages_trace();
  if (trace_met_sablier(reglages)) systeme_.curseur_ecran(crHourGlass);
  EtatTrace etat;
  etat.centre_x = centre_x;
  etat.centre_y = centre_y;
  etat.couleur_crayon = couleur_crayon;
  etat.couleur_peinture = couleur_peinture;
  etat.rouge_crayon = rouge_crayon;
  etat.vert_crayon = vert_crayon;
  etat.bleu_crayon = bleu_crayon;
  tracer_et_enregistrer(c, journal, aleatoire, etat, reglages, a, b, couleur);
  rouge_crayon = etat.rouge_crayon;
  vert_crayon = etat.vert_crayon;
  bleu_crayon = etat.bleu_crayon;
}

Colour TForm1::coul_aleatoire() {
  return orvane::coul_aleatoire(RadioGroup_coul_type->ItemIndex(), Panel10->Color(), aleatoire);
}

}  // namespace orvane
