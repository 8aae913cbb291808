#pragma once

#include <QString>

#include "persistence/codage_lignes.h"
#include "persistence/erreur_fichier.h"
#include "platform/bitmap.h"

namespace orvane {

// The errors of picture files, naming the file and the reason in one French sentence.
[[noreturn]] void refuser_lecture(const QString& chemin, const QString& raison);
[[noreturn]] void refuser_ecriture(const QString& chemin, const QString& raison);

// Writes the picture in one of Qt's formats ("bmp", "png", ...). The file is replaced
// atomically (EcritureAtomique): on any failure the previous file of that name stays as it
// was, and ErreurFichier gives the real cause (a full disk says so); std::bad_alloc when
// memory runs short. Anything but a regular file standing at the path is refused and left
// alone. PNG, JPEG and BMP are written row by row from the bitmap, with no copy of it.
void ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format);

// The same, telling the rows written (none first; for other formats than PNG, JPEG and BMP
// only at their end) and giving up as soon as `progres` says so: returns false then, and
// nothing was written.
bool ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format,
                           const ProgresEcriture& progres);

}  // namespace orvane
