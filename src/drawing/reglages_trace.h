#pragma once

#include "platform/colour.h"

namespace orvane {

// Palette settings a stroke reads, taken from the controls at the moment of the call.
// Numbers the call does not need (the spiral without "Spirale", the shadow width without a
// shadow) may be left at their defaults by the caller.
struct ReglagesTrace {
  int symetrie = 0;          // 0 rosace, 1 vitrail, 2 miroir vertical, 3 4 quarts, 4 unique
  int type_trace = 0;        // 0 crayon .. 5 délié elliptique; 4 losanges adds mirrors
  int peindre_dessiner = 0;  // 0 dessiner, 1 peind tant que, 2 peind j'usqu'à
  int nb_petales = 1;        // already at least 1
  bool spirale = false;
  int tours = 1;             // number in Edit4, read only with the spiral
  int facteur_milliemes = 1000;  // number in Edit5, read only with the spiral
  bool epaisseur_aleatoire = false;
  int epaisseur = 1;         // number in Edit3
  bool ombre_1 = false;
  bool ombre_2 = false;
  int largeur_ombre = 12;    // number in Edit7, read only with a shadow
  int epaisseur_ombre = 2;   // the pen width of each shadow line (wider in a re-drawing)
  int pas_ombre = 1;         // pixels from one shadow line to the next, both ways
  // A re-drawing at scale K: the copies' end points fall where scale 1 rounds them, on the
  // points K p + `origine_grille` of the scale-1 pixels p (the middle of p's block; K / 2
  // further for a line of even width), so that a fill starts from the block of the pixel it
  // started from at scale 1 and lines cover the blocks of the pixels they covered.
  int echelle_grille = 1;
  int origine_grille = 0;
  int nombre_clones = 1;
  int largeur_ecran = 1920;  // W: the screen's width, not the picture's
  bool operator==(const ReglagesTrace&) const = default;
};

// Drawing state a stroke reads and changes.
struct EtatTrace {
  int centre_x = 0;
  int centre_y = 0;
  Colour couleur_crayon = 0x008000;
  Colour couleur_peinture = 0xFFFF00;
  // The pencil colour as last split for the darkening.
  int rouge_crayon = 0;
  int vert_crayon = 0;
  int bleu_crayon = 0;
};

}  // namespace orvane
