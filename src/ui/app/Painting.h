#pragma once
// Painting what the core computed: colours and the round lamps.

#include <QColor>

#include "core/app/Lamps.h"

class QPainter;

namespace qx {

inline QColor toQColor(const Rgb& c) {
  return QColor(c.r, c.g, c.b);
}

void paintLamp(QPainter& painter, const LampDrawing& lamp);

}  // namespace qx
