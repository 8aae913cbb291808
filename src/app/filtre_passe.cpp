#include "app/filtre_passe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace orvane {

namespace {

enum class Sort { Passe, Jete, Retenu };

// Events that would run a handler of the program, by kind. Paint, update and expose
// events, layout and the toolkit's own traffic pass.
Sort sort_de(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
      return Sort::Jete;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Close:
      return Sort::Retenu;
    default:
      return Sort::Passe;
  }
}

bool est_souris(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

// The widget shown by a top-level window of the toolkit.
QWidget* widget_de(const QObject* fenetre) {
  const auto widgets = QApplication::topLevelWidgets();
  const auto it = std::find_if(widgets.begin(), widgets.end(), [fenetre](QWidget* w) {
    return w->windowHandle() == fenetre;
  });
  return it == widgets.end() ? nullptr : *it;
}

}  // namespace

FiltrePasse::FiltrePasse(const QWidget* bouton_arret, std::vector<const QObject*> minuteries,
                         const QObject* fenetre, QObject* parent)
    : QObject(parent),
      bouton_arret_(bouton_arret),
      minuteries_(std::move(minuteries)),
      fenetre_(fenetre) {
  qApp->installEventFilter(this);
}

FiltrePasse::~FiltrePasse() { qApp->removeEventFilter(this); }

void FiltrePasse::finir() {
  if (--profondeur_ > 0) return;
  bouton_enfonce_ = false;
  std::vector<Retenu> retenus;
  retenus.swap(retenus_);
  for (Retenu& r : retenus) {
    if (r.cible) QCoreApplication::postEvent(r.cible, r.evenement.release());
  }
}

void FiltrePasse::traiter_evenements() { QCoreApplication::processEvents(); }

bool FiltrePasse::eventFilter(QObject* cible, QEvent* evenement) {
  if (!actif()) return false;
  const QEvent::Type type = evenement->type();
  if (type == QEvent::Timer) {
    if (std::find(minuteries_.begin(), minuteries_.end(), cible) == minuteries_.end()) {
      return false;
    }
    // Ticks that came meanwhile make one tick afterwards, as a message timer gives.
    const bool deja = std::any_of(retenus_.begin(), retenus_.end(), [cible](const Retenu& r) {
      return r.cible == cible && r.evenement->type() == QEvent::Timer;
    });
    if (!deja) retenir(cible, evenement);
    return true;
  }
  if (type == QEvent::Resize && fenetre_ &&
      (cible == fenetre_ || (cible->isWindowType() && widget_de(cible) == fenetre_))) {
    retenir(cible, evenement);
    return true;
  }
  switch (sort_de(type)) {
    case Sort::Passe:
      return false;
    case Sort::Jete:
      return true;
    case Sort::Retenu:
      if (est_souris(type) && vers_le_bouton_arret(cible, evenement)) return false;
      retenir(cible, evenement);
      return true;
  }
  return false;
}

// A press on the stop button gets through, and so does the rest of that click.
bool FiltrePasse::vers_le_bouton_arret(QObject* cible, const QEvent* evenement) {
  if (!bouton_arret_) return false;
  const auto* souris = static_cast<const QMouseEvent*>(evenement);
  if (cible->isWidgetType()) {
    const auto* w = static_cast<const QWidget*>(cible);
    return w == bouton_arret_ || bouton_arret_->isAncestorOf(w);
  }
  if (!cible->isWindowType()) return false;
  if (bouton_enfonce_) {
    if (souris->buttons() == Qt::NoButton) bouton_enfonce_ = false;
    return true;
  }
  if (evenement->type() != QEvent::MouseButtonPress &&
      evenement->type() != QEvent::MouseButtonDblClick) {
    return false;
  }
  const QWidget* haut = widget_de(cible);
  const QWidget* sous = haut ? haut->childAt(souris->position().toPoint()) : nullptr;
  bouton_enfonce_ = sous && (sous == bouton_arret_ || bouton_arret_->isAncestorOf(sous));
  return bouton_enfonce_;
}

void FiltrePasse::retenir(QObject* cible, const QEvent* evenement) {
  QEvent* copie = nullptr;
  if (est_souris(evenement->type())) {
    // A fresh event: a clone would share its point with the toolkit's own bookkeeping.
    const auto* s = static_cast<const QMouseEvent*>(evenement);
    copie = new QMouseEvent(s->type(), s->position(), s->scenePosition(), s->globalPosition(),
                            s->button(), s->buttons(), s->modifiers(), s->pointingDevice());
  } else {
    copie = evenement->clone();
  }
  retenus_.push_back({cible, std::unique_ptr<QEvent>(copie)});
}

}  // namespace orvane
