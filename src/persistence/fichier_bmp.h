#pragma once

#include <QString>

#include "persistence/erreur_fichier.h"
#include "platform/bitmap.h"

namespace orvane {

// Reads any BMP file Qt can decode (every bit depth, RLE, OS/2 headers). Throws
// ErreurFichier for a missing, unreadable, non-BMP, damaged, truncated or oversized file.
Bitmap lire_fichier_bmp(const QString& chemin);

// Writes an uncompressed 24-bit BMP. The file is replaced atomically: on any failure the
// previous file of that name stays as it was, and ErreurFichier is thrown.
void ecrire_fichier_bmp(const QString& chemin, const Bitmap& image);

}  // namespace orvane
