#include "app/plateforme_x11.h"

#include <QByteArray>
#include <QtGlobal>

#include "app/session_graphique.h"

namespace orvane {

void choisir_xwayland(int argc, const char* const* argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || option_qt_donnee(argc, argv, "platform"))
    return;
  // -display names an X server: only xcb reads it.
  const bool ecran_x_nomme = option_qt_donnee(argc, argv, "display");
  // Without an X server beside the compositor, forcing xcb would only fail to start.
  if (!ecran_x_nomme &&
      (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY")))
    return;
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}

}  // namespace orvane
