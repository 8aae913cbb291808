#pragma once

#include <QString>

namespace orvane {

// Empty when a picture of that size, decoded at that depth, fits within the memory Qt
// allows a decoder (its allocation limit) and the program's 32-bit canvas alike; otherwise
// "image trop grande (...)" giving the size, the memory it needs and the limit.
QString refus_taille_image(qint64 largeur, qint64 hauteur, int bits_par_pixel);

}  // namespace orvane
