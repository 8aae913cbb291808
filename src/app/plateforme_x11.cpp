#include "app/plateforme_x11.h"

#include <QByteArray>
#include <QtGlobal>
#include <string_view>

namespace orvane {

void choisir_xwayland(int argc, const char* const* argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return;
  }
  // Without an X server beside the compositor, forcing xcb would only fail to start.
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
    return;
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}

}  // namespace orvane
