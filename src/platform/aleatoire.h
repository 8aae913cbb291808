#pragma once

#include <cstdint>
#include <random>

namespace orvane {

// The program's one random generator.
class Aleatoire {
 public:
  using Moteur = std::mt19937_64;

  Aleatoire();  // seeded from the clock
  explicit Aleatoire(std::uint64_t graine) : moteur_(graine) {}
  // Takes up a state kept earlier (a journal draws its strokes again from it).
  explicit Aleatoire(const Moteur& etat) : moteur_(etat) {}

  void semer(std::uint64_t graine) {
    moteur_.seed(graine);
    ++semis_;
  }
  void semer_horloge();

  // Uniform integer in 0..n-1, without modulo bias; 0 when n <= 0.
  int Random(int n);

  // What a journal needs to draw the same values again: the engine's state, the steps it
  // took since that state was sown, and how many times it was sown.
  const Moteur& moteur() const { return moteur_; }
  std::uint64_t pas() const { return pas_; }
  std::uint64_t semis() const { return semis_; }
  // Steps the engine on as `n` draws would.
  void avancer(std::uint64_t n) {
    moteur_.discard(n);
    pas_ += n;
  }

 private:
  Moteur moteur_;
  std::uint64_t pas_ = 0;
  std::uint64_t semis_ = 0;
};

}  // namespace orvane
