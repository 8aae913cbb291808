#pragma once

#include <QImage>

#include "platform/bitmap.h"

namespace orvane {

// Pixels between Qt's pictures and the program's bitmaps (0x00BBGGRR).
Bitmap vers_bitmap(const QImage& source);
QImage vers_qimage(const Bitmap& source);

}  // namespace orvane
