#pragma once

#include <QFile>
#include <QString>

namespace orvane {

// Why a file operation failed, as the end of one of the program's French sentences
// ("permission refusée", "plus de place sur le disque"...), from the system's error code.
QString cause_systeme(int code);

// The cause given for a path where nothing stands.
QString cause_introuvable();

// Empty when a regular file stands at the path (a symbolic link to one will do); otherwise
// why it cannot be read as one: "fichier introuvable", "c'est un répertoire", "ce n'est pas
// un fichier ordinaire (tube nommé)"... Nothing is opened, so a named pipe cannot block.
QString refus_fichier_ordinaire(const QString& chemin);

// The same for a file about to be replaced: nothing standing there is fine too.
QString refus_remplacement(const QString& chemin);

// Opens a regular file for reading into `fichier`, without ever blocking on a named pipe
// or a device: returns empty, or the cause of the refusal.
QString ouvrir_fichier_ordinaire(const QString& chemin, QFile& fichier);

}  // namespace orvane
