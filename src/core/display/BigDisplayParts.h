#pragma once
// Small helpers shared by the big display's two layers.

#include "core/display/BigDisplay.h"

namespace qx::bigdisplay {

// Font sizes are given as text heights in virtual units; the drawing takes points, which a
// 96-dpi drawing area paints at 4/3 pixels each.
inline TextStyle font(double height, HAlign h = HAlign::Left) {
  TextStyle s;
  s.size = height * 0.75;
  s.h = h;
  s.v = VAlign::Top;
  s.opaque = false;  // texts stand close together; the background is already there
  return s;
}

// A circle outline (or filled disc) with its own line width.
inline void ring(Drawing& d, DrawPoint centre, double radius, Rgb colour, double width,
                 bool filled = false) {
  d.items.emplace_back(DrawCircle{centre, radius, colour, filled, width});
}

inline int clampedTachoMax(int tachoMaxRpm) {
  return tachoMaxRpm < 4000 ? 4000 : (tachoMaxRpm > 16000 ? 16000 : tachoMaxRpm);
}

// Rows of the status column: frames, lamps and texts.
inline constexpr int kRowCount = 10;
inline constexpr double kLampX = 300;
inline double lampY(int row) {
  return 265 + 22.0 * row;
}  // row 0..9

}  // namespace qx::bigdisplay
