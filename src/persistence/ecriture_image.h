#pragma once

#include <QString>
#include <functional>

#include "persistence/erreur_fichier.h"
#include "platform/bitmap.h"

namespace orvane {

// The errors of picture files, naming the file and the reason in one French sentence.
[[noreturn]] void refuser_lecture(const QString& chemin, const QString& raison);
[[noreturn]] void refuser_ecriture(const QString& chemin, const QString& raison);

// Writes the picture in one of Qt's formats ("bmp", "png", ...). The file is replaced
// atomically: on any failure the previous file of that name stays as it was, and
// ErreurFichier gives the real cause (a full disk says so). Anything but a regular file
// standing at the path is refused and left alone.
void ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format);

// The same, giving up as soon as `continuer` says so, while the picture is encoded or just
// before the file is replaced: returns false then, and nothing was written.
bool ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format,
                           const std::function<bool()>& continuer);

}  // namespace orvane
