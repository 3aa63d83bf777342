#pragma once
// A drawing as a list of simple shapes in painting order. Core computes every point, colour
// and text of a drawing area; the window only paints the list.

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/util/Rgb.h"

namespace qx {

// Pixel coordinates inside the drawing area, x to the right, y downwards.
struct DrawPoint {
  double x = 0, y = 0;
  friend bool operator==(const DrawPoint&, const DrawPoint&) = default;
};

struct DrawLine {
  DrawPoint from, to;
  Rgb colour;
  int width = 1;
};

// A one-line text whose top-left corner is at `at`, painted on the drawing's background, so
// that lines under it do not show through.
struct DrawText {
  DrawPoint at;
  std::string text;
  Rgb colour;
};

struct DrawCircle {
  DrawPoint centre;
  double radius = 0;
  Rgb colour;
  bool filled = false;
};

using DrawItem = std::variant<DrawLine, DrawText, DrawCircle>;

struct Drawing {
  int width = 0, height = 0;
  Rgb background;
  std::vector<DrawItem> items;

  // The shapes below take coordinates relative to the origin and store them absolute.
  DrawPoint origin;

  DrawPoint at(double x, double y) const { return {origin.x + x, origin.y + y}; }
  void line(double x1, double y1, double x2, double y2, Rgb colour) {
    items.emplace_back(DrawLine{at(x1, y1), at(x2, y2), colour, 1});
  }
  void text(double x, double y, std::string text, Rgb colour) {
    items.emplace_back(DrawText{at(x, y), std::move(text), colour});
  }
  void circle(double x, double y, double radius, Rgb colour, bool filled) {
    items.emplace_back(DrawCircle{at(x, y), radius, colour, filled});
  }
};

}  // namespace qx
