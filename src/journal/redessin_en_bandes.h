#pragma once

#include <barrier>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "journal/entrees.h"
#include "journal/progres_bandes.h"
#include "journal/remplissage_echelle.h"
#include "journal/redessin.h"
#include "journal/temoin_echelle_un.h"
#include "journal/temoin_en_avance.h"
#include "journal/veille_redessin.h"
#include "platform/bitmap.h"

namespace orvane {

// Draws entries at a scale on `fils` threads, one band of rows each. Every band draws every
// entry clipped to its rows, in order, so each pixel sees the same paints in the same order
// as on one thread and the picture is the same bit for bit. A fill reads across bands: the
// bands meet, its seams are taken alone, then each band paints its rows of the region. Above
// scale 1 the witness at scale 1 that tells the fills their regions draws alongside the
// bands, on a thread of its own ahead of them when there are several.
class RedessinEnBandes {
 public:
  RedessinEnBandes(int echelle, int fils);
  ~RedessinEnBandes();
  RedessinEnBandes(const RedessinEnBandes&) = delete;
  RedessinEnBandes& operator=(const RedessinEnBandes&) = delete;

  // Watches the drawing of `entrees`, given afterwards to appliquer in one or more parts,
  // reporting to `progres` (kept by the caller), which may stop it.
  void surveiller(const ProgresRedessin& progres, std::span<const Entree> entrees);
  // Draws the entries after those drawn before; `derniers` when no entry will follow them.
  // Throws DessinInterrompu when the watch asked to stop, leaving the picture half drawn.
  void appliquer(std::span<const Entree> entrees, bool derniers = false);
  // Tells the watch that every entry is drawn.
  void finir();

  Bitmap& image() { return image_; }

 private:
  // Draws entries that only paint, every band at once; the witness follows them when
  // `suivre`, unless it is ahead on its own thread.
  void peindre(std::span<const Entree> lot, bool suivre);
  // Draws an entry that reads the picture across bands, or makes it, alone.
  void seul(const Entree& entree);
  void dessiner_bande(std::size_t bande, std::span<const Entree> lot);
  // Runs `tache` for every band on its thread; throws what any of them threw, or
  // DessinInterrompu when the watch asked to stop.
  void en_bandes(const std::function<void(std::size_t bande)>& tache);
  // The bands, for a step that runs a task on each, at once.
  PourChaqueBande en_parallele();
  // Under a catch: keeps the first error and stops every band.
  void noter_erreur();
  void travailler(std::size_t bande);
  void lancer_fils();

  int echelle_;
  Bitmap image_;
  std::vector<std::unique_ptr<Redessin>> bandes_;
  std::unique_ptr<TemoinEchelleUn> temoin_;  // above scale 1 only
  std::unique_ptr<TemoinEnAvance> avance_;   // the witness's thread, with several bands
  ZoneRemplissage zone_;                     // a fill's zone, with one band

  std::optional<ProgresBandes> progres_;
  std::vector<ProgresRedessin> rapports_;  // one per band, into progres_
  std::vector<std::unique_ptr<VeilleRedessin>> veilles_;

  // A fill's seams taken by each band, the steps its flood left at the bands' edges, and
  // what the flood took across them; kept from one fill to the next.
  std::vector<std::vector<PriseCouture>> prises_, bords_;
  std::vector<PriseCouture> bord_, prises_bords_;

  // The band threads wait at the barrier for a task, run it and meet there again.
  std::vector<std::thread> fils_;
  std::optional<std::barrier<>> rendez_vous_;
  const std::function<void(std::size_t)>* tache_ = nullptr;
  bool fin_ = false;
  std::mutex erreur_mutex_;
  std::exception_ptr erreur_;
};

}  // namespace orvane
