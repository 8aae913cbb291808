#pragma once

#include <QFile>
#include <QString>

namespace orvane {

// Why a file operation failed, as the end of one of the program's French sentences
// ("permission refusée", "plus de place sur le disque"...), from the system's error code.
QString cause_systeme(int code);

// What stands at a path (symbolic links followed) and, for anything but a regular file, the
// cause to give: "fichier introuvable", "c'est un répertoire", "ce n'est pas un fichier
// ordinaire (tube nommé)", or why the path could not be examined. Nothing is opened, so a
// named pipe cannot block.
enum class Occupant { Rien, Fichier, Autre, Inaccessible };
struct Examen {
  Occupant occupant;
  QString cause;
};
Examen examiner(const QString& chemin);

// The cause given for a path where nothing stands.
QString cause_introuvable();

// Empty when the path may be replaced by a regular file: nothing or a regular file stands
// there (a symbolic link to one will do); otherwise the cause of the refusal.
QString refus_remplacement(const QString& chemin);

// Opens a regular file for reading into `fichier`, without ever blocking on a named pipe
// or a device: returns empty, or the cause of the refusal.
QString ouvrir_fichier_ordinaire(const QString& chemin, QFile& fichier);

}  // namespace orvane
