#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "drawing/arc_ellipse.h"
#include "journal/entrees.h"
#include "journal/veille_redessin.h"
#include "platform/aleatoire.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace orvane {

class Journal;
class TemoinEchelleUn;

// Scales a journal may be re-drawn at, and the largest picture a re-drawing may make.
inline constexpr int kEchelleMin = 1;
inline constexpr int kEchelleMax = 16;
inline constexpr std::int64_t kPixelsMaxRedessin = 1'000'000'000;

// Threads a re-drawing may use; the default takes every core.
inline constexpr int kFilsMin = 1;
inline constexpr int kFilsMax = 256;
int fils_par_defaut();

// The entries a re-drawing draws: nothing before the last new canvas shows.
std::span<const Entree> entrees_a_dessiner(const Journal& journal);

// Re-draws the journal at `echelle` into `sortie`, whose size becomes the journal's canvas
// size times `echelle`, on `fils` threads (the same picture whatever their number). Returns
// false when `progres` asked to stop, which it is asked at each entry and every so often
// within one (sortie then undefined). Any scale from 1 is drawn; the callers keep to the
// limits above.
bool redessiner(const Journal& journal, int echelle, Bitmap& sortie,
                const ProgresRedessin& progres, int fils = fils_par_defaut());

// Draws entries one after the other at a scale, on a canvas of its own. Above scale 1, a
// stroke of fills fills the blocks of what it filled at scale 1, drawn alongside.
class Redessin {
 public:
  explicit Redessin(int echelle);
  // Band `bande` of `bandes` of a picture drawn by several: a new canvas paints rows of
  // `image`, which the caller sizes and fills beforehand, and strokes of fills above
  // scale 1 are left to the caller.
  Redessin(int echelle, Bitmap& image, int bande, int bandes);
  ~Redessin();

  void appliquer(const Entree& entree);
  Canvas& toile() { return toile_; }
  // The watch over every canvas the entries make from now on.
  void surveiller(Veille* veille);
  // Takes up where `autre` stands (generator, pen, brush, position) after entries that only
  // it drew.
  void reprendre_etat(const Redessin& autre);

 private:
  void tracer(const EntreeTrait& e);
  void positionner(const TirageTrait& tirage);

  int echelle_;
  Bitmap* partage_ = nullptr;  // a band's picture
  int bande_ = 0, bandes_ = 1;
  Veille* veille_ = nullptr;
  Canvas toile_;
  int largeur_ = 0, hauteur_ = 0;  // the canvas at scale 1
  TableQuart sinus_{}, cosinus_{};
  Aleatoire generateur_{0};
  // Where the generator stands: its lineage and its steps from the lineage's start.
  std::uint64_t lignee_ = 0;
  std::uint64_t pas_lignee_ = 0;
  std::unique_ptr<TemoinEchelleUn> temoin_;  // above scale 1 only
};

}  // namespace orvane
