#pragma once

#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "persistence/image_compacte.h"
#include "persistence/signature_fichier.h"
#include "platform/bitmap.h"

namespace orvane {

// The pictures of the snapshot ring kept in memory beside their files, and the threads that
// fold them (ImageCompacte) and write them. A place's picture is written after those queued
// before it; a newer picture for a place whose write has not begun takes its turn, the older
// one having left the ring, so the queue never holds more than one picture a place. The
// files stay the truth: a picture is given back only while it waits for its write, or while
// its file has the signature it had once written or read.
class AnneauEnMemoire {
 public:
  using Ecrire = std::function<void(const QString&, const Bitmap&)>;

  explicit AnneauEnMemoire(int places);
  // Writes what is queued, unless a write failed, then stops the threads.
  ~AnneauEnMemoire();
  AnneauEnMemoire(const AnneauEnMemoire&) = delete;
  AnneauEnMemoire& operator=(const AnneauEnMemoire&) = delete;

  // Queues `image` for the file `chemin` of `place`, written with `ecrivain`; `fin` is called
  // on the thread once that write has ended. Never waits.
  void ecrire(int place, const QString& chemin, std::shared_ptr<const Bitmap> image,
              Ecrire ecrivain, std::function<void()> fin);

  // The picture of `place`, whose file is `chemin`, if memory still holds what the file
  // holds or will hold; otherwise null, and the file is to be read.
  std::shared_ptr<const Bitmap> image(int place, const QString& chemin) const;
  // Keeps a picture read from the file of `place`, which had `signature` while it was read.
  void retenir(int place, std::shared_ptr<const Bitmap> image, const SignatureFichier& signature);

  struct Bilan {
    bool reussite = false;            // a write ended well
    std::exception_ptr erreur;        // the write that failed, if one did
    int place_echouee = -1;
    std::vector<int> abandonnees;     // places queued behind it, not written
  };
  // The outcome of the writes ended since the last call. A failed write stops the queue
  // until it is taken here: the pictures queued behind it are dropped with it, and those
  // places are left to their files.
  Bilan recueillir();
  // Waits until nothing is left to write or a write has failed.
  void attendre();

 private:
  struct Place {
    std::shared_ptr<const Bitmap> brute;  // not folded yet
    std::shared_ptr<const ImageCompacte> compacte;
    std::optional<SignatureFichier> signature;  // of the file once it holds this picture
    std::uint64_t version = 0;                  // changes with the picture
    bool en_file = false;
    bool pliage_rate = false;  // no memory to fold it: kept as it is
    QString chemin;
    Ecrire ecrivain;
    std::function<void()> fin;
  };
  struct Issue {
    int place;
    std::exception_ptr erreur;
  };

  mutable std::mutex m_;
  std::condition_variable cv_;
  std::vector<Place> places_;
  std::deque<int> file_;  // places waiting for their write, in order
  int en_cours_ = -1;     // the place being written
  bool arret_ = false;    // a write failed and is not taken yet
  bool fin_ = false;
  std::vector<Issue> issues_;
  // Folding never waits for the disk, so that pictures queued behind a slow write are held
  // folded.
  std::thread fil_pliage_;
  std::thread fil_ecriture_;

  void boucle_pliage();
  void boucle_ecriture();
  bool a_plier() const;
  void plier(std::unique_lock<std::mutex>& verrou);
  void ecrire_premiere(std::unique_lock<std::mutex>& verrou);
  static void oublier(Place& p);
};

}  // namespace orvane
