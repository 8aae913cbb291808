#include "app/application_orvane.h"

#include "app/positions_natives.h"

namespace orvane {

ApplicationOrvane::ApplicationOrvane(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Orvane"));
  setApplicationDisplayName(QStringLiteral("Orvane"));
  setApplicationVersion(QStringLiteral(ORVANE_VERSION));
  PositionsNatives::installer();
}

}  // namespace orvane
