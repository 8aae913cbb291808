#include "persistence/causes_fichier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvane {

namespace {

QString nature(mode_t mode) {
  if (S_ISDIR(mode)) return QStringLiteral("c'est un répertoire");
  const char* genre = S_ISFIFO(mode)   ? "tube nommé"
                      : S_ISSOCK(mode) ? "socket"
                      : S_ISCHR(mode)  ? "périphérique en mode caractère"
                      : S_ISBLK(mode)  ? "périphérique en mode bloc"
                                       : "fichier spécial";
  return QStringLiteral("ce n'est pas un fichier ordinaire (%1)").arg(QString::fromUtf8(genre));
}

}  // namespace

QString cause_systeme(int code) {
  switch (code) {
    case EACCES:
    case EPERM: return QStringLiteral("permission refusée");
    case EROFS: return QStringLiteral("système de fichiers en lecture seule");
    case ENOSPC: return QStringLiteral("plus de place sur le disque");
    case EDQUOT: return QStringLiteral("quota de disque dépassé");
    case EFBIG: return QStringLiteral("fichier trop grand pour ce système de fichiers");
    case ENOENT: return QStringLiteral("fichier ou répertoire introuvable");
    case ENOTDIR: return QStringLiteral("un élément du chemin n'est pas un répertoire");
    case EISDIR: return QStringLiteral("c'est un répertoire");
    case ENAMETOOLONG: return QStringLiteral("nom trop long");
    case ELOOP: return QStringLiteral("trop de liens symboliques");
    case EIO: return QStringLiteral("erreur d'entrée-sortie du disque");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("fichier occupé");
    case EMFILE:
    case ENFILE: return QStringLiteral("trop de fichiers ouverts");
    case ENOMEM: return QStringLiteral("mémoire insuffisante");
    default:
      return QStringLiteral("erreur système %1 (%2)")
          .arg(code)
          .arg(QString::fromLocal8Bit(std::strerror(code)));
  }
}

QString cause_introuvable() { return QStringLiteral("fichier introuvable"); }

Examen examiner(const QString& chemin) {
  struct stat etat {};
  if (::stat(QFile::encodeName(chemin).constData(), &etat) != 0) {
    if (errno == ENOENT) return {Occupant::Rien, cause_introuvable()};
    return {Occupant::Inaccessible, cause_systeme(errno)};
  }
  if (S_ISREG(etat.st_mode)) return {Occupant::Fichier, QString()};
  return {Occupant::Autre, nature(etat.st_mode)};
}

QString refus_remplacement(const QString& chemin) {
  const Examen examen = examiner(chemin);
  return examen.occupant == Occupant::Rien ? QString() : examen.cause;
}

QString ouvrir_fichier_ordinaire(const QString& chemin, QFile& fichier) {
  const QString refus = examiner(chemin).cause;
  if (!refus.isEmpty()) return refus;
  // Non-blocking all the same: something else may have taken the file's place since.
  const int fd = ::open(QFile::encodeName(chemin).constData(),
                        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? cause_introuvable() : cause_systeme(errno);
  struct stat etat {};
  if (::fstat(fd, &etat) != 0) {
    const int code = errno;
    ::close(fd);
    return cause_systeme(code);
  }
  if (!S_ISREG(etat.st_mode)) {
    ::close(fd);
    return nature(etat.st_mode);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return cause_systeme(EIO);
  }
  return QString();
}

}  // namespace orvane
