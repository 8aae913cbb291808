// Ctrl+Z, Ctrl+Y, Ctrl+S, Ctrl+Shift+S, Ctrl+O and Ctrl+Q: the Ctrl held for them chooses
// no centre. The keys typed into the picture's name are text until the user is back on
// the canvas.
#include "app/tform1.h"

namespace orvane {

void TForm1::lancer_raccourci(Raccourci raccourci) {
  annuler_choix_centre_du_ctrl();
  switch (raccourci) {
    case Raccourci::Precedent: affiche_fic_precedent(); break;
    case Raccourci::Suivant: affiche_fic_suivant(); break;
    case Raccourci::Sauve: Panel7Click(); break;
    case Raccourci::Redessin: redessine_a_l_echelle(); break;
    case Raccourci::Ouvrir: Panel5Click(); break;
    case Raccourci::Quitter: demande_quitter(); break;
    case Raccourci::Aucun: break;
  }
}

void TForm1::annuler_choix_centre_du_ctrl() {
  if (!avant_ctrl_) return;
  const int mode = *avant_ctrl_;
  termine_choix_centre();
  RadioGroup_peindre_dessiner->setItemIndex(mode);
}

void TForm1::rendre_touches_aux_commandes() {
  if (Edit_nom_generique->hasFocus()) Edit2->setFocus();
}

}  // namespace orvane
