#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include "app/systeme.h"

namespace orvane {

// The desktop of a benchmark that opens the window: the snapshots in a directory of their
// own, the screen Qt was given unless a size is named.
class SystemeBanc : public SystemeQt {
 public:
  SystemeBanc() = default;
  explicit SystemeBanc(QSize ecran) : ecran_(ecran) {}

  QSize taille_ecran() override { return ecran_.isValid() ? ecran_ : SystemeQt::taille_ecran(); }
  QString chemin_programme() override { return dossier_.filePath(QStringLiteral("orvane")); }

 private:
  QSize ecran_;
  QTemporaryDir dossier_;
};

}  // namespace orvane
