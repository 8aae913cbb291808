#include "app/application_orvane.h"

#include <exception>

#include "app/systeme.h"

namespace orvane {

ApplicationOrvane::ApplicationOrvane(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Orvane"));
  setApplicationDisplayName(QStringLiteral("Orvane"));
  setApplicationVersion(QStringLiteral(ORVANE_VERSION));
}

bool ApplicationOrvane::notify(QObject* receiver, QEvent* event) {
  QString erreur;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    erreur = QString::fromUtf8(e.what());
  } catch (...) {
    erreur = QStringLiteral("Erreur inconnue");
  }
  if (systeme_) systeme_->message(activeWindow(), erreur);
  return true;
}

}  // namespace orvane
