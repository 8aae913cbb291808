#pragma once

#include <QtGlobal>

namespace orvane {

// Whether a file runs on to the end its format marks: a PNG to its IEND chunk, a JPEG to
// its end-of-image marker. Qt opens a cut JPEG without a word, its missing part grey.
bool png_complet(const uchar* octets, qint64 taille);
bool jpeg_complet(const uchar* octets, qint64 taille);

}  // namespace orvane
