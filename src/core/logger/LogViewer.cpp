#include "core/logger/LogViewer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/logger/LogFormat.h"
#include "core/logger/LogTable.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
using K = ChannelValueKind;
constexpr int kFirstRowY = 170;
constexpr int kBottomMargin = 20;
// Height of one line of a channel row (the check box, "Wert:" with the value).
constexpr int kRowLine = 15;
// The drawing area and the slider start at x 155 and leave 5 pixels to the right.
constexpr int kRightOfStrips = 160;

const std::array<LogChannel, kLogChannels> kChannels{{
    {"Drehzahl (Umin)", 1, 30, 100, K::Integer, {0, 0, 255}},
    {"Drosselklappe (%)", 2, 30, 100, K::Integer, {0, 150, 0}},
    {"Motortemp. (°C)", 3, 30, 100, K::Integer, {170, 0, 60}},
    {"Ansauglufttemp. (°C)", 4, 30, 100, K::Integer, {255, 128, 0}},
    {"Lambda1 (V)", 5, 30, 100, K::Volts, {128, 0, 128}},
    {"Lambda2 (V)", 6, 30, 100, K::Volts, {0, 128, 128}},
    {"Lambda3 (V)", 7, 30, 100, K::Volts, {128, 128, 0}},
    {"Ausgang1", 8, 15, 30, K::OnOff, {0, 0, 128}},
    {"Ausgang2", 9, 15, 30, K::OnOff, {0, 90, 160}},
    {"Eingang1", 10, 15, 30, K::OnOff, {0, 110, 50}},
    {"Eingang2", 11, 15, 30, K::OnOff, {90, 60, 0}},
    {"Eingang3", 12, 15, 30, K::OnOff, {100, 100, 100}},
    {"Zündwinkel (°KW)", 13, 30, 100, K::Integer, {160, 82, 45}},
    {"Einspritzung (µs)", 14, 30, 100, K::Injection, {220, 0, 220}},
}};

std::string valueText(const LogChannel& ch, const float* row, int switchTimeUs) {
  const float v = row[ch.column];
  switch (ch.kind) {
    case K::Integer:
      return intText(roundHalfEven(v));
    case K::Volts:
      return fixedText(v, 3);
    case K::OnOff:
      return v != 0 ? "Ein" : "Aus";
    case K::Injection:
      return injectionValueText(v, row[1], switchTimeUs);
  }
  return {};
}
}  // namespace

const std::array<LogChannel, kLogChannels>& logChannels() {
  return kChannels;
}

ViewerLayout layoutChannels(const std::array<bool, kLogChannels>& checked, int windowWidth) {
  ViewerLayout l;
  const int width = clampTo(windowWidth, kViewerMinWidth, kViewerMaxWidth);
  int y = 0;
  for (int c = 0; c < kLogChannels; ++c) {
    const int h = checked[c] ? kChannels[c].largeHeight : kChannels[c].smallHeight;
    const int rowY = kFirstRowY + y;
    if (h >= 2 * kRowLine)
      l.channels[c] = {rowY, 25, 60, rowY + kRowLine, y, h};
    else
      l.channels[c] = {rowY, 90, 122, rowY, y, h};
    y += h;
  }
  l.drawingWidth = width - kRightOfStrips;
  l.drawingHeight = y;
  l.sliderWidth = width - kRightOfStrips;
  l.windowWidth = width;
  l.windowHeight = std::max(kViewerMinHeight, kFirstRowY + y + kBottomMargin);
  return l;
}

std::string injectionValueText(float injectionUs, float speedRpm, int switchTimeUs) {
  std::string available;
  if (speedRpm == 0) {
    available = "max.";  // standstill: no revolution to share
  } else {
    const double us = 60.0 / speedRpm * 1e6 - switchTimeUs;
    available = us < 0 ? "0" : us > 20000 ? "max." : intText(roundHalfAway(us));
  }
  return intText(roundHalfEven(injectionUs)) + " (" + available + ")";
}

std::string zoomText(int zoom) {
  return fixedText(100.0 / zoom, 2) + "%";
}

LogViewer::LogViewer() {
  checked_[0] = true;  // engine speed large, the rest small: the window's starting height
  layout_ = layoutChannels(checked_, windowWidth_);
}

void LogViewer::setChecked(int channel, bool on) {
  if (channel < 0 || channel >= kLogChannels) return;
  checked_[channel] = on;
  layout_ = layoutChannels(checked_, windowWidth_);
}

void LogViewer::setWindowWidth(int width) {
  windowWidth_ = clampTo(width, kViewerMinWidth, kViewerMaxWidth);
  layout_ = layoutChannels(checked_, windowWidth_);
}

void LogViewer::zoomIn() {
  zoom_ = std::min(zoom_ * 2, kMaxZoom);
}
void LogViewer::zoomOut() {
  zoom_ = std::max(zoom_ / 2, 1);
}

int LogViewer::cursorIn(const LogTable& table) const {
  return clampTo(table.cursor, 1, std::max(1, table.count()));
}

ViewWindow LogViewer::window(const LogTable& table) const {
  const int n = table.count();
  if (n <= 1) return {1, 0, n};
  ViewWindow w;
  // Zoomed in, at least two records stay in view.
  w.span = zoom_ == 1 ? n - 1.0 : std::max((n - 1.0) / zoom_, 1.0);
  const long long lastFirst = std::max(1LL, roundHalfAway(n - w.span));
  w.first = static_cast<int>(clampTo(roundHalfAway(cursorIn(table) - w.span / 2), 1LL, lastFirst));
  w.visible = std::min(n - w.first + 1, static_cast<int>(std::floor(w.span)) + 1);
  return w;
}

SliderRange LogViewer::slider(const LogTable& table) const {
  const int n = table.count();
  if (zoom_ == 1 || n < 2) return {};
  const double span = window(table).span;
  const long long lastFirst = std::max(1LL, roundHalfAway(n - span));
  auto firstFor = [&](int c) { return roundHalfAway(c - span / 2); };
  // The cursor positions whose window needs no moving to stay inside the log.
  int lo = clampTo(static_cast<int>(std::ceil(0.5 + span / 2)), 1, n);
  while (lo > 1 && firstFor(lo - 1) >= 1) --lo;
  while (lo < n && firstFor(lo) < 1) ++lo;
  int hi = clampTo(static_cast<int>(std::floor(lastFirst + span / 2 + 0.5)), 1, n);
  while (hi < n && firstFor(hi + 1) <= lastFirst) ++hi;
  while (hi > 1 && firstFor(hi) > lastFirst) --hi;
  if (lo >= hi) return {};
  return {lo, hi, clampTo(cursorIn(table), lo, hi)};
}

bool LogViewer::wheel(LogTable& table, bool up, bool shift, bool ctrl) {
  const int n = table.count();
  if (n < 2) return false;
  if (ctrl) {
    const int before = zoom_;
    up ? zoomIn() : zoomOut();
    return zoom_ != before;
  }
  const int step = shift ? 10 : 1;
  const int cursor = cursorIn(table);
  const int moved = up ? cursor + step : cursor - step;
  if (moved < 1 || moved > n) return false;
  table.cursor = moved;
  return true;
}

bool LogViewer::click(LogTable& table, double x) {
  const int n = table.count();
  if (n < 2 || layout_.drawingWidth <= 0) return false;
  const ViewWindow w = window(table);
  x = std::clamp(x, 0.0, static_cast<double>(layout_.drawingWidth));
  table.cursor = static_cast<int>(clampTo(
      w.first + roundHalfAway(x * w.span / layout_.drawingWidth), 1LL, static_cast<long long>(n)));
  return true;
}

void LogViewer::slide(LogTable& table, int value) {
  if (table.count() < 1) return;
  table.cursor = clampTo(value, 1, table.count());
}

ViewerTexts LogViewer::texts(const LogTable& table, int switchTimeUs) const {
  ViewerTexts t;
  t.zoom = zoomText(zoom_);
  t.visibleRecords = intText(window(table).visible);
  if (table.count() < 1) return t;
  const int cursor = cursorIn(table);
  const float* row = table.row(cursor);
  for (int c = 0; c < kLogChannels; ++c) t.values[c] = valueText(kChannels[c], row, switchTimeUs);
  t.dataPoint = intText(cursor);
  const long long ms = roundHalfEven(row[0]);
  t.timeMs = intText(ms);
  t.timeClock = "(";
  t.timeClock += logInstantText(ms);
  t.timeClock += ")";
  return t;
}

}  // namespace qx
