#include "persistence/ecriture_atomique.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <new>

#include "persistence/causes_fichier.h"

namespace orvane {

namespace {

// A marker no picture or settings name of the user's carries, and the writer's process,
// so that the clean-up at start can tell a leftover from a file another Orvane is writing.
const QString kPrefixeTemporaire = QStringLiteral(".orvane-tmp-");

std::atomic<bool> sans_nom_essaye{true};

// Bytes gathered before each write to the disk.
constexpr std::size_t kTailleTampon = std::size_t{1} << 16;

// The named temporaries now on disk, for a signal's handler: a place is free (0), being
// filled (1) or holds a name (2).
struct PlaceSignal {
  std::atomic<int> etat{0};
  char chemin[PATH_MAX];
};
constexpr int kPlacesSignal = 16;
PlaceSignal places_signal[kPlacesSignal];

int retenir_pour_signal(const QByteArray& chemin) {
  if (chemin.size() >= PATH_MAX) return -1;
  for (int i = 0; i < kPlacesSignal; ++i) {
    int libre = 0;
    if (!places_signal[i].etat.compare_exchange_strong(libre, 1)) continue;
    std::memcpy(places_signal[i].chemin, chemin.constData(), chemin.size() + 1);
    places_signal[i].etat.store(2);
    return i;
  }
  return -1;  // more writes at once than places: a start-up clean-up still removes it
}

void oublier_pour_signal(int& place) {
  if (place >= 0) places_signal[place].etat.store(0);
  place = -1;
}

QString suffixe_aleatoire() {
  static const char kSignes[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QString s;
  for (int i = 0; i < 6; ++i)
    s += QLatin1Char(kSignes[QRandomGenerator::global()->bounded(int(sizeof kSignes) - 1)]);
  return s;
}

QByteArray nom_temporaire(const QString& repertoire) {
  return QFile::encodeName(repertoire + u'/' + kPrefixeTemporaire +
                           QString::number(::getpid()) + u'-' + suffixe_aleatoire());
}

// Creates a named temporary file in `repertoire`; returns its descriptor, or -1 with errno
// set. Its name is given to a signal's handler before it exists.
int creer_temporaire_nomme(const QString& repertoire, QByteArray& nom, int& place) {
  for (int essai = 0; essai < 100; ++essai) {
    nom = nom_temporaire(repertoire);
    place = retenir_pour_signal(nom);
    const int fd = ::open(nom.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    const int code = errno;
    oublier_pour_signal(place);
    errno = code;
    if (code != EEXIST) return -1;
  }
  return -1;
}

// Gives the unnamed file `fd` the name `nom`; false with errno set.
bool nommer(int fd, const QByteArray& nom) {
  const QByteArray lien = "/proc/self/fd/" + QByteArray::number(fd);
  return ::linkat(AT_FDCWD, lien.constData(), AT_FDCWD, nom.constData(), AT_SYMLINK_FOLLOW) == 0;
}

// Puts the unnamed file `fd` at `cible`. Where nothing stands, it is linked there at once;
// otherwise linked under a hidden name first, then renamed over the old file (a link
// cannot replace one). False with errno set.
bool mettre_en_place(int fd, const QByteArray& cible, const QString& repertoire) {
  if (nommer(fd, cible)) return true;
  if (errno != EEXIST) return false;
  for (int essai = 0; essai < 100; ++essai) {
    const QByteArray nom = nom_temporaire(repertoire);
    int place = retenir_pour_signal(nom);
    if (!nommer(fd, nom)) {
      const int code = errno;
      oublier_pour_signal(place);
      errno = code;
      if (code == EEXIST) continue;
      return false;
    }
    const bool ok = ::rename(nom.constData(), cible.constData()) == 0;
    const int code = errno;
    if (!ok) ::unlink(nom.constData());
    oublier_pour_signal(place);
    errno = code;
    return ok;
  }
  return false;
}

}  // namespace

EcritureAtomique::EcritureAtomique(const QString& chemin) {
  // Through a symbolic link the file it points to is replaced, the link kept.
  const QFileInfo info(chemin);
  const QString cible = info.isSymLink() ? info.symLinkTarget() : chemin;
  cause_ = refus_remplacement(cible);
  if (!cause_.isEmpty()) return;
  cible_ = QFile::encodeName(cible);
  tampon_.reset(new char[kTailleTampon]);

  const QString repertoire = QFileInfo(cible).absolutePath();
  const QByteArray dossier = QFile::encodeName(repertoire);
  // The link into place goes through /proc: without it, a named temporary.
  if (sans_nom_essaye && ::access("/proc/self/fd", X_OK) == 0) {
    fd_ = ::open(dossier.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ < 0 && (errno == ENOENT || errno == ENOTDIR)) {
      cause_ = QStringLiteral("répertoire introuvable");
      return;
    }
  }
  // Refused by the file system (EOPNOTSUPP, or EISDIR from a kernel without O_TMPFILE).
  if (fd_ < 0) fd_ = creer_temporaire_nomme(repertoire, temporaire_, place_signal_);
  if (fd_ < 0) {
    cause_ = errno == ENOENT ? QStringLiteral("répertoire introuvable") : cause_systeme(errno);
    return;
  }
  // A replaced file keeps its permissions.
  struct stat ancien {};
  if (::stat(cible_.constData(), &ancien) == 0) ::fchmod(fd_, ancien.st_mode & 07777);
}

EcritureAtomique::~EcritureAtomique() { abandonner(); }

void EcritureAtomique::abandonner() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporaire_.isEmpty()) ::unlink(temporaire_.constData());
  temporaire_.clear();
  oublier_pour_signal(place_signal_);
}

bool EcritureAtomique::vider() noexcept {
  const char* p = tampon_.get();
  std::size_t reste = rempli_;
  while (reste > 0) {
    const ssize_t n = ::write(fd_, p, reste);
    if (n < 0) {
      if (errno == EINTR) continue;
      return echouer(errno);
    }
    p += n;
    reste -= static_cast<std::size_t>(n);
  }
  rempli_ = 0;
  return true;
}

bool EcritureAtomique::echouer(int code) noexcept {
  try {
    cause_ = cause_systeme(code);
  } catch (...) {  // no memory left even for the sentence
  }
  if (cause_.isEmpty()) cause_ = QStringLiteral("?");
  return false;
}

bool EcritureAtomique::aller_a(std::int64_t position) noexcept {
  if (fd_ < 0 || !cause_.isEmpty() || !vider()) return false;
  if (::lseek(fd_, position, SEEK_SET) < 0) return echouer(errno);
  return true;
}

std::int64_t EcritureAtomique::relire(std::int64_t position, char* octets,
                                      std::size_t longueur) noexcept {
  if (fd_ < 0 || !cause_.isEmpty() || !vider()) return -1;
  for (;;) {
    const ssize_t n = ::pread(fd_, octets, longueur, position);
    if (n >= 0) return n;
    if (errno != EINTR) return echouer(errno), -1;
  }
}

std::int64_t EcritureAtomique::longueur() noexcept {
  if (fd_ < 0 || !cause_.isEmpty() || !vider()) return -1;
  struct stat etat {};
  if (::fstat(fd_, &etat) != 0) return echouer(errno), -1;
  return etat.st_size;
}

bool EcritureAtomique::ecrire(const char* octets, std::size_t longueur) noexcept {
  if (fd_ < 0 || !cause_.isEmpty()) return false;
  while (longueur > 0) {
    const std::size_t part = std::min(longueur, kTailleTampon - rempli_);
    std::memcpy(tampon_.get() + rempli_, octets, part);
    rempli_ += part;
    octets += part;
    longueur -= part;
    if (rempli_ == kTailleTampon && !vider()) return false;
  }
  return true;
}

QString EcritureAtomique::valider() {
  if (fd_ < 0 || !cause_.isEmpty()) return cause_.isEmpty() ? cause_systeme(EBADF) : cause_;
  int code = 0;
  if (!vider()) return cause_;
  if (::fdatasync(fd_) != 0) code = errno;
  const bool sans_nom = temporaire_.isEmpty();
  if (code == 0 && sans_nom &&
      !mettre_en_place(fd_, cible_, QFileInfo(QFile::decodeName(cible_)).absolutePath()))
    code = errno;
  if (::close(fd_) != 0 && code == 0) code = errno;
  fd_ = -1;
  if (code == 0 && !sans_nom && ::rename(temporaire_.constData(), cible_.constData()) != 0)
    code = errno;
  if (code == 0) {
    temporaire_.clear();
    oublier_pour_signal(place_signal_);
    return QString();
  }
  abandonner();
  cause_ = cause_systeme(code);
  return cause_;
}

QString ecrire_atomiquement(const QString& chemin, const QByteArray& contenu) {
  EcritureAtomique fichier(chemin);
  if (!fichier.ecrire(contenu.constData(), static_cast<std::size_t>(contenu.size())))
    return fichier.cause();
  return fichier.valider();
}

bool est_temporaire_orvane(const QString& nom, qint64& processus) {
  static const QRegularExpression forme(QRegularExpression::anchoredPattern(
      QRegularExpression::escape(kPrefixeTemporaire) +
      QStringLiteral("([1-9][0-9]{0,9})-[A-Za-z0-9]{6}")));
  const QRegularExpressionMatch m = forme.match(nom);
  if (!m.hasMatch()) return false;
  processus = m.captured(1).toLongLong();
  return true;
}

void essayer_temporaires_sans_nom(bool oui) { sans_nom_essaye = oui; }

void supprimer_temporaires_en_cours() noexcept {
  for (PlaceSignal& place : places_signal)
    if (place.etat.load() == 2) ::unlink(place.chemin);
}

}  // namespace orvane
