#pragma once

// The benchmarks' full-HD journals: heavy strokes, fills and a colouring pass, drawn and
// recorded as the window records them; and the process's peak memory.
#include <random>

#include "drawing/reglages_trace.h"
#include "drawing/trace_symetrique.h"
#include "journal/journal_courant.h"
#include "platform/aleatoire.h"
#include "platform/canvas.h"

namespace orvane::banc {

inline constexpr int kLargeur = 1920, kHauteur = 1080;

// The palette's start values with the spiral (20 turns at 975) and "ombre 1" at 12: 480
// copies of 12 lines each, as the mouse-move benchmark draws them.
ReglagesTrace reglages_lourds();

// Draws one call of the renderer on the canvas and records it, as the window does.
struct Dessinateur {
  Canvas toile{kLargeur, kHauteur, 0};
  JournalCourant journal;
  Aleatoire aleatoire{1};
  EtatTrace etat;

  Dessinateur();
  void trace(const ReglagesTrace& r, Point a, Point b, int mode, Colour couleur);
};

// Mouse-sized moves: a stroke wanders from a random start, 4 to 16 pixels a move.
template <class F>
void traits(std::mt19937& hasard, int nombre, int segments, F&& segment) {
  for (int t = 0; t < nombre; ++t) {
    Point p{static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
    for (int s = 0; s < segments; ++s) {
      const Point q{p.x + static_cast<int>(hasard() % 17) - 8,
                    p.y + static_cast<int>(hasard() % 17) - 8};
      segment(t, p, q);
      p = q;
    }
  }
}

// 200 strokes of `mouvements` moves, then, with `remplissages`, 20 fills at their points and
// the colouring pass along the centre's row, drawn and recorded.
Journal journal_de(const ReglagesTrace& r, int mouvements, bool remplissages = true);
Journal journal_lourd(int mouvements);

// The process's peak memory in bytes since `remettre_pic` (Linux's VmHWM).
void remettre_pic();
double pic_memoire();

}  // namespace orvane::banc
