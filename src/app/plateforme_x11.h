#pragma once

namespace orvane {

// On a Wayland session, runs Orvane through XWayland, where placing the pointer and covering
// the screen work as on X11; an X display named by -display is reached through xcb too. A
// platform the user chose (QT_QPA_PLATFORM, -platform) stays.
// Call before the application object is made.
void choisir_xwayland(int argc, const char* const* argv);

}  // namespace orvane
