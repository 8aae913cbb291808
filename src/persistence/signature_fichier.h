#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace orvane {

// What tells one version of a file from another without reading it: a file replaced,
// rewritten or touched by another program changes one of these.
struct SignatureFichier {
  std::uint64_t appareil = 0;
  std::uint64_t inode = 0;
  std::int64_t taille = 0;
  std::int64_t modifie_s = 0;
  std::int64_t modifie_ns = 0;
  bool operator==(const SignatureFichier&) const = default;
};

// The signature of the regular file at `chemin` (links followed); none for anything else.
std::optional<SignatureFichier> signature_fichier(const QString& chemin);

}  // namespace orvane
