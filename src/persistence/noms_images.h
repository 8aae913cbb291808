#pragma once

#include <QString>

namespace orvane {

// The n-th numbered name of a picture name: its base, "_", n and its extension (the text
// from the last "." of the file name, dot included, possibly empty): image.bmp gives
// image_1.bmp, photo gives photo_1.
QString nom_numerote(const QString& nom, int n);

// The path with ".bmp" appended when it holds no "." anywhere.
QString avec_extension_bmp(const QString& chemin);

// The directory of a file's path, without a trailing "/" except for the root.
QString repertoire_du_fichier(const QString& chemin);

}  // namespace orvane
