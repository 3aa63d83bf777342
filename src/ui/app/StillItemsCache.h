#pragma once
// A picture of the items of a drawing area's drawing that stay the same tick after tick.

#include <QImage>
#include <vector>

#include "core/draw/Drawing.h"
#include "ui/app/DrawingPainter.h"

class QPainter;
class QWidget;

namespace qx {

// Paints drawings whose items mostly stay the same from one to the next (a wheel under
// moving marks). The items that stayed the same are kept as a picture, which each paint
// copies before it paints the others in their order. An unchanged item is kept only when no
// changed item before it may touch it, so that the order in which they cover each other
// stays the drawing's.
class StillItemsCache {
 public:
  void paint(QPainter& painter, const Drawing& drawing, const QWidget& area,
             const PaintOptions& options);

 private:
  Drawing last_;            // the drawing painted last
  std::vector<bool> kept_;  // per item: in the picture
  QImage image_;
};

}  // namespace qx
