#include "app/positions_natives.h"

#include <QGuiApplication>
#include <cmath>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace orvane {

namespace {

std::unique_ptr<PositionsNatives> instance;

// XInput 2 device events, as the X connection library lays them out in memory: the wire's
// first 32 bytes, the full sequence number, then the rest of the wire event.
constexpr int kXiBoutonEnfonce = 4, kXiBoutonRelache = 5, kXiMouvement = 6;
struct EvenementXi {
  quint8 type, extension;
  quint16 sequence;
  quint32 longueur;
  quint16 sorte, appareil;
  quint32 temps, detail, racine, fenetre, enfant, sequence_complete;
  qint32 racine_x, racine_y, x, y;  // 16.16 fixed point
};

double virgule_fixe(qint32 v) { return v / 65536.0; }

quint8 opcode_xinput(xcb_connection_t* connexion) {
  const char nom[] = "XInputExtension";
  xcb_query_extension_reply_t* reponse = xcb_query_extension_reply(
      connexion, xcb_query_extension(connexion, sizeof nom - 1, nom), nullptr);
  const quint8 opcode = reponse && reponse->present ? reponse->major_opcode : 0;
  std::free(reponse);
  return opcode;
}

}  // namespace

void PositionsNatives::installer() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* connexion = x11 ? x11->connection() : nullptr;
  if (!connexion || instance) return;
  instance = std::make_unique<PositionsNatives>();
  instance->opcode_xinput_ = opcode_xinput(connexion);
  qApp->installNativeEventFilter(instance.get());
}

bool PositionsNatives::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  const auto* e = static_cast<const xcb_generic_event_t*>(message);
  switch (e->response_type & 0x7F) {
    case XCB_BUTTON_PRESS:
    case XCB_BUTTON_RELEASE:
    case XCB_MOTION_NOTIFY: {
      // Press, release and motion share their layout.
      const auto* b = static_cast<const xcb_button_press_event_t*>(message);
      noter(b->time, b->event, QPointF(b->event_x, b->event_y));
      break;
    }
    case XCB_GE_GENERIC: {
      EvenementXi xi;
      std::memcpy(&xi, message, sizeof xi);
      if (opcode_xinput_ == 0 || xi.extension != opcode_xinput_) break;
      if (xi.sorte != kXiBoutonEnfonce && xi.sorte != kXiBoutonRelache &&
          xi.sorte != kXiMouvement) {
        break;
      }
      noter(xi.temps, xi.fenetre, QPointF(virgule_fixe(xi.x), virgule_fixe(xi.y)));
      break;
    }
    default:
      break;
  }
  return false;
}

void PositionsNatives::noter(quint32 temps, quint32 fenetre, QPointF position) {
  releves_[suivant_] = {temps, fenetre, position};
  suivant_ = (suivant_ + 1) % releves_.size();
}

std::optional<QPointF> PositionsNatives::position(quint64 temps, quintptr fenetre,
                                                  QPointF logique, double ratio) {
  if (!instance) return std::nullopt;
  const PositionsNatives& p = *instance;
  // Of the events of that time and window, the one the toolkit's rounding could have made
  // this position of; several may share a millisecond.
  std::optional<QPointF> trouvee;
  double meilleur = 1.0;
  for (size_t n = 1; n <= p.releves_.size(); ++n) {
    const Releve& r = p.releves_[(p.suivant_ + p.releves_.size() - n) % p.releves_.size()];
    // From the newest back: past the event's time nothing more can match.
    const auto avance = static_cast<qint32>(r.temps - static_cast<quint32>(temps));
    if (avance < 0) break;
    if (avance > 0 || r.fenetre != fenetre) continue;
    const double ecart = std::max(std::abs(r.position.x() / ratio - logique.x()),
                                  std::abs(r.position.y() / ratio - logique.y()));
    if (ecart < meilleur) {
      meilleur = ecart;
      trouvee = r.position;
    }
  }
  return trouvee;
}

}  // namespace orvane
