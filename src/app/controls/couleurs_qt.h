#pragma once

#include <QColor>

#include "platform/colour.h"

namespace orvane {

inline QColor vers_qcolor(Colour c) { return QColor(rouge(c), vert(c), bleu(c)); }
inline Colour depuis_qcolor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

// Named colours of the palette's description.
inline constexpr Colour clBlack = 0x000000;
inline constexpr Colour clWhite = 0xFFFFFF;
inline constexpr Colour clMaroon = 0x000080;
inline constexpr Colour clRed = 0x0000FF;
inline constexpr Colour clOlive = 0x008080;
inline constexpr Colour clGray = 0x808080;
inline constexpr Colour clSilver = 0xC0C0C0;

}  // namespace orvane
