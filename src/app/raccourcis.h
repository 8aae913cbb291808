#pragma once

#include <Qt>

namespace orvane {

// The shortcuts people expect, beside the program's own keys.
enum class Raccourci {
  Aucun,
  Precedent,  // Ctrl+Z, as F4
  Suivant,    // Ctrl+Y or Ctrl+Shift+Z, as F5
  Sauve,      // Ctrl+S
  Redessin,   // Ctrl+Shift+S: the picture re-drawn at a scale into a file
  Film,       // Ctrl+Shift+F: a film of the picture being drawn
  Ouvrir,     // Ctrl+O
  Quitter,    // Ctrl+Q
};

// The shortcut of a key-down (virtual-key code and modifiers); Alt held is none.
Raccourci raccourci_de(int code, Qt::KeyboardModifiers etats);

}  // namespace orvane
