#pragma once

#include <cstdint>
#include <functional>

#include "platform/bitmap.h"

namespace orvane {

class Journal;

// Scales a journal may be re-drawn at, and the largest picture a re-drawing may make.
inline constexpr int kEchelleMin = 1;
inline constexpr int kEchelleMax = 16;
inline constexpr std::int64_t kPixelsMaxRedessin = 1'000'000'000;

// Progress of a re-drawing: `fait` steps of `total` done; returns false to cancel.
using ProgresRedessin = std::function<bool(std::int64_t fait, std::int64_t total)>;

// Re-draws the journal at `echelle` into `sortie`, whose size becomes the journal's canvas
// size times `echelle`. Returns false when `progres` asked to stop (sortie then undefined).
bool redessiner(const Journal& journal, int echelle, Bitmap& sortie,
                const ProgresRedessin& progres);

}  // namespace orvane
