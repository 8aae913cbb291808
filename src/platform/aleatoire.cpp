#include "platform/aleatoire.h"

#include <chrono>

namespace orvane {

Aleatoire::Aleatoire() { semer_horloge(); }

void Aleatoire::semer_horloge() {
  semer(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int Aleatoire::Random(int n) {
  if (n <= 0) return 0;
  // Rejection sampling: draws in the incomplete last block of size n are thrown away,
  // so every value has the same chance.
  const std::uint64_t borne = static_cast<std::uint64_t>(n);
  const std::uint64_t limite = UINT64_MAX - (UINT64_MAX % borne);
  std::uint64_t tirage = 0;
  do {
    tirage = moteur_();
    ++pas_;
  } while (tirage >= limite);
  return static_cast<int>(tirage % borne);
}

}  // namespace orvane
