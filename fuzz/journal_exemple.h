#pragma once

// A small journal with every kind of entry: strokes whose settings, centre and colours
// change, strokes that drew random values (of one lineage, then of another), the elliptic
// tool's figures, a dot and an embedded picture. The seeds of the journal fuzzer and the
// tests of the .orvane format start from it.
#include <memory>

#include "journal/journal_courant.h"

namespace orvane::exemple {

inline Journal journal_exemple() {
  JournalCourant j;
  Aleatoire aleatoire(7);
  j.ajouter(EntreeToile{64, 48, 0x102030});
  EntreeTrait t;
  t.a = {20, 20};
  t.b = {30, 24};
  t.couleur = 0x00FF80;
  t.largeur = 3;
  t.centre = {32, 24};
  t.reglages.nb_petales = 6;
  j.ajouter(t);
  t.a = t.b;
  t.b = {36, 30};
  t.reglages.symetrie = 1;
  t.reglages.ombre_1 = true;
  t.reglages.largeur_ombre = 4;
  j.ajouter(t);
  // Darkened crayon copies: their random values come from the generator.
  t.reglages = {};
  t.reglages.epaisseur_aleatoire = true;
  t.reglages.nb_petales = 5;
  t.couleur_crayon = 0x40C0F0;
  for (int i = 0; i < 3; ++i) {
    t.a = t.b;
    t.b = {40 + i, 10 + 3 * i};
    t.tirage = j.tirage(aleatoire);
    aleatoire.avancer(5);
    j.ajouter(t);
  }
  aleatoire.semer(99);
  t.tirage = j.tirage(aleatoire);
  t.a = {5, 40};
  j.ajouter(t);
  // A fill at a point, in the paint colour.
  t.tirage = {};
  t.reglages = {};
  t.reglages.peindre_dessiner = 1;
  t.reglages.symetrie = 3;
  t.couleur_peinture = 0x0000FF;
  t.a = t.b = {10, 10};
  j.ajouter(t);
  j.ajouter(EntreeEllipse{8, 8, 12, 12, R2_COPYPEN, 0xFFFFFF, 2, 0x808080, BrushStyle::Solid});
  j.ajouter(EntreeLigne{{1, 2}, {50, 40}, R2_XORPEN, 0xFF00FF, 1});
  j.ajouter(EntreeArc{{10, 40}, {30, 40}, {30, 20}, R2_COPYPEN, 0xFFFF00, 2, {}});
  j.ajouter(EntreeArc{{40, 40}, {60, 40}, {60, 20}, R2_COPYPEN, 0xFF8000, 1, {true, false, 3}});
  auto image = std::make_shared<Bitmap>(7, 5, 0x00AA00);
  image->setPixel(3, 2, 0xFFFFFF);
  j.ajouter(EntreeImage{image});
  t.reglages = {};
  t.a = {0, 0};
  t.b = {63, 47};
  t.mode = R2_NOTXORPEN;
  j.ajouter(t);
  return j.journal();
}

}  // namespace orvane::exemple
