// Ctrl+Z, Ctrl+Y, Ctrl+S, Ctrl+O and Ctrl+Q: the Ctrl held for them chooses no centre.
#include "app/tform1.h"

namespace orvane {

void TForm1::lancer_raccourci(Raccourci raccourci) {
  annuler_choix_centre_du_ctrl();
  switch (raccourci) {
    case Raccourci::Precedent: affiche_fic_precedent(); break;
    case Raccourci::Suivant: affiche_fic_suivant(); break;
    case Raccourci::Sauve: Panel7Click(); break;
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

}  // namespace orvane
