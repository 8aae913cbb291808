#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointF>
#include <QtGlobal>
#include <array>
#include <optional>

namespace orvane {

// The X server gives pointer positions in the screen's pixels; the toolkit hands them on
// divided by the screen's scale and rounded to its own whole coordinates, which moves them
// by up to half the scale in pixels. This keeps the server's own numbers for the last
// pointer events, so that the canvas can take the pixel that really is under the pointer.
class PositionsNatives : public QAbstractNativeEventFilter {
 public:
  // Watches the X server's events, when the application runs on one.
  static void installer();

  // The position, in the window's own pixels, of the pointer event of window `fenetre` at
  // `temps` whose position in the toolkit's coordinates is `logique` at scale `ratio`;
  // nothing when none is known (another platform, or an event made by the program).
  static std::optional<QPointF> position(quint64 temps, quintptr fenetre, QPointF logique,
                                         double ratio);

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* resultat) override;

 private:
  struct Releve {
    quint32 temps = 0;
    quint32 fenetre = 0;
    QPointF position;
  };

  void noter(quint32 temps, quint32 fenetre, QPointF position);

  quint8 opcode_xinput_ = 0;
  // Enough for the moves held during a long colouring pass.
  std::array<Releve, 4096> releves_{};
  size_t suivant_ = 0;
};

}  // namespace orvane
