#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace orvane {

// The replacement of one file, written in pieces. The bytes go to an unnamed temporary file
// in the file's directory where the file system offers one (Linux's O_TMPFILE: ext4, XFS,
// Btrfs, tmpfs), so that a process killed in the middle, even by SIGKILL, leaves nothing;
// elsewhere to a named temporary ".orvane-tmp-<process id>-XXXXXX" beside it, which
// giving up removes, and which the start-up clean-up or a signal's handler
// (supprimer_temporaires_en_cours) removes after a kill. Once valider has flushed the
// bytes to the disk, the new file takes the old one's place in one step: a failure or a
// kill at any moment leaves either the old file whole or the new one.
// Anything but a regular file standing at the path is refused untouched; through a
// symbolic link the file it points to is replaced, the link kept, its permissions kept.
class EcritureAtomique {
 public:
  explicit EcritureAtomique(const QString& chemin);
  // Without valider, nothing of the new file stays.
  ~EcritureAtomique();
  EcritureAtomique(const EcritureAtomique&) = delete;
  EcritureAtomique& operator=(const EcritureAtomique&) = delete;

  // Empty while all goes well; otherwise the first failure's cause in French.
  const QString& cause() const { return cause_; }
  // Appends bytes; false once anything failed (the cause then says why).
  bool ecrire(const char* octets, std::size_t longueur) noexcept;
  // For writers that go back over what they wrote (a film's index): where the next bytes
  // go, what was written read back, and the length so far. False or -1 once anything
  // failed (the cause then says why).
  bool aller_a(std::int64_t position) noexcept;
  std::int64_t relire(std::int64_t position, char* octets, std::size_t longueur) noexcept;
  std::int64_t longueur() noexcept;
  // Flushes to the disk and puts the new file in place. Returns empty, or the cause of the
  // failure (the old file then stays as it was).
  QString valider();

 private:
  bool vider() noexcept;
  bool echouer(int code) noexcept;
  void abandonner() noexcept;

  QByteArray cible_;       // the path replaced
  QByteArray temporaire_;  // the named temporary; empty when unnamed
  int fd_ = -1;
  int place_signal_ = -1;  // its place among the names a signal removes
  QString cause_;
  std::unique_ptr<char[]> tampon_;
  std::size_t rempli_ = 0;
};

// Replaces the file at `chemin` with `contenu` in one EcritureAtomique. Returns empty, or
// the cause of the failure in French (the old file then stays as it was).
QString ecrire_atomiquement(const QString& chemin, const QByteArray& contenu);

// Whether `nom` is the name of one of the named temporary files,
// ".orvane-tmp-<process id>-XXXXXX"; the process id that made it goes to `processus`.
bool est_temporaire_orvane(const QString& nom, qint64& processus);

// Whether unnamed temporaries are tried first (the default); a test turns them off to take
// the way of the file systems that have none.
void essayer_temporaires_sans_nom(bool oui);

// Removes the named temporary files of the writes now in progress. Safe in a signal
// handler: a process ended by a signal calls it before it goes.
void supprimer_temporaires_en_cours() noexcept;

}  // namespace orvane
