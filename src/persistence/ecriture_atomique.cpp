#include "persistence/ecriture_atomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>

#include "persistence/causes_fichier.h"

namespace orvane {

namespace {

// A marker no picture or settings name of the user's carries, and the writer's process,
// so that the clean-up at start can tell a leftover from a file another Orvane is writing.
const QString kPrefixeTemporaire = QStringLiteral(".orvane-tmp-");

QString suffixe_aleatoire() {
  static const char kSignes[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QString s;
  for (int i = 0; i < 6; ++i)
    s += QLatin1Char(kSignes[QRandomGenerator::global()->bounded(int(sizeof kSignes) - 1)]);
  return s;
}

// Creates the temporary file in `repertoire`; returns its descriptor, or -1 with errno set.
int creer_temporaire(const QString& repertoire, QByteArray& nom) {
  for (int essai = 0; essai < 100; ++essai) {
    nom = QFile::encodeName(repertoire + u'/' + kPrefixeTemporaire +
                            QString::number(::getpid()) + u'-' + suffixe_aleatoire());
    const int fd = ::open(nom.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool tout_ecrire(int fd, const QByteArray& contenu) {
  const char* p = contenu.constData();
  qsizetype reste = contenu.size();
  while (reste > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(reste));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    reste -= n;
  }
  return true;
}

}  // namespace

QString ecrire_atomiquement(const QString& chemin, const QByteArray& contenu) {
  // Through a symbolic link the file it points to is replaced, the link kept.
  const QFileInfo info(chemin);
  const QString cible = info.isSymLink() ? info.symLinkTarget() : chemin;
  const QString refus = refus_remplacement(cible);
  if (!refus.isEmpty()) return refus;

  QByteArray temporaire;
  const int fd = creer_temporaire(QFileInfo(cible).absolutePath(), temporaire);
  if (fd < 0)
    return errno == ENOENT ? QStringLiteral("répertoire introuvable") : cause_systeme(errno);
  // A replaced file keeps its permissions.
  struct stat ancien {};
  if (::stat(QFile::encodeName(cible).constData(), &ancien) == 0)
    ::fchmod(fd, ancien.st_mode & 07777);

  bool ok = tout_ecrire(fd, contenu) && ::fdatasync(fd) == 0;
  int code = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (ok && ::rename(temporaire.constData(), QFile::encodeName(cible).constData()) != 0) {
    ok = false;
    code = errno;
  }
  if (ok) return QString();
  ::unlink(temporaire.constData());
  return cause_systeme(code);
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

}  // namespace orvane
