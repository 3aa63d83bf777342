#pragma once
// Paints a drawing that core computed: background, then every shape in order. The same
// function paints a window's drawing area and a printed page.

class QPainter;

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

void paintDrawing(QPainter& painter, const Drawing& drawing, const PaintOptions& options = {});

}  // namespace qx
