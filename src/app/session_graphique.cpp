#include "app/session_graphique.h"

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace orvane {

namespace {

struct MessageRetenu {
  QtMsgType type;
  QString categorie;
  QString texte;
};

QtMessageHandler gestionnaire_precedent = nullptr;
QMutex verrou_retenus;
std::vector<MessageRetenu> retenus;

// Qt's own messages were asked for: its logging rules, or its plugins' debugging.
bool messages_qt_demandes() {
  for (const char* variable : {"QT_LOGGING_RULES", "QT_LOGGING_CONF", "QT_DEBUG_PLUGINS"}) {
    const QByteArray valeur = qgetenv(variable);
    if (!valeur.isEmpty() && valeur != "0") return true;
  }
  return false;
}

void transmettre(const MessageRetenu& message) {
  const QByteArray categorie = message.categorie.toUtf8();
  const QMessageLogContext contexte(nullptr, 0, nullptr, categorie.constData());
  gestionnaire_precedent(message.type, contexte, message.texte);
}

void gestionnaire_demarrage(QtMsgType type, const QMessageLogContext& contexte,
                            const QString& message) {
  const MessageRetenu retenu{type, QString::fromUtf8(contexte.category), message};
  if (type != QtFatalMsg) {
    const QMutexLocker garde(&verrou_retenus);
    retenus.push_back(retenu);
    return;
  }
  // The platform cannot start: the plugins' lines before the abort say the same as the
  // sentence, in the toolkit's words; they are shown only to whoever asked for them.
  if (messages_qt_demandes()) {
    const QMutexLocker garde(&verrou_retenus);
    for (const MessageRetenu& avant : retenus) transmettre(avant);
    transmettre(retenu);
  }
  std::fputs(kSansSessionGraphique, stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

bool est_option(std::string_view argument, std::string_view nom) {
  if (argument.starts_with("--")) argument.remove_prefix(1);
  return argument.starts_with('-') && argument.substr(1) == nom;
}

}  // namespace

bool option_qt_donnee(int argc, const char* const* argv, std::string_view nom) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") break;
    if (est_option(argument, nom)) return i + 1 < argc;
  }
  return false;
}

bool session_graphique_presente(int argc, const char* const* argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  // A platform or an X display named on the command line is tried as named.
  if (option_qt_donnee(argc, argv, "platform") || option_qt_donnee(argc, argv, "display"))
    return true;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

GardeDemarrage::GardeDemarrage() { gestionnaire_precedent = qInstallMessageHandler(gestionnaire_demarrage); }

GardeDemarrage::~GardeDemarrage() {
  qInstallMessageHandler(gestionnaire_precedent);
  // The platform started: what it said on the way is passed on as it would have been.
  std::vector<MessageRetenu> messages;
  {
    const QMutexLocker garde(&verrou_retenus);
    messages.swap(retenus);
  }
  for (const MessageRetenu& message : messages) transmettre(message);
  gestionnaire_precedent = nullptr;
}

}  // namespace orvane
