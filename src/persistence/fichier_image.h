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

// The format a file of this name is written in: its extension's when Qt writes that format
// (".png", ".jpg", ...), in lower case; else "bmp".
QString format_ecrit(const QString& nom);

// Writes the picture in format_ecrit(chemin): BMP bytes under another format's name would
// be a wrong file. The file is replaced atomically; throws ErreurFichier, the previous file
// kept, on failure.
void enregistrer_image(const QString& chemin, const Bitmap& image);

// The open dialog's filter: journals and every picture format Qt reads, then journals
// alone, then every file.
QString filtre_images_lisibles();

// The save dialog's filter: `format` first (the proposed name's, from format_ecrit), then
// every format enregistrer_image writes by its extension.
QString filtre_images_ecrites(const QString& format);

}  // namespace orvane
