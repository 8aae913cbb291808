#include "app/controls/frontiere.h"

#include <QtGlobal>
#include <cstdio>
#include <new>
#include <stdexcept>

namespace orvane {

namespace {

constexpr char kMemoireManquante[] =
    "La mémoire manque pour terminer cette opération : fermez d'autres programmes ou "
    "choisissez une image plus petite.";

std::function<void(const QString&)>& boite_erreur() {
  static std::function<void(const QString&)> boite;
  return boite;
}

QString texte_erreur_courante() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return QString::fromUtf8(kMemoireManquante);
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("Erreur inconnue");
  }
}

}  // namespace

void installer_boite_erreur(std::function<void(const QString&)> boite) {
  boite_erreur() = std::move(boite);
}

void montrer_erreur_courante() noexcept {
  try {
    const QString texte = texte_erreur_courante();
    // The box is a modal dialog of its own: an error raised while showing it has nowhere
    // left to go but the log.
    try {
      if (boite_erreur()) {
        boite_erreur()(texte);
        return;
      }
    } catch (...) {
    }
    qWarning("%s", qUtf8Printable(texte));
  } catch (...) {
    // Not even the sentence could be made: memory is short.
    std::fprintf(stderr, "orvane : %s\n", kMemoireManquante);
  }
}

}  // namespace orvane
