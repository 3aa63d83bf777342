#pragma once
// A picture of the leading items of a drawing area's drawing, for areas whose drawing begins
// with the same items tick after tick.

#include <QImage>

#include "core/draw/Drawing.h"
#include "ui/app/DrawingPainter.h"

class QPainter;
class QWidget;

namespace qx {

// Paints drawings that begin with the same items tick after tick (a wheel under moving
// marks): the leading items both drawings share are kept as a picture, which each paint
// copies before it paints the rest.
class LeadingItemsCache {
 public:
  void paint(QPainter& painter, const Drawing& drawing, const QWidget& area,
             const PaintOptions& options);

 private:
  Drawing kept_;
  QImage image_;
};

}  // namespace qx
