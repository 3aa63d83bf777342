// The strips of the log viewer as a drawing.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/logger/LogTable.h"
#include "core/logger/LogViewer.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr Rgb kSeparator{128, 128, 128};
constexpr Rgb kCursor{255, 0, 0};

// The strip's y of a scaled value (0 bottom, 1 top), one pixel clear of the separators.
double stripY(const ViewerLayout::Channel& ch, float scaled) {
  return ch.stripTop + 1 + (ch.stripHeight - 2) * (1.0 - scaled);
}
// Appends (x, y); a level stretch goes on as one segment, so that a steady channel costs two
// points whatever the width.
void addPoint(std::vector<DrawPoint>& pts, int x, double y) {
  const std::size_t n = pts.size();
  if (n >= 2 && pts[n - 1].y == y && pts[n - 2].y == y)
    pts[n - 1].x = x;
  else
    pts.push_back({static_cast<double>(x), y});
}
}  // namespace

const Drawing& LogViewer::strips(const LogTable& table) {
  const int width = layout_.drawingWidth, height = layout_.drawingHeight;
  if (table.count() >= 1 && width > 0) summary_.update(table);
  const ViewWindow w = window(table);
  const StripsKey key{table.generation(), table.count(), w.first, w.span,
                      w.visible,          width,         height,  checked_};
  if (stripsKey_ && *stripsKey_ == key) return strips_;
  stripsKey_ = key;
  ++stripsSerial_;
  strips_ = Drawing{};
  strips_.width = width;
  strips_.height = height;
  strips_.background = colours::kWhite;
  strips_.fillRect(0, 0, width, height, colours::kWhite);
  for (int c = 0; c + 1 < kLogChannels; ++c) {
    const int y = layout_.channels[c].stripTop + layout_.channels[c].stripHeight;
    strips_.line(0, y, width, y, kSeparator);
  }
  if (table.count() >= 1 && width > 0) drawStrips(table, w);
  return strips_;
}

Drawing LogViewer::cursorLine(const LogTable& table) const {
  const int width = layout_.drawingWidth, height = layout_.drawingHeight;
  Drawing d;
  d.width = width;
  d.height = height;
  d.background = colours::kWhite;
  if (table.count() < 1 || width <= 0) return d;
  const ViewWindow w = window(table);
  const double x = w.span > 0 ? (cursorIn(table) - w.first) * width / w.span : 0;
  if (x >= 0 && x <= width) d.line(x, 0, x, height, kCursor);
  return d;
}

const Drawing& LogViewer::draw(const LogTable& table) {
  drawing_ = strips(table);
  Drawing cursor = cursorLine(table);
  for (DrawItem& item : cursor.items) drawing_.items.push_back(std::move(item));
  return drawing_;
}

void LogViewer::drawStrips(const LogTable& table, const ViewWindow& w) {
  const int width = layout_.drawingWidth;
  std::array<DrawPolyline, kLogChannels> lines;
  for (int c = 0; c < kLogChannels; ++c) lines[c].colour = logChannels()[c].colour;
  auto point = [&](int c, double x, float scaled) {
    lines[c].points.push_back({x, stripY(layout_.channels[c], scaled)});
  };
  const double perPixel = w.span / width;
  if (w.span <= 0) {
    // A single record: a dot at the left edge.
    const ChannelValues v = scaledChannels(table.row(w.first));
    for (int c = 0; c < kLogChannels; ++c) {
      point(c, 0, v[c]);
      point(c, 1, v[c]);
    }
  } else if (perPixel <= 1) {
    // Fewer records than pixels: a line through every visible record, and on to the next
    // one behind the right edge (the area clips it), so the line runs up to the edge.
    const int end = std::min(w.first + w.visible + 1, table.count() + 1);
    for (int r = w.first; r < end; ++r) {
      const ChannelValues v = scaledChannels(table.row(r));
      const double x = (r - w.first) / perPixel;
      for (int c = 0; c < kLogChannels; ++c) point(c, x, v[c]);
    }
  } else {
    // Each pixel column shows the range of its records, entered from the side nearer to
    // where the line left the column before.
    const int last = w.first + w.visible - 1;
    ChannelValues mins, maxs;
    int from = w.first;
    for (int px = 0; px < width && from <= last; ++px) {
      int to =
          px + 1 == width ? last : static_cast<int>(std::ceil(w.first + (px + 1) * perPixel)) - 1;
      to = std::min(to, last);
      if (to < from) continue;
      summary_.range(table, from, to, mins, maxs);
      from = to + 1;
      for (int c = 0; c < kLogChannels; ++c) {
        auto& pts = lines[c].points;
        const double top = stripY(layout_.channels[c], maxs[c]);
        const double bottom = stripY(layout_.channels[c], mins[c]);
        const bool downwards =
            pts.empty() || std::abs(pts.back().y - top) <= std::abs(pts.back().y - bottom);
        addPoint(pts, px, downwards ? top : bottom);
        if (top != bottom) pts.push_back({static_cast<double>(px), downwards ? bottom : top});
      }
    }
  }
  for (auto& line : lines) strips_.items.emplace_back(std::move(line));
}

}  // namespace qx
