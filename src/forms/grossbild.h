#pragma once
// Layout of the big display: one drawing area that fills the window, always 4:3.

#include <QPointF>
#include <QSize>
#include <functional>

#include "forms/Canvas.h"
#include "forms/FormWindow.h"

class QMouseEvent;

namespace qx {

// The big display's drawing area: it also reports left clicks, at their pixel position.
class BigDisplayCanvas : public Canvas {
 public:
  using Canvas::Canvas;
  std::function<void(QPointF)> onLeftClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

class grossbild : public FormWindow {
 public:
  grossbild();

  BigDisplayCanvas* canvas;

  // Pixels per virtual unit of the drawing area as it stands.
  double scale() const;

 protected:
  // The window is resized to its 4:3 drawing area; maximised it keeps the screen's size and
  // the area stands in its middle.
  void resizeEvent(QResizeEvent* event) override;

 private:
  QSize fitted_;  // the size the window last gave itself
};

}  // namespace qx
