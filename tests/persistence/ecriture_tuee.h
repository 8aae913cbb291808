#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>

#include "persistence/fichier_bmp.h"

namespace orvane::test {

// A snapshot write that the system kills half-way, in a child process: past its file size
// limit the kernel ends it, as a crash or a kill would, and its temporary file stays.
// Returns the child's process id, or -1 if it was not killed that way.
inline pid_t ecriture_tuee(const QString& chemin) {
  const pid_t enfant = fork();
  if (enfant == 0) {
    rlimit taille{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &taille);
    rlimit coeur{0, 0};
    setrlimit(RLIMIT_CORE, &coeur);
    signal(SIGXFSZ, SIG_DFL);
    try {
      ecrire_fichier_bmp(chemin, Bitmap(200, 200, 0x123456));
    } catch (...) {
    }
    _exit(0);
  }
  int etat = 0;
  if (enfant < 0 || waitpid(enfant, &etat, 0) != enfant) return -1;
  return WIFSIGNALED(etat) && WTERMSIG(etat) == SIGXFSZ ? enfant : -1;
}

}  // namespace orvane::test
