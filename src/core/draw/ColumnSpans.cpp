#include "core/draw/ColumnSpans.h"

#include <algorithm>
#include <cstdlib>

namespace qx {

void joinColumnSpans(std::vector<ColumnSpan>& spans) {
  bool joined = false;  // the column before holds a run the line left from
  int exit = 0;
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const ColumnSpan own = spans[i];  // only the column before is ever widened
    if (own.top > own.bottom) {
      joined = false;
      continue;
    }
    const bool downwards = !joined || std::abs(exit - own.top) <= std::abs(exit - own.bottom);
    const int entry = downwards ? own.top : own.bottom;
    if (joined) {
      ColumnSpan& before = spans[i - 1];
      if (entry > exit) before.bottom = std::max(before.bottom, entry - 1);
      if (entry < exit) before.top = std::min(before.top, entry + 1);
    }
    exit = downwards ? own.bottom : own.top;
    joined = true;
  }
}

}  // namespace qx
