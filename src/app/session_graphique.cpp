#include "app/session_graphique.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace orvane {

namespace {

QtMessageHandler gestionnaire_precedent = nullptr;

void gestionnaire_demarrage(QtMsgType type, const QMessageLogContext& contexte,
                            const QString& message) {
  if (type != QtFatalMsg) {
    if (gestionnaire_precedent) gestionnaire_precedent(type, contexte, message);
    return;
  }
  std::fputs(kSansSessionGraphique, stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

bool session_graphique_presente(int argc, const char* const* argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return true;
    if (argument == "--") break;
  }
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

GardeDemarrage::GardeDemarrage() { gestionnaire_precedent = qInstallMessageHandler(gestionnaire_demarrage); }

GardeDemarrage::~GardeDemarrage() {
  qInstallMessageHandler(gestionnaire_precedent);
  gestionnaire_precedent = nullptr;
}

}  // namespace orvane
