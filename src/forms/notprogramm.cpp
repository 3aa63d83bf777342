#include "forms/notprogramm.h"

#include <QLabel>
#include <QPushButton>

#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;
enum Key : int { Warning, Close };

constexpr ControlSpec kControls[] = {
    {K::Label, "!!!   Notprogramm ist aktiv   !!!", 0, 20, 205, 20, nullptr, Warning},
    {K::Button, "Fenster schliessen", 45, 50, 120, 20, nullptr, Close},
};
}  // namespace

notprogramm::notprogramm() : FormWindow(WindowId::Emergency) {
  // Above every other window; it pops up by itself, so it does not take the keyboard away
  // from the window the user works in.
  setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  const PlacedControls c = placeControls(area(), kControls);
  warning = c.get<QLabel>(Warning);
  warning->setAlignment(Qt::AlignCenter);
  QPalette red = warning->palette();
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  warning->setPalette(red);
  closeButton = c.get<QPushButton>(Close);
  closeButton->hide();
}

}  // namespace qx
