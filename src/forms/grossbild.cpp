#include "forms/grossbild.h"

#include <QMouseEvent>
#include <QScrollArea>

#include "core/display/BigDisplay.h"

namespace qx {

void BigDisplayCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onLeftClick) onLeftClick(event->position());
  Canvas::mousePressEvent(event);
}

grossbild::grossbild() : FormWindow(WindowId::BigDisplay) {
  setWindowTitle(QStringLiteral("Quarnelix - Grossbild"));
  // No controls to scroll: the drawing area lies on the window itself.
  scrollArea()->hide();
  canvas = new BigDisplayCanvas(this, 0, 0, kBigDisplayWidth, kBigDisplayHeight);
  setMinimumSize(kBigDisplayMinWidth, kBigDisplayMinHeight);
  // Maximised, the display fills the screen (the workshop's view from across the room).
  normalAfterMaximise = false;
}

double grossbild::scale() const {
  return static_cast<double>(canvas->height()) / kBigDisplayHeight;
}

void grossbild::resizeEvent(QResizeEvent* event) {
  FormWindow::resizeEvent(event);
  const QSize now = size();
  // A size the window gave itself stands: fitting a fitted size again could take a few more
  // pixels off its height.
  QSize area = now;
  if (now != fitted_) {
    const BigDisplayFit fit = fitBigDisplay(now.width(), now.height());
    area = QSize(fit.width, fit.height);
  }
  const bool free = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
  if (free && area != now) {
    fitted_ = area;
    resize(area);
  }
  // The platform may have taken the new size at once (then its resize event has already
  // placed the area) or later: the area stands in the middle of the size the window has now.
  const QSize shown = size();
  canvas->setGeometry((shown.width() - area.width()) / 2, (shown.height() - area.height()) / 2,
                      area.width(), area.height());
}

}  // namespace qx
