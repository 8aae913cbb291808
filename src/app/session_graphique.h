#pragma once

namespace orvane {

// The sentence Orvane ends with when it has no screen to open its window on.
inline constexpr const char* kSansSessionGraphique =
    "orvane : Orvane a besoin d'une session graphique (X11 ou Wayland) et n'en trouve aucune.\n";

// False when no platform could show a window: neither DISPLAY nor WAYLAND_DISPLAY is set
// and no platform was chosen (QT_QPA_PLATFORM, -platform). Call before the application
// object is made.
bool session_graphique_presente(int argc, const char* const* argv);

// While the application object is being made, a platform that cannot start (a display that
// does not answer) ends the program with that sentence and status 1, not with the
// toolkit's abort and its core dump. The guard is lifted when it goes out of scope.
class GardeDemarrage {
 public:
  GardeDemarrage();
  ~GardeDemarrage();
  GardeDemarrage(const GardeDemarrage&) = delete;
  GardeDemarrage& operator=(const GardeDemarrage&) = delete;
};

}  // namespace orvane
