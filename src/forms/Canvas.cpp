#include "forms/Canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace qx {

Canvas::Canvas(QWidget* area, int x, int y, int w, int h) : QWidget(area) {
  setGeometry(x, y, w, h);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // A partial repaint: the paint function may leave out what lies outside.
  if (event->region() != QRegion(rect())) painter.setClipRegion(event->region());
  if (paintFunction)
    paintFunction(painter);
  else
    painter.fillRect(rect(), palette().window());
}

}  // namespace qx
