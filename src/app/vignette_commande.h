#pragma once

#include <QImage>
#include <ostream>

#include "app/ligne_de_commande.h"
#include "app/redessin_commande.h"
#include "platform/bitmap.h"

namespace orvane {

// The picture reduced, each pixel the mean of those it covers, to fit a square of `taille`
// pixels with its proportions kept; a picture that fits already is kept as it is.
QImage vignette_de(const Bitmap& image, int taille);

// orvane --thumbnail: re-draws the journal at scale 1 and writes its thumbnail as PNG, as
// the desktop's thumbnailers are asked to. The journal may be named by a file:// address.
// Returns the exit status: 0, or 1 after one sentence on `erreurs`, no file then written.
int vignette_en_commande(const DemandeVignette& demande, const LectureDessin& lire,
                         std::ostream& erreurs);

}  // namespace orvane
