// The strips of the log viewer as a drawing.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/draw/ColumnSpans.h"
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
// The pixel row of a scaled value: the row a level line at stripY() fills.
int stripRow(const ViewerLayout::Channel& ch, float scaled) {
  return static_cast<int>(std::floor(stripY(ch, scaled)));
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
  const double perPixel = w.span / width;
  if (perPixel > 1) {
    drawColumns(table, w);
    return;
  }
  std::array<DrawPolyline, kLogChannels> lines;
  for (int c = 0; c < kLogChannels; ++c) lines[c].colour = logChannels()[c].colour;
  auto point = [&](int c, double x, float scaled) {
    lines[c].points.push_back({x, stripY(layout_.channels[c], scaled)});
  };
  if (w.span <= 0) {
    // A single record: a dot at the left edge.
    const ChannelValues v = scaledChannels(table.row(w.first));
    for (int c = 0; c < kLogChannels; ++c) {
      point(c, 0, v[c]);
      point(c, 1, v[c]);
    }
  } else {
    // Fewer records than pixels: a line through every visible record, and on to the next
    // one behind the right edge (the area clips it), so the line runs up to the edge.
    const int end = std::min(w.first + w.visible + 1, table.count() + 1);
    for (int r = w.first; r < end; ++r) {
      const ChannelValues v = scaledChannels(table.row(r));
      const double x = (r - w.first) / perPixel;
      for (int c = 0; c < kLogChannels; ++c) point(c, x, v[c]);
    }
  }
  for (auto& line : lines) strips_.items.emplace_back(std::move(line));
}

// More records than pixels: each pixel column is filled over the range of its records and
// joined to the next column, so that the strip reads as one line.
void LogViewer::drawColumns(const LogTable& table, const ViewWindow& w) {
  const int width = layout_.drawingWidth;
  const double perPixel = w.span / width;
  std::array<DrawColumnSpans, kLogChannels> columns;
  for (int c = 0; c < kLogChannels; ++c) {
    columns[c].colour = logChannels()[c].colour;
    columns[c].spans.reserve(static_cast<std::size_t>(width));
  }
  const int last = w.first + w.visible - 1;
  ChannelValues mins, maxs;
  int from = w.first;
  for (int px = 0; px < width && from <= last; ++px) {
    int to =
        px + 1 == width ? last : static_cast<int>(std::ceil(w.first + (px + 1) * perPixel)) - 1;
    to = std::min(to, last);
    if (to < from) {
      for (auto& column : columns) column.spans.push_back({});
      continue;
    }
    summary_.range(table, from, to, mins, maxs);
    from = to + 1;
    for (int c = 0; c < kLogChannels; ++c)
      columns[c].spans.push_back(
          {stripRow(layout_.channels[c], maxs[c]), stripRow(layout_.channels[c], mins[c])});
  }
  for (auto& column : columns) {
    joinColumnSpans(column.spans);
    strips_.items.emplace_back(std::move(column));
  }
}

}  // namespace qx
