#include "forms/Canvas.h"

#include <QPainter>

namespace qx {

Canvas::Canvas(QWidget* area, int x, int y, int w, int h) : QWidget(area) {
  setGeometry(x, y, w, h);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (paintFunction)
    paintFunction(painter);
  else
    painter.fillRect(rect(), palette().window());
}

}  // namespace qx
