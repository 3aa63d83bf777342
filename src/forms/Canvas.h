#pragma once
// A drawing area: it paints whatever its paint function draws, on demand.

#include <QWidget>
#include <functional>

class QPainter;

namespace qx {

class Canvas : public QWidget {
 public:
  Canvas(QWidget* area, int x, int y, int w, int h);
  std::function<void(QPainter&)> paintFunction;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qx
