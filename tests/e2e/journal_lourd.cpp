// journal_lourd OUTPUT WIDTH HEIGHT STROKES: writes a journal of a WIDTH x HEIGHT canvas and
// STROKES heavy strokes (a rosace of 100 petals, a spiral of 50 turns, a wide pen and a
// shadow), which takes seconds to draw: the end-to-end tests open it in the window.
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

#include "persistence/fichier_journal.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: journal_lourd OUTPUT WIDTH HEIGHT STROKES\n");
    return 2;
  }
  const int largeur = std::atoi(argv[2]), hauteur = std::atoi(argv[3]);
  const int traits = std::atoi(argv[4]);
  using namespace orvane;
  std::vector<Entree> entrees{EntreeToile{largeur, hauteur, 0}};
  EntreeTrait t;
  t.largeur = 9;
  t.centre = {largeur / 2, hauteur / 2};
  t.reglages.nb_petales = 100;
  t.reglages.spirale = true;
  t.reglages.tours = 50;
  t.reglages.facteur_milliemes = 995;
  t.reglages.ombre_1 = true;
  t.reglages.largeur_ombre = 12;
  for (int i = 0; i < traits; ++i) {
    t.couleur = RGB(100 + i * 37 % 156, 255 - i * 11 % 200, 60 + i * 53 % 196);
    t.a = {largeur / 2 + 20 + i % 200, hauteur / 2 - 150 + i % 50};
    t.b = {largeur / 2 + 40 + i % 150, hauteur / 2 - 100 + i % 70};
    entrees.push_back(t);
  }
  try {
    ecrire_journal(QString::fromLocal8Bit(argv[1]), Journal(std::move(entrees)));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "journal_lourd: %s\n", e.what());
    return 1;
  }
  return 0;
}
