#pragma once

#include <QString>

#include "persistence/erreur_fichier.h"
#include "platform/bitmap.h"

namespace orvane {

// Reads a picture in any format Qt reads (BMP with the checks of lire_fichier_bmp).
// Throws ErreurFichier naming the file and the cause when it is missing, unreadable, not a
// regular file, not a picture, damaged, cut short (a JPEG too) or beyond Qt's decoding
// limit. Nothing but a regular file is ever opened.
Bitmap lire_fichier_image(const QString& chemin);

// Writes the picture as BMP, unless the name ends with the extension of another format Qt
// writes (".png", ".jpg", ...): BMP bytes under such a name would be a wrong file. The
// file is replaced atomically; throws ErreurFichier, the previous file kept, on failure.
void enregistrer_image(const QString& chemin, const Bitmap& image);

// The open dialog's filter: journals and every picture format Qt reads, then journals
// alone, then every file.
QString filtre_images_lisibles();

// The save dialog's filter: BMP first, then every format enregistrer_image writes by its
// extension.
QString filtre_images_ecrites();

}  // namespace orvane
