#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <array>
#include <memory>
#include <set>

#include "persistence/anneau_en_memoire.h"
#include "persistence/fichier_bmp.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace orvane {

// The ring of ten snapshot files ~100.bmp .. ~109.bmp in the program's directory, giving
// undo and redo over the canvas. Only the ring position is kept; the files stay on disk
// between runs and are reached again by stepping.
class HistoriqueImages {
 public:
  static constexpr int kTailleAnneau = 10;

  explicit HistoriqueImages(QString repertoire_programme);

  // Captions for the window: Label6 gets "save " + path, Label5 "load " + path.
  std::function<void(const QString&)> legende_sauvegarde;
  std::function<void(const QString&)> legende_chargement;
  // Called once a picture has been read, just before it is painted over the canvas.
  std::function<void()> avant_peinture;
  // Called once it is painted, with its path and the picture.
  std::function<void(const QString&, std::shared_ptr<const Bitmap>)> peinte;
  // Shows a warning the ring goes on after: something other than a file in a place of
  // the ring, said once per place and run.
  std::function<void(const QString&)> avertissement;

  int indice_historique() const { return indice_historique_; }
  const QString& nom_instantane() const { return nom_instantane_; }
  const QString& repertoire_programme() const { return repertoire_programme_; }

  // The snapshot file of ring position 0..9.
  QString fichier_instantane(int position) const;

  // Writes the next snapshot. A place taken by something that is not a file (a directory,
  // a named pipe) is passed over with a warning, the snapshot going to the place after it.
  // Throws ErreurFichier if it cannot be written; the ring position then stays where it
  // was and the file of the next position is untouched.
  void wb(const Bitmap& image);

  // wb in two halves, so that the window goes on while files are written. The first
  // moves the ring on and queues the picture, kept in memory, for its file; it never waits,
  // and throws only when no place of the ring can take a file. The second waits for every
  // queued write and takes their outcome as bilan_ecritures does.
  void commencer_wb(Bitmap image);
  bool finir_wb();
  // Takes the outcome of the writes ended so far, without waiting: throws the error of one
  // that failed, the ring moved back as wb does; otherwise says whether a write ended well
  // since it was last asked. A failed write takes the writes queued behind it with it.
  bool bilan_ecritures();
  // Called on the writing thread each time a write has ended, well or not.
  std::function<void()> ecriture_terminee;
  // Called on the window's thread with each place a write failed to fill.
  std::function<void(int place)> ecriture_echouee;
  // What writes a snapshot file; a test may put a slow disk in its place.
  std::function<void(const QString&, const Bitmap&)> ecrire_image = ecrire_fichier_bmp;
  // What reads a picture file; a test may count the reads.
  std::function<Bitmap(const QString&)> lire_image = lire_fichier_bmp;

  // Paints a BMP file at (0, 0) of the canvas at its own size. A missing file is ignored,
  // and so is anything but a regular file, with a warning and without opening it; a file
  // that cannot be read throws and leaves the canvas unchanged.
  void lire_bmp(const QString& chemin, Canvas& canvas);

  // One step back: paints the current position, then moves back (9 after 0).
  // Nothing before the first snapshot or step forward of the run.
  void affiche_fic_precedent(Canvas& canvas);
  // One step forward: moves on (0 after 9), then paints that position.
  // Both take the picture from memory while its file still holds it, and never wait for a
  // write.
  void affiche_fic_suivant(Canvas& canvas);

 private:
  QString repertoire_programme_;
  int indice_historique_ = -1;  // -1: nothing written or shown yet in this run
  QString nom_instantane_;
  std::set<QString> avertis_;  // paths already warned about
  // Where the ring stood before the last snapshot queued for each place.
  struct Avant {
    int indice = -1;
    QString nom;
  };
  std::array<Avant, kTailleAnneau> avant_{};
  std::unique_ptr<AnneauEnMemoire> memoire_ = std::make_unique<AnneauEnMemoire>(kTailleAnneau);
  std::exception_ptr erreur_ecriture_;  // a write that failed, not reported yet
  bool ecriture_reussie_ = false;       // a write that ended well, not said yet

  void avertir_une_fois(const QString& chemin, const QString& texte);
  // Takes the ended writes; a failed one moves the ring back and keeps its error.
  void prendre_issues();
  // The picture in a file, or null where there is none to paint (warned about if need be).
  std::shared_ptr<const Bitmap> image_du_fichier(const QString& chemin);
  // The picture of a place: from memory while its file holds it, else read and kept.
  std::shared_ptr<const Bitmap> image_de_place(int place);
  void peindre(const QString& chemin, std::shared_ptr<const Bitmap> image, Canvas& canvas);
  // Throws the error kept, or says whether a write ended well since last asked.
  bool rendre_bilan();
};

}  // namespace orvane
