#pragma once

#include <functional>
#include <string>

#include "platform/aleatoire.h"
#include "platform/canvas.h"

namespace orvane {

// What the random colouring pass asks of the window, each at the moment it is needed.
struct EnvironnementColoriage {
  // A fresh random colour under the palette's colour type.
  std::function<Colour()> couleur_aleatoire;
  // The symmetric renderer: a stroke of zero length at the point in the surface-fill mode,
  // filling the point and its symmetric images with the given paint colour.
  std::function<void(Point, Colour)> remplir;
  // The pointer position in canvas pixels, read afresh at every call.
  std::function<Point()> pointeur;
  // Shows a colour on the paint swatch (row walk only).
  std::function<void(Colour)> montrer_peinture;
  // The progress texts of the two labels.
  std::function<void(const std::string&)> legende_x;
  std::function<void(const std::string&)> legende_y;
  // Whether the user asked to stop; only the grid walk asks.
  std::function<bool()> arret_demande;
};

// "37 %": v against d in percent, rounded halves to even, never above 100.
std::string texte_pourcentage(long long v, long long d);

// Whether a symmetry mode takes the row walk: rosace and vitrail, whose renderer repeats
// every point around the centre, so one row through the centre meets every ring.
bool parcours_en_ligne_pour(int symetrie);

// Rosace and vitrail: samples every 25 pixels along the row of the centre, each one
// painted where its pixel differs from its fresh colour. `couleur_peinture` receives every
// colour drawn and is left as the walk leaves it.
void parcours_en_ligne(const Canvas& toile, int centre_y, Colour& couleur_peinture,
                       const EnvironnementColoriage& env);

// The other modes: a grid whose step (100 to 149) is drawn once from `aleatoire`; samples
// of the pencil colour are left alone so outlines keep their colour; visits points up to
// 10 pixels past the right and bottom edges, whose symmetric images may fall inside.
// Ends early when a stop is asked.
void parcours_en_grille(const Canvas& toile, Colour couleur_crayon, Colour& couleur_peinture,
                        Aleatoire& aleatoire, const EnvironnementColoriage& env);

}  // namespace orvane
