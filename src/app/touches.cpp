#include "app/touches.h"

#include <Qt>
#include <array>
#include <utility>

namespace orvane {

int code_touche(int qt_key) {
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key;
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return qt_key;
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return 0x70 + (qt_key - Qt::Key_F1);
  switch (qt_key) {
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Tab: return 0x09;
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Delete: return 0x2E;
    default: return 0;
  }
}

bool touche_de_modification(int code) { return code >= 0x10 && code <= 0x12; }

std::optional<unsigned char> caractere_ansi(const QString& texte) {
  if (texte.size() != 1) return std::nullopt;
  const char16_t c = texte.front().unicode();
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  // The bytes 0x80..0x9F of Windows-1252.
  static constexpr std::array<std::pair<char16_t, unsigned char>, 27> kSpeciaux = {{
      {u'€', 0x80}, {u'‚', 0x82}, {u'ƒ', 0x83}, {u'„', 0x84}, {u'…', 0x85}, {u'†', 0x86},
      {u'‡', 0x87}, {u'ˆ', 0x88}, {u'‰', 0x89}, {u'Š', 0x8A}, {u'‹', 0x8B}, {u'Œ', 0x8C},
      {u'Ž', 0x8E}, {u'‘', 0x91}, {u'’', 0x92}, {u'“', 0x93}, {u'”', 0x94}, {u'•', 0x95},
      {u'–', 0x96}, {u'—', 0x97}, {u'˜', 0x98}, {u'™', 0x99}, {u'š', 0x9A}, {u'›', 0x9B},
      {u'œ', 0x9C}, {u'ž', 0x9E}, {u'Ÿ', 0x9F},
  }};
  for (const auto& [unicode, octet] : kSpeciaux) {
    if (unicode == c) return octet;
  }
  return std::nullopt;
}

}  // namespace orvane
