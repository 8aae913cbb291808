#pragma once

#include <QFile>
#include <QString>

#include "persistence/erreur_fichier.h"
#include "platform/bitmap.h"

namespace orvane {

// Reads any BMP file Qt can decode (every bit depth, RLE, OS/2 headers, top row first).
// Throws ErreurFichier naming the cause for a missing, unreadable or non-regular file, one
// that is not a BMP, damaged, truncated, oversized, or a valid variant Qt does not decode
// (named). Nothing but a regular file is ever opened.
Bitmap lire_fichier_bmp(const QString& chemin);

// The same for a file already opened, read from its start; `chemin` names it in messages.
Bitmap lire_bmp_ouvert(const QString& chemin, QFile& fichier);

// Writes an uncompressed 24-bit BMP. The file is replaced atomically: on any failure the
// previous file of that name stays as it was, and ErreurFichier is thrown.
void ecrire_fichier_bmp(const QString& chemin, const Bitmap& image);

}  // namespace orvane
