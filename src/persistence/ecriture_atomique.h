#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

// Replaces the file at `chemin` with `contenu` atomically: the bytes go to a temporary file
// beside it, are flushed to the disk and renamed over the old file, so that a failure or a
// kill at any moment leaves either the old file whole or the new one. Returns empty, or the
// cause of the failure in French (the old file then stays as it was). Anything but a
// regular file standing at the path is refused untouched.
QString ecrire_atomiquement(const QString& chemin, const QByteArray& contenu);

// Whether `nom` is the name of one of those temporary files,
// ".orvane-tmp-<process id>-XXXXXX"; the process id that made it goes to `processus`.
bool est_temporaire_orvane(const QString& nom, qint64& processus);

}  // namespace orvane
