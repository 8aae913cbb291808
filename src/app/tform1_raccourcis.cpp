// Ctrl+Z, Ctrl+Y, Ctrl+S, Ctrl+Shift+S, Ctrl+Shift+F, Ctrl+O and Ctrl+Q: the Ctrl held for them chooses
// no centre. The keys typed into the picture's name are text until the user is back on
// the canvas.
#include "app/tform1.h"

namespace orvane {

void TForm1::lancer_raccourci(Raccourci raccourci) {
  annuler_choix_centre_du_ctrl();
  switch (raccourci) {
    case Raccourci::Precedent: annule_un_pas(); break;
    case Raccourci::Suivant: refait_un_pas(); break;
    case Raccourci::Sauve: Panel7Click(); break;
    case Raccourci::Redessin: redessine_a_l_echelle(); break;
    case Raccourci::Film: filme(); break;
    case Raccourci::Ouvrir: Panel5Click(); break;
    case Raccourci::Quitter: demande_quitter(); break;
    case Raccourci::Aucun: break;
  }
}

// F4 and F5 step through the ring as it stands: the first step after a stroke, or after a
// step the other way, reaches the picture already shown. People expect an undo that undoes:
// there, Ctrl+Z and Ctrl+Y go one place further.
void TForm1::annule_un_pas() {
  if (historique.indice_historique() < 0) return;
  const Bitmap montree = canvas().bitmap();
  affiche_fic_precedent();
  if (canvas().bitmap() == montree) affiche_fic_precedent();
  // A step back leaves the ring's index below the place it showed: brought onto it, the
  // next stroke is kept after the picture it was drawn on, not over it.
  affiche_fic_suivant();
  // No older picture: the ring as it was.
  if (canvas().bitmap() == montree) affiche_fic_suivant();
}

void TForm1::refait_un_pas() {
  if (historique.indice_historique() < 0) return;
  const Bitmap montree = canvas().bitmap();
  affiche_fic_suivant();
  if (canvas().bitmap() != montree) return;
  affiche_fic_suivant();
  if (canvas().bitmap() != montree) return;
  // No newer picture: the ring as it was.
  affiche_fic_precedent();
  affiche_fic_precedent();
}

void TForm1::annuler_choix_centre_du_ctrl() {
  if (!avant_ctrl_) return;
  const int mode = *avant_ctrl_;
  termine_choix_centre();
  // A chord's key that chose a mode of its own (Ctrl+P) keeps it.
  if (RadioGroup_peindre_dessiner->ItemIndex() == 0) {
    RadioGroup_peindre_dessiner->setItemIndex(mode);
  }
}

void TForm1::rendre_touches_aux_commandes() {
  if (Edit_nom_generique->hasFocus()) Edit2->setFocus();
}

}  // namespace orvane
