#include "colour/couleurs_perso.h"

#include <cstdio>

namespace orvane {

std::string cle_case(int case_perso) {
  return std::string("Color") + static_cast<char>('A' + case_perso);
}

std::string texte_hexa(Colour c) {
  char texte[16];
  std::snprintf(texte, sizeof texte, "%06X", static_cast<unsigned>(c));
  return texte;
}

namespace {

// The entry's value read as hexadecimal, or kCaseSansCouleur.
Colour valeur_hexa(const std::string& texte) {
  if (texte.empty() || texte.size() > 8) return kCaseSansCouleur;
  Colour valeur = 0;
  for (const char c : texte) {
    int chiffre;
    if (c >= '0' && c <= '9') chiffre = c - '0';
    else if (c >= 'A' && c <= 'F') chiffre = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') chiffre = c - 'a' + 10;
    else return kCaseSansCouleur;
    valeur = valeur << 4 | static_cast<Colour>(chiffre);
  }
  return valeur;
}

}  // namespace

CasesPerso CouleursPerso::cases() const {
  CasesPerso resultat;
  resultat.fill(kCaseSansCouleur);
  std::array<bool, 16> trouvee{};
  for (const std::string& entree : CustomColors) {
    for (int i = 0; i < 16; ++i) {
      const std::string cle = cle_case(i) + "=";
      if (trouvee[static_cast<size_t>(i)] || entree.compare(0, cle.size(), cle) != 0) continue;
      resultat[static_cast<size_t>(i)] = valeur_hexa(entree.substr(cle.size()));
      trouvee[static_cast<size_t>(i)] = true;
    }
  }
  return resultat;
}

void CouleursPerso::ecrire_cases(const CasesPerso& cases) {
  CustomColors.clear();
  for (int i = 0; i < 16; ++i)
    CustomColors.push_back(cle_case(i) + "=" + texte_hexa(cases[static_cast<size_t>(i)]));
}

void couleurs_perso(CouleursPerso& dialogue, Colour couleur_palette) {
  std::vector<std::string>& l = dialogue.CustomColors;
  l.push_back("ColorA=" + texte_hexa(couleur_palette));
  l.push_back("ColorB=DAFEE7");
  l.push_back("ColorC=D9FAFF");
  l.push_back("ColorD=FFE0B3");
  const Colour suite[] = {
      RGB(253, 234, 225), RGB(236, 225, 253), RGB(251, 225, 253), RGB(255, 245, 221),
      RGB(255, 128, 64),  RGB(255, 240, 138), RGB(100, 193, 255), RGB(106, 196, 255),
      RGB(250, 198, 173), RGB(220, 200, 251), RGB(183, 251, 249), RGB(245, 216, 176),
  };
  for (int i = 0; i < 12; ++i)
    l.push_back(cle_case(4 + i) + "=" + texte_hexa(suite[i]));
}

}  // namespace orvane
