#include "persistence/signature_fichier.h"

#include <QFile>
#include <sys/stat.h>

namespace orvane {

std::optional<SignatureFichier> signature_fichier(const QString& chemin) {
  struct stat etat {};
  if (::stat(QFile::encodeName(chemin).constData(), &etat) != 0 || !S_ISREG(etat.st_mode))
    return std::nullopt;
  return SignatureFichier{static_cast<std::uint64_t>(etat.st_dev),
                          static_cast<std::uint64_t>(etat.st_ino),
                          static_cast<std::int64_t>(etat.st_size),
                          static_cast<std::int64_t>(etat.st_mtim.tv_sec),
                          static_cast<std::int64_t>(etat.st_mtim.tv_nsec)};
}

}  // namespace orvane
