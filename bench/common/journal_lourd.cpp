#include "common/journal_lourd.h"

#include <fstream>
#include <string>

#include "colour/coloriage_aleatoire.h"
#include "journal/trait_enregistre.h"

namespace orvane::banc {

ReglagesTrace reglages_lourds() {
  ReglagesTrace r;
  r.nb_petales = 24;
  r.epaisseur = 10;
  r.spirale = true;
  r.tours = 20;
  r.facteur_milliemes = 975;
  r.ombre_1 = true;
  r.largeur_ombre = 12;
  r.largeur_ecran = kLargeur;
  return r;
}

Dessinateur::Dessinateur() {
  journal.ajouter(EntreeToile{kLargeur, kHauteur, 0});
  etat.centre_x = kLargeur / 2;
  etat.centre_y = kHauteur / 2;
}

void Dessinateur::trace(const ReglagesTrace& r, Point a, Point b, int mode, Colour couleur) {
  toile.pen.mode = mode;
  toile.pen.color = couleur;
  toile.pen.width = epaisseur_du_trait(aleatoire, r.epaisseur_aleatoire, r.epaisseur,
                                       toile.pen.width);
  tracer_et_enregistrer(toile, journal, aleatoire, etat, r, a, b, couleur);
}

Journal journal_de(const ReglagesTrace& r, int mouvements, bool remplissages) {
  Dessinateur d;
  std::mt19937 hasard(9);
  Colour crayon = 0x40A0FF;
  traits(hasard, 200, mouvements, [&](int t, Point a, Point b) {
    d.trace(r, a, b, R2_COPYPEN, crayon + static_cast<Colour>(t * 977));
  });
  if (!remplissages) return d.journal.journal();
  ReglagesTrace remplir = reglages_lourds();
  remplir.peindre_dessiner = 1;
  remplir.spirale = false;
  for (int i = 0; i < 20; ++i) {
    d.etat.couleur_peinture = static_cast<Colour>(hasard() & 0xFFFFFF);
    const Point p{static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
    d.trace(remplir, p, p, R2_COPYPEN, crayon);
  }
  Colour peinture = 0;
  EnvironnementColoriage env;
  env.couleur_aleatoire = [&] { return static_cast<Colour>(hasard() & 0xFFFFFF); };
  env.remplir = [&](Point p, Colour c) {
    d.etat.couleur_peinture = c;
    d.trace(remplir, p, p, R2_COPYPEN, c);
  };
  env.pointeur = [] { return Point{7, 3}; };
  env.montrer_peinture = [](Colour) {};
  env.legende_x = env.legende_y = [](const std::string&) {};
  env.arret_demande = [] { return false; };
  parcours_en_ligne(d.toile, d.etat.centre_y, peinture, env);
  return d.journal.journal();
}

Journal journal_lourd(int mouvements) { return journal_de(reglages_lourds(), mouvements); }

void remettre_pic() { std::ofstream("/proc/self/clear_refs") << "5"; }
double pic_memoire() {
  std::ifstream statut("/proc/self/status");
  std::string ligne;
  while (std::getline(statut, ligne)) {
    if (ligne.rfind("VmHWM:", 0) == 0) return std::stod(ligne.substr(6)) * 1024;
  }
  return 0;
}

}  // namespace orvane::banc
