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

// Pointer input: held where it reaches a widget, once the toolkit has chosen that widget.
bool est_pointeur(QEvent::Type type) {
  return est_souris(type) || type == QEvent::Wheel || type == QEvent::ContextMenu ||
         type == QEvent::TouchBegin || type == QEvent::TouchUpdate ||
         type == QEvent::TouchEnd || type == QEvent::TouchCancel;
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
  if (retenus_.empty()) return;
  // Handled from the queue, after what the pass's caller still does, and one after the
  // other, so that input made after the pass waits behind them.
  auto retenus = std::make_shared<std::vector<Retenu>>();
  retenus->swap(retenus_);
  QMetaObject::invokeMethod(
      this, [retenus] { rejouer(*retenus); }, Qt::QueuedConnection);
}

void FiltrePasse::rejouer(std::vector<Retenu>& retenus) {
  for (Retenu& r : retenus) {
    if (r.cible) QCoreApplication::sendEvent(r.cible, r.evenement.get());
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
      if (est_pointeur(type)) {
        // Held at the widget the toolkit picked, not at the window: handed to the window
        // again afterwards, the toolkit would pick from its state of then and mix up the
        // positions and kinds of a drag's events.
        if (!cible->isWidgetType()) return false;
        const auto* w = static_cast<const QWidget*>(cible);
        if (bouton_arret_ && (w == bouton_arret_ || bouton_arret_->isAncestorOf(w))) {
          return false;
        }
      }
      retenir(cible, evenement);
      return true;
  }
  return false;
}

void FiltrePasse::retenir(QObject* cible, const QEvent* evenement) {
  QEvent* copie = nullptr;
  if (est_souris(evenement->type())) {
    // A fresh event: a clone would share its point with the toolkit's own bookkeeping.
    const auto* s = static_cast<const QMouseEvent*>(evenement);
    auto* souris = new QMouseEvent(s->type(), s->position(), s->scenePosition(),
                                   s->globalPosition(), s->button(), s->buttons(),
                                   s->modifiers(), s->pointingDevice());
    souris->setTimestamp(s->timestamp());  // which finds the pointer's exact pixel
    copie = souris;
  } else {
    copie = evenement->clone();
  }
  retenus_.push_back({cible, std::unique_ptr<QEvent>(copie)});
}

}  // namespace orvane
