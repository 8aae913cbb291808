#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

// The name of a valid BMP variant that Qt's reader does not decode ("2 bits par pixel",
// "compression RLE24", "image JPEG incluse", "en-tête de 52 octets"...), from the file's
// first bytes (at least 34 of them); empty when the header is none of those.
QString variante_bmp_non_lue(const QByteArray& debut);

}  // namespace orvane
