#pragma once

// The process's address space, which RLIMIT_AS caps: the tests of memory running short
// cap it a margin past what the process holds.
#include <sys/resource.h>

#include <fstream>
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

}  // namespace orvane::test
