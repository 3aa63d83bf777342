#pragma once
// Paints a drawing that core computed: background, then every shape in order. The same
// function paints a window's drawing area and a printed page.

class QPainter;
class QRegion;
class QWidget;

namespace qx {

struct Drawing;

struct PaintOptions {
  // Fill the painter's window with the drawing's background first.
  bool fillBackground = true;
  bool antialiased = false;
  // Font sizes are multiplied by this: a printer whose drawing is scaled from points to its
  // own resolution passes 72 / resolution, so that a 7-point text stays 7 points.
  double fontScale = 1;
};

// Items clear of the painter's clip (a partial repaint on screen) are left out.
void paintDrawing(QPainter& painter, const Drawing& drawing, const PaintOptions& options = {});

// Where `after` differs from `before` when painted into the area with the area's font and
// scaled by `scale`: the part of the area to repaint (all of it when the drawings differ in
// size or items).
QRegion changedRegion(const Drawing& before, const Drawing& after, const QWidget& area,
                      double fontScale = 1, double scale = 1);

}  // namespace qx
