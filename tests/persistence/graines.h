#pragma once

// The BMP fixtures the fuzzers' seed writer leaves in the build tree.

#include <QDir>
#include <QString>

namespace orvane::test {

// The seed file of that kind ("deux_bits" for ..._deux_bits.bmp); empty if there is not
// exactly one.
inline QString graine_bmp(const QString& sorte) {
  const QDir dossier(QStringLiteral(ORVANE_GRAINES "/lecture_bmp"));
  const QStringList noms = dossier.entryList({QStringLiteral("*_%1.bmp").arg(sorte)}, QDir::Files);
  return noms.size() == 1 ? dossier.filePath(noms.first()) : QString();
}

}  // namespace orvane::test
