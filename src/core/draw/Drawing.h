#pragma once
// A drawing as a list of simple shapes in painting order. Core computes every point, colour
// and text of a drawing area (or of a printed page); the window only paints the list.

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/util/Rgb.h"

namespace qx {

// Coordinates inside the drawing area, x to the right, y downwards: pixels on screen,
// points (1/72 inch) on a printed page.
struct DrawPoint {
  double x = 0, y = 0;
  friend bool operator==(const DrawPoint&, const DrawPoint&) = default;
};

enum class LineStyle { Solid, Dash, Dot };

struct DrawLine {
  DrawPoint from, to;
  Rgb colour;
  double width = 1;
  LineStyle style = LineStyle::Solid;
  friend bool operator==(const DrawLine&, const DrawLine&) = default;
};

// How a text stands at its anchor point.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };

struct TextStyle {
  double size = 0;  // font size in points; 0 keeps the area's own font
  bool bold = false;
  bool fixedPitch = false;  // a typewriter face (tables of numbers)
  HAlign h = HAlign::Left;
  VAlign v = VAlign::Top;
  // Painted on the drawing's background, so that lines under it do not show through.
  bool opaque = true;
  // Degrees counter-clockwise about the anchor (90: reading upwards); the alignment applies
  // along the turned text.
  double angle = 0;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// A one-line text anchored at `at` (by default its top-left corner).
struct DrawText {
  DrawPoint at;
  std::string text;
  Rgb colour;
  TextStyle style{};
  friend bool operator==(const DrawText&, const DrawText&) = default;
};

struct DrawCircle {
  DrawPoint centre;
  double radius = 0;
  Rgb colour;
  bool filled = false;
  double width = 1;
  friend bool operator==(const DrawCircle&, const DrawCircle&) = default;
};

// An axis-parallel box: filled, outlined, or both.
struct DrawRect {
  DrawPoint topLeft;
  double w = 0, h = 0;
  bool filled = true;
  Rgb fill;
  bool outlined = false;
  Rgb outline;
  double width = 1;
  friend bool operator==(const DrawRect&, const DrawRect&) = default;
};

// A box filled with a linear gradient from `from` to `to` (left to right, or top to bottom).
struct DrawGradientRect {
  DrawPoint topLeft;
  double w = 0, h = 0;
  Rgb from, to;
  bool vertical = false;
  friend bool operator==(const DrawGradientRect&, const DrawGradientRect&) = default;
};

// Connected line segments; closed and filled make it a polygon.
struct DrawPolyline {
  std::vector<DrawPoint> points;
  Rgb colour;
  double width = 1;
  LineStyle style = LineStyle::Solid;
  bool closed = false;
  bool filled = false;
  Rgb fill;
  friend bool operator==(const DrawPolyline&, const DrawPolyline&) = default;
};

// A circular arc: angles in degrees, 0 at three o'clock, counter-clockwise positive.
struct DrawArc {
  DrawPoint centre;
  double radius = 0;
  double startDeg = 0, spanDeg = 0;
  Rgb colour;
  double width = 1;
  friend bool operator==(const DrawArc&, const DrawArc&) = default;
};

// A curve with many values in each pixel column, as runs of whole pixels: column left + i is
// filled from row spans[i].top to row spans[i].bottom (both included, in the drawing's own
// pixels). A column whose top lies below its bottom stays empty. Stroking such a curve as a
// line through thousands of tiny segments costs far more and looks no different.
struct ColumnSpan {
  int top = 0, bottom = -1;
  friend bool operator==(const ColumnSpan&, const ColumnSpan&) = default;
};
struct DrawColumnSpans {
  int left = 0;
  std::vector<ColumnSpan> spans;
  Rgb colour;
  friend bool operator==(const DrawColumnSpans&, const DrawColumnSpans&) = default;
};

using DrawItem = std::variant<DrawLine, DrawText, DrawCircle, DrawRect, DrawGradientRect,
                              DrawPolyline, DrawArc, DrawColumnSpans>;

struct Drawing {
  int width = 0, height = 0;
  Rgb background;
  std::vector<DrawItem> items;

  // The shapes below take coordinates relative to the origin and store them absolute.
  DrawPoint origin;

  DrawPoint at(double x, double y) const { return {origin.x + x, origin.y + y}; }
  void line(double x1, double y1, double x2, double y2, Rgb colour, double width = 1,
            LineStyle style = LineStyle::Solid) {
    items.emplace_back(DrawLine{at(x1, y1), at(x2, y2), colour, width, style});
  }
  void text(double x, double y, std::string text, Rgb colour, TextStyle style = {}) {
    items.emplace_back(DrawText{at(x, y), std::move(text), colour, style});
  }
  void circle(double x, double y, double radius, Rgb colour, bool filled) {
    items.emplace_back(DrawCircle{at(x, y), radius, colour, filled, 1});
  }
  void fillRect(double x, double y, double w, double h, Rgb fill) {
    items.emplace_back(DrawRect{at(x, y), w, h, true, fill, false, {}, 1});
  }
  void frameRect(double x, double y, double w, double h, Rgb outline, double width = 1) {
    items.emplace_back(DrawRect{at(x, y), w, h, false, {}, true, outline, width});
  }
  void arc(double cx, double cy, double radius, double startDeg, double spanDeg, Rgb colour,
           double width = 1) {
    items.emplace_back(DrawArc{at(cx, cy), radius, startDeg, spanDeg, colour, width});
  }
};

}  // namespace qx
