#pragma once

#include <QImage>
#include <QImageReader>
#include <QString>

#include "platform/bitmap.h"

namespace orvane {

// Pixels between Qt's pictures and the program's bitmaps (0x00BBGGRR). Short of memory,
// vers_bitmap throws std::bad_alloc and vers_qimage gives a null picture, as Qt does.
Bitmap vers_bitmap(const QImage& source);
QImage vers_qimage(const Bitmap& source);

// Why Qt's reader failed, in French: its own reasons are English.
QString raison_lecteur(const QImageReader& lecteur);

}  // namespace orvane
