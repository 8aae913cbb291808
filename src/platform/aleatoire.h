#pragma once

#include <cstdint>
#include <random>

namespace orvane {

// The program's one random generator.
class Aleatoire {
 public:
  Aleatoire();  // seeded from the clock
  explicit Aleatoire(std::uint64_t graine) : moteur_(graine) {}

  void semer(std::uint64_t graine) { moteur_.seed(graine); }
  void semer_horloge();

  // Uniform integer in 0..n-1, without modulo bias; 0 when n <= 0.
  int Random(int n);

 private:
  std::mt19937_64 moteur_;
};

}  // namespace orvane
