#pragma once

#include <QFontMetrics>
#include <QString>

namespace orvane {

// The path as it fits in `largeur` pixels: whole, or its last components after "…/", or
// at worst the end of its last component after "…".
QString chemin_abrege(const QString& chemin, const QFontMetrics& mesure, int largeur);

}  // namespace orvane
