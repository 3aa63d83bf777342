#include "core/power/PowerDiagram.h"

#include <algorithm>
#include <limits>
#include <string>

#include "core/util/Numbers.h"

namespace qx {

namespace {
namespace pc = powerColours;

constexpr TextStyle kLeftLabel{kDiagramTextSize, false, false, HAlign::Right, VAlign::Middle};
constexpr TextStyle kRightLabel{kDiagramTextSize, false, false, HAlign::Left, VAlign::Middle};
// Written vertically below an axis, reading upwards, ending just under the axis.
constexpr TextStyle kUpright{kDiagramTextSize, false, false, HAlign::Right,
                             VAlign::Middle,   true,  90};

// Maps values to the plot of the power/torque diagram.
struct PowerMap {
  const PowerScale& s;
  const PlotRect& p;
  double x(double rpm) const { return p.x0 + p.width / static_cast<double>(s.maxSpeed) * rpm; }
  double y(double power) const { return p.top + (s.d - power) * p.height / s.range(); }
  double zero() const { return p.top + s.d * p.height / s.range(); }
};

std::size_t binIndex(long long k) {
  return static_cast<std::size_t>(std::clamp<long long>(k, 0, kPowerBins));
}

void valueTicks(Drawing& d, const PowerMap& map, double limit, bool above) {
  const PowerScale& s = map.s;
  const PlotRect& p = map.p;
  // Nothing lies below zero unless a value does; the zero line itself is labelled above.
  if (!above && !(s.e < 0)) return;
  const double span = (above ? s.d : -s.e) * p.height / s.range();
  const long long v = std::max<long long>(1, roundHalfAway(span / 35));
  for (long long i = above ? 0 : 1; i <= v; ++i) {
    const double power = limit / static_cast<double>(v) * static_cast<double>(i);
    const double y = map.y(power);
    d.line(p.x0 - 5, y, p.x0 + 5, y, pc::kInk);
    d.text(p.x0 - 7, y, fixedText(power, 1), pc::kInk, kLeftLabel);
    if (i > 0) d.text(p.x0 + 7, y, fixedText(power / s.m, 1), pc::kInk, kRightLabel);
    d.line(p.x0 + 50, y, p.x0 + p.width, y, pc::kInk, 1, LineStyle::Dot);
  }
}

void speedTicks(Drawing& d, const PowerMap& map) {
  const PlotRect& p = map.p;
  const double a = p.width / 30;
  const double y0 = map.zero();
  const long long n = roundHalfAway(a - 1);
  for (long long i = 1; i <= n; ++i) {
    const double x = p.x0 + p.width / a * static_cast<double>(i);
    d.line(x, y0 - 5, x, y0 + 5, pc::kInk);
    const double rpm = static_cast<double>(map.s.maxSpeed) / a * static_cast<double>(i);
    d.text(x, y0 + 7, intText(roundHalfAway(rpm)), pc::kInk, kUpright);
    if (i >= 2) d.line(x, p.top, x, p.top + p.height, pc::kInk, 1, LineStyle::Dot);
  }
}

void axes(Drawing& d, const PowerMap& map) {
  const PlotRect& p = map.p;
  const double y0 = map.zero();
  d.line(p.x0, p.top - 20, p.x0, p.top + p.height, pc::kInk);
  d.line(p.x0, y0, p.x0 + p.width, y0, pc::kInk);
  d.text(p.x0 - 10, p.top - 22, "P[kW M[Nm]]", pc::kInk,
         {kDiagramTextSize, false, false, HAlign::Left, VAlign::Bottom});
  d.text(p.x0 + p.width, y0 - 3, "n [Umin]", pc::kInk,
         {kDiagramTextSize, false, false, HAlign::Centre, VAlign::Bottom});
  valueTicks(d, map, map.s.d, true);
  valueTicks(d, map, map.s.e, false);
  speedTicks(d, map);
}

void rawValues(Drawing& d, const PowerRun& run, const PowerMap& map) {
  if (!run.view.showCurve[1] || !run.view.rawValues) return;
  auto trace = [&](int column, double factor, LineStyle style) {
    DrawPolyline line;
    line.points.push_back(d.at(map.p.x0, map.zero()));
    line.colour = pc::kInk;
    line.style = style;
    for (std::size_t j = 1; j <= kRunRows; ++j)
      line.points.push_back(
          d.at(map.x(run.table[j][kRunSpeed]), map.y(factor * run.table[j][column])));
    d.items.emplace_back(std::move(line));
  };
  if (run.view.showPower) trace(kRunPower, 1, LineStyle::Solid);
  if (run.view.showTorque) trace(kRunTorque, map.s.m, LineStyle::Dash);
}

void curves(Drawing& d, const PowerRun& run, const PowerMap& map, int minRpm) {
  const std::size_t first = binIndex(minRpm / kBinRpm);
  const std::size_t last = binIndex(map.s.maxSpeed / kBinRpm);
  for (int c = 1; c <= 3; ++c) {
    if (!run.view.showCurve[static_cast<std::size_t>(c)]) continue;
    const PowerCurve& bins = run.curves[static_cast<std::size_t>(c)];
    auto trace = [&](int column, double factor, LineStyle style) {
      DrawPolyline line;
      line.colour = pc::curve(c);
      line.style = style;
      for (std::size_t k = std::max<std::size_t>(first, 1); k <= last; ++k) {
        const float rpm = bins[kBinSpeed][k];
        // Empty bins and bins at or below the minimum evaluation speed are not drawn.
        if (rpm == 0 || rpm <= static_cast<float>(minRpm)) continue;
        line.points.push_back(
            d.at(map.x(rpm), map.y(factor * bins[static_cast<std::size_t>(column)][k])));
      }
      if (line.points.size() >= 2) d.items.emplace_back(std::move(line));
    };
    if (run.view.showPower) trace(kBinPower, 1, LineStyle::Solid);
    if (run.view.showTorque) trace(kBinTorque, map.s.m, LineStyle::Dash);
  }
}

void consider(PowerScale& s, double rpm, double torque, double power) {
  s.maxSpeed = std::max(s.maxSpeed, roundHalfAway(rpm));
  s.d = std::max(s.d, power);
  s.g = std::max(s.g, torque);
  s.e = std::min(s.e, power);
  s.f = std::min(s.f, torque);
}
}  // namespace

Rgb powerColours::curve(int c) {
  switch (c) {
    case 1:
      return kCurve1;
    case 2:
      return kCurve2;
    case 3:
      return kCurve3;
    default:
      return kInk;
  }
}

PlotRect powerPlotOnScreen(double w, double h) {
  return {50, 40, w - 105, h - 90};
}
PlotRect powerPlotOnPage(double w, double h) {
  return {80, 270, w - 135, h - 345};
}
PlotRect speedPlotOnScreen(double w, double h) {
  return {50, 50, w - 90, h - 90};
}

PowerScale powerScale(const PowerRun& run, int minRpm) {
  PowerScale s;
  for (std::size_t c = 1; c <= 3; ++c)
    for (std::size_t k = 1; k <= kPowerBins; ++k) {
      const PowerCurve& b = run.curves[c];
      if (b[kBinSpeed][k] > static_cast<float>(minRpm))
        consider(s, b[kBinSpeed][k], b[kBinTorque][k], b[kBinPower][k]);
    }
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    const auto& r = run.table[j];
    if (r[kRunSpeed] > static_cast<float>(minRpm))
      consider(s, r[kRunSpeed], r[kRunTorque], r[kRunPower]);
  }
  if (!run.view.rawValues) s.e = s.f = 0;
  s.m = s.d / s.g;
  if (run.view.rawValues && s.e > s.f * s.m) s.m = s.e / s.f;
  return s;
}

double valueAtCursor(const PowerCurve& curve, int column, long long cursorRpm, int minRpm) {
  if (cursorRpm <= minRpm) return 0;
  const long long k = std::min<long long>(cursorRpm / kBinRpm, kPowerBins);
  const auto& values = curve[static_cast<std::size_t>(column)];
  const double here = values[binIndex(k)];
  // Beyond the last bin the last value holds.
  const double next = k + 1 <= kPowerBins ? values[binIndex(k + 1)] : here;
  return here + (next - here) / kBinRpm * static_cast<double>(cursorRpm - kBinRpm * k);
}

void updateCursorValues(PowerRun& run, const PowerScale& scale, int minRpm) {
  PowerView& v = run.view;
  v.cursorRpm = static_cast<int>(std::clamp<long long>(
      v.cursorRpm, 0, std::min<long long>(scale.maxSpeed, std::numeric_limits<int>::max())));
  v.cursorText = intText(v.cursorRpm);
  for (std::size_t c = 1; c <= 3; ++c) {
    v.kwText[c] = fixedText(valueAtCursor(run.curves[c], kBinPower, v.cursorRpm, minRpm), 1);
    v.nmText[c] = fixedText(valueAtCursor(run.curves[c], kBinTorque, v.cursorRpm, minRpm), 1);
  }
}

void addPowerDiagram(Drawing& d, const PowerRun& run, const PowerScale& scale, const PlotRect& plot,
                     int minRpm) {
  const PowerMap map{scale, plot};
  axes(d, map);
  rawValues(d, run, map);
  curves(d, run, map, minRpm);
  if (run.view.cursorRpm >= 1) {
    const double x = map.x(run.view.cursorRpm);
    d.line(x, plot.top - 15, x, plot.top + plot.height, pc::kCursor);
  }
}

std::optional<Drawing> drawPowerDiagram(PowerRun& run, int minRpm, int w, int h) {
  if (run.view.display != DisplayOption::Measurement) return std::nullopt;
  Drawing d;
  d.width = w;
  d.height = h;
  d.background = pc::kBackground;
  d.fillRect(0, 0, w, h, pc::kBackground);
  const PowerScale scale = powerScale(run, minRpm);
  updateCursorValues(run, scale, minRpm);
  addPowerDiagram(d, run, scale, powerPlotOnScreen(w, h), minRpm);
  return d;
}

void moveCursorByWheel(PowerRun& run, int notches, bool shift, bool ctrl) {
  const long long step = 1 + (shift ? 9 : 0) + (ctrl ? 99 : 0);
  const long long moved = run.view.cursorRpm + step * notches;
  run.view.cursorRpm = static_cast<int>(std::clamp<long long>(
      moved, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void setCursorByClick(PowerRun& run, int minRpm, int mouseX, int w) {
  const long long width = static_cast<long long>(powerPlotOnScreen(w, 0).width);
  if (width <= 0) return;
  const long long maxSpeed = powerScale(run, minRpm).maxSpeed;
  const long long rpm = (static_cast<long long>(mouseX) - 50) * maxSpeed / width;
  run.view.cursorRpm = static_cast<int>(
      std::clamp<long long>(rpm, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

Drawing drawRemainingTime(const RunProgress& progress) {
  Drawing d;
  d.width = kRemainingWidth;
  d.height = kRemainingHeight;
  d.background = pc::kBackground;
  d.fillRect(0, 0, kRemainingWidth, kRemainingHeight, pc::kBackground);
  if (progress.countdownShown)
    d.text(kRemainingWidth / 2.0, kRemainingHeight / 2.0, intText(progress.remainingSeconds),
           pc::kInk, {28, true, false, HAlign::Centre, VAlign::Middle});
  return d;
}

Drawing drawLineSample(bool dashed) {
  Drawing d;
  d.width = kLineSampleWidth;
  d.height = kLineSampleHeight;
  d.background = pc::kBackground;
  d.fillRect(0, 0, kLineSampleWidth, kLineSampleHeight, pc::kBackground);
  d.line(2, kLineSampleHeight / 2.0, kLineSampleWidth - 2, kLineSampleHeight / 2.0, pc::kInk, 1,
         dashed ? LineStyle::Dash : LineStyle::Solid);
  return d;
}

}  // namespace qx
