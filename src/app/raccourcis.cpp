#include "app/raccourcis.h"

namespace orvane {

Raccourci raccourci_de(int code, Qt::KeyboardModifiers etats) {
  const Qt::KeyboardModifiers utiles =
      etats & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (utiles == (Qt::ControlModifier | Qt::ShiftModifier)) {
    switch (code) {
      case 0x5A: return Raccourci::Suivant;
      case 0x53: return Raccourci::Redessin;
      case 0x46: return Raccourci::Film;
      default: return Raccourci::Aucun;
    }
  }
  if (utiles != Qt::ControlModifier) return Raccourci::Aucun;
  switch (code) {
    case 0x5A: return Raccourci::Precedent;
    case 0x59: return Raccourci::Suivant;
    case 0x53: return Raccourci::Sauve;
    case 0x4F: return Raccourci::Ouvrir;
    case 0x51: return Raccourci::Quitter;
    default: return Raccourci::Aucun;
  }
}

}  // namespace orvane
