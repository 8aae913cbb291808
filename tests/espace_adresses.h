#pragma once

// The process's address space, which RLIMIT_AS caps: the tests of memory running short
// cap it a margin past what a child process holds, and read back what the child said.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>

namespace orvane::test {

// The process's address space now, in bytes.
inline rlim_t espace_utilise() {
  std::ifstream statut("/proc/self/status");
  std::string ligne;
  while (std::getline(statut, ligne))
    if (ligne.rfind("VmSize:", 0) == 0) return std::stoull(ligne.substr(7)) * 1024;
  return 0;
}

// Lets the address space grow by `marge` bytes past what the process holds now.
inline void limiter_espace(rlim_t marge) {
  const rlim_t limite = espace_utilise() + marge;
  const rlimit espace{limite, limite};
  setrlimit(RLIMIT_AS, &espace);
}

// Runs `commande` in a child process and returns its status; in `erreurs`, all the child
// wrote on its standard error (the libraries' own lines first), then what `commande`
// wrote on the stream it is given.
inline int dans_un_enfant(const std::function<int(std::ostream& erreurs)>& commande,
                          std::string& erreurs) {
  int tube[2];
  if (pipe(tube) != 0) return -1;
  const pid_t enfant = fork();
  if (enfant == 0) {
    ::close(tube[0]);
    ::dup2(tube[1], STDERR_FILENO);
    std::ostringstream flux;
    const int statut = commande(flux);
    const std::string texte = flux.str();
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, texte.data(), texte.size());
    _exit(statut);
  }
  ::close(tube[1]);
  erreurs.clear();
  char morceau[4096];
  for (ssize_t n; (n = ::read(tube[0], morceau, sizeof morceau)) > 0;) erreurs.append(morceau, n);
  ::close(tube[0]);
  int etat = 0;
  waitpid(enfant, &etat, 0);
  return WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
}

}  // namespace orvane::test
