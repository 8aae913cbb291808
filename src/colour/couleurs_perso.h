#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/colour.h"

namespace orvane {

// The sixteen custom-colour slots of the colour dialog, slot 1 first.
using CasesPerso = std::array<Colour, 16>;

// A slot the list gives no colour.
inline constexpr Colour kCaseSansCouleur = 0xFFFFFFFFu;

// The custom colours a colour dialog keeps between its uses, as its text list: one entry
// "ColorA=4080FF" .. "ColorP=..." per slot, the colour 0x00BBGGRR as six hexadecimal digits.
class CouleursPerso {
 public:
  std::vector<std::string> CustomColors;

  // What the dialog shows when it opens: each slot from its entry (the first with that
  // key), kCaseSansCouleur when the entry is missing or unreadable.
  CasesPerso cases() const;
  // What the dialog leaves after OK: all sixteen entries, in slot order.
  void ecrire_cases(const CasesPerso& cases);
};

// "Color" and the slot's letter: A for slot 0 .. P for slot 15.
std::string cle_case(int case_perso);
// The colour as six uppercase hexadecimal digits.
std::string texte_hexa(Colour c);

// Appends the program's sixteen entries; the first is the palette's colour of the moment.
void couleurs_perso(CouleursPerso& dialogue, Colour couleur_palette);

}  // namespace orvane
