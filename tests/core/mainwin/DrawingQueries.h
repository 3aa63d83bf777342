#pragma once
// Looking things up in a computed drawing: lines by colour and end points, texts by
// position, circles by centre.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/draw/Drawing.h"

namespace qx::test {

inline bool near(const DrawPoint& a, const DrawPoint& b) {
  return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6;
}

inline std::vector<DrawLine> linesOf(const Drawing& d, Rgb colour) {
  std::vector<DrawLine> out;
  for (const DrawItem& item : d.items)
    if (const auto* l = std::get_if<DrawLine>(&item); l && l->colour == colour) out.push_back(*l);
  return out;
}

// Lines of the colour between the two points, in either direction.
inline int countLines(const Drawing& d, DrawPoint a, DrawPoint b, Rgb colour) {
  int n = 0;
  for (const DrawLine& l : linesOf(d, colour))
    if ((near(l.from, a) && near(l.to, b)) || (near(l.from, b) && near(l.to, a))) ++n;
  return n;
}

// Any line of any colour that touches the point.
inline bool anyLineTouches(const Drawing& d, DrawPoint p) {
  for (const DrawItem& item : d.items)
    if (const auto* l = std::get_if<DrawLine>(&item); l && (near(l->from, p) || near(l->to, p)))
      return true;
  return false;
}

inline std::vector<DrawText> texts(const Drawing& d) {
  std::vector<DrawText> out;
  for (const DrawItem& item : d.items)
    if (const auto* t = std::get_if<DrawText>(&item)) out.push_back(*t);
  return out;
}

// The text at a top-left corner, or "<none>".
inline std::string textAt(const Drawing& d, DrawPoint at) {
  for (const DrawText& t : texts(d))
    if (near(t.at, at)) return t.text;
  return "<none>";
}

inline std::vector<DrawCircle> circles(const Drawing& d) {
  std::vector<DrawCircle> out;
  for (const DrawItem& item : d.items)
    if (const auto* c = std::get_if<DrawCircle>(&item)) out.push_back(*c);
  return out;
}

}  // namespace qx::test
