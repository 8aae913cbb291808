#include "journal/trait_enregistre.h"

#include <utility>

namespace orvane {

void tracer_et_enregistrer(Canvas& toile, JournalCourant& journal, Aleatoire& aleatoire,
                           EtatTrace& etat, const ReglagesTrace& reglages, Point a, Point b,
                           Colour couleur) {
  EntreeTrait entree{a, b, toile.pen.mode, couleur, toile.pen.width, reglages,
                     {etat.centre_x, etat.centre_y}, etat.couleur_crayon,
                     etat.couleur_peinture, {}};
  const TirageTrait tirage = journal.tirage(aleatoire);
  const std::uint64_t pas = aleatoire.pas();
  trace_copies(toile, reglages, aleatoire, etat, a, b, couleur);
  if (aleatoire.pas() != pas) entree.tirage = tirage;
  journal.ajouter(std::move(entree));
}

}  // namespace orvane
