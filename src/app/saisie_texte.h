#pragma once

#include <Qt>

namespace orvane {

// Whether a key pressed in an edit where the user types text (the generic picture name)
// stays the edit's own: letters, digits, space, punctuation and editing keys (Ctrl+A, C, V,
// X, Z, Y, arrows, Backspace) are. Escape, the function keys, Enter and the window's
// shortcuts Ctrl+S, Ctrl+O and Ctrl+Q keep their meaning for the window.
bool touche_du_texte(int qt_key, Qt::KeyboardModifiers etats);

}  // namespace orvane
