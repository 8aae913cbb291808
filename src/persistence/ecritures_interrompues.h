#pragma once

#include <QString>

namespace orvane {

// Removes, from the program's directory, the temporary files that an atomic write of a
// snapshot or of the settings file leaves behind when the program is killed in the middle
// ("~105.bmp.Ab12Cd"). Only names of that exact shape are touched. Returns how many went.
int supprimer_ecritures_interrompues(const QString& repertoire);

}  // namespace orvane
