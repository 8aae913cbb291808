#pragma once

#include <QString>
#include <optional>

namespace orvane {

// The Windows virtual-key code of a Qt key (letters by key, whatever Shift or Caps Lock);
// 0 for a key the program does not know.
int code_touche(int qt_key);

// Whether a virtual-key code is Shift, Ctrl or Alt: held with others, not a key of its own.
bool touche_de_modification(int code);

// The Windows-1252 byte of a typed one-character text, if it has one.
std::optional<unsigned char> caractere_ansi(const QString& texte);

}  // namespace orvane
