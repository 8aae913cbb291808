#pragma once

#include <string_view>

namespace orvane {

// The sentence Orvane ends with when it has no screen to open its window on.
inline constexpr const char* kSansSessionGraphique =
    "orvane : Orvane a besoin d'une session graphique (X11 ou Wayland) et n'en trouve aucune.\n";

// Whether the toolkit's option -NOM (or --NOM) is given with its value, before any "--".
bool option_qt_donnee(int argc, const char* const* argv, std::string_view nom);

// False when no platform could show a window: neither DISPLAY nor WAYLAND_DISPLAY is set
// and no platform or display was chosen (QT_QPA_PLATFORM, -platform, -display). Call before
// the application object is made.
bool session_graphique_presente(int argc, const char* const* argv);

// While the application object is being made, a platform that cannot start (a display that
// does not answer) ends the program with that sentence and status 1, not with the
// toolkit's abort and its core dump; the toolkit's messages that led there are shown only
// when its logging rules or its plugins' debugging ask for them. The guard is lifted when
// it goes out of scope, and the messages held meanwhile are then passed on.
class GardeDemarrage {
 public:
  GardeDemarrage();
  ~GardeDemarrage();
  GardeDemarrage(const GardeDemarrage&) = delete;
  GardeDemarrage& operator=(const GardeDemarrage&) = delete;
};

}  // namespace orvane
