#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>
#include <utility>

namespace orvane {

// The smallest file length a BMP header promises, from its first bytes (at least 54 of
// them, fewer for a short OS/2 header) and the picture size Qt read from it. Qt accepts
// some truncated files and leaves the missing pixels uninitialised, so a shorter file is
// refused before decoding. Returns 0 when the header promises nothing checkable.
qint64 longueur_minimale_bmp(const QByteArray& debut, QSize taille);

// The width and height the header states, whatever Qt makes of them; nothing when the
// header is too short to say.
std::optional<std::pair<qint64, qint64>> dimensions_entete_bmp(const QByteArray& debut);

}  // namespace orvane
