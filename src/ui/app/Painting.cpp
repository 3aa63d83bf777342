#include "ui/app/Painting.h"

#include <QPainter>

namespace qx {

void paintLamp(QPainter& painter, const LampDrawing& lamp) {
  painter.fillRect(painter.window(), toQColor(lamp.background));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const QPointF centre(lamp.centreX, lamp.centreY);
  painter.setBrush(Qt::black);
  painter.drawEllipse(centre, lamp.outerRadius, lamp.outerRadius);
  painter.setBrush(toQColor(lamp.inner));
  painter.drawEllipse(centre, lamp.innerRadius, lamp.innerRadius);
}

}  // namespace qx
