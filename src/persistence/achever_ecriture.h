#pragma once

#include <QSaveFile>
#include <QString>

namespace orvane {

// Commits a file written through QSaveFile, or cancels it: returns why it failed, or an
// empty text. The buffer is flushed first because QSaveFile::commit loses the error of a
// short final write (a full disk) and would put a truncated file in place of the old one.
QString achever_ecriture(QSaveFile& fichier);

}  // namespace orvane
