#include "app/traductions_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvane {

QTranslator* installer_traductions_qt(QCoreApplication& application, const QLocale& langue) {
  auto* traducteur = new QTranslator(&application);
  if (!traducteur->load(langue, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(traducteur)) {
    delete traducteur;
    return nullptr;
  }
  return traducteur;
}

}  // namespace orvane
