#pragma once

#include <QString>

namespace orvane {

// Removes, from a directory (the program's, the settings', the last pictures saved, a
// render's output), the named temporary files that an atomic write of
// Orvane's left behind when its process was killed in the middle: only names carrying the
// program's own marker, made by a process that no longer runs, and only regular files. A
// file of the user's, whatever its name looks like, is never touched. Returns how many went.
int supprimer_ecritures_interrompues(const QString& repertoire);

}  // namespace orvane
