// The injection map drawing: an oblique wire frame with speed to the right, throttle running
// diagonally back to the left and the injection time upwards.

#include <algorithm>

#include "core/app/ProgramSettings.h"
#include "core/link/VitalData.h"
#include "core/mainwin/EditorDrawing.h"
#include "core/mainwin/EditorState.h"
#include "core/mainwin/MainWindowLogic.h"
#include "core/setup/MapAxes.h"
#include "core/setup/SetupState.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
namespace dc = drawingColours;

constexpr int kDiagonal = 10;  // one throttle index moves a point 10 px left and 10 px up
constexpr int kLastSpeed = kSpeedPoints - 1;
constexpr int kLastThrottle = kThrottlePoints - 1;

struct MapView {
  const EditorSources& src;
  const SetupRecord& setup;
  int sx;     // px per speed index
  double sy;  // px per µs
  int ceiling;
  bool kapp;
  long long availableLimit[kSpeedPoints];  // per speed index; index 0 has none

  int value(int i, int j) const { return setup.mapCell(i, j); }
  double x(int i, int j) const { return i * sx - j * kDiagonal; }
  double y(int j, double v) const {
    return static_cast<double>(roundHalfAway(-j * kDiagonal - v * sy));
  }
  double valueAxisY(double v) const {
    return static_cast<double>(roundHalfAway(-8 * kDiagonal - sy * v));
  }
  // With "kapp" lines that lead to a point above the ceiling are left out.
  bool hidden(int v1, int v2) const { return kapp && (v1 > ceiling || v2 > ceiling); }
  void side(Drawing& d, int i1, int j1, int i2, int j2, Rgb colour) const {
    const int v1 = value(i1, j1), v2 = value(i2, j2);
    if (hidden(v1, v2)) return;
    d.line(x(i1, j1), y(j1, v1), x(i2, j2), y(j2, v2), colour);
  }
};

Rgb pointColour(const MapView& m, int i, int j) {
  if (i >= 1 && m.value(i, j) > m.availableLimit[i]) return dc::kOverTime;
  const EditorState& e = m.src.editors;
  if (e.mapStart && i < e.mapSpeed && j < e.mapThrottle) return dc::kGroup;
  return dc::kGrid;
}

// A map point's lines towards the next throttle and the next speed point.
void pointLines(Drawing& d, const MapView& m, int i, int j, bool highlighted) {
  const Rgb colour = highlighted ? dc::kLiveCell : pointColour(m, i, j);
  if (j < kLastThrottle) m.side(d, i, j, i, j + 1, colour);
  if (i < kLastSpeed) m.side(d, i, j, i + 1, j, colour);
}

void boxAndAxes(Drawing& d, const MapView& m) {
  const int right = 16 * m.sx, back = -8 * kDiagonal;
  const double top = m.valueAxisY(m.ceiling);
  const Rgb k = dc::kText;
  d.line(0, 0, right, 0, k);
  d.line(0, 0, back, back, k);
  d.line(back, back, back, top, k);
  d.line(right, 0, right, static_cast<double>(roundHalfAway(-m.sy * m.ceiling)), k);
  d.line(right + back, back, right + back, top, k);
  d.line(right, 0, right + back, back, k);
  d.line(back, back, right + back, back, k);

  for (int i = 0; i <= kLastSpeed; ++i) {
    d.line(i * m.sx, 0, i * m.sx, 5, k);
    d.text(i * m.sx - 3, 10, intText(i), k);
  }
  d.text(right - 4, 10, "kUmin", k);

  for (int j = 0; j <= kLastThrottle; j += 2) {
    const int o = -j * kDiagonal;
    d.line(o, o, o, 5 + o, k);
    if (j > 0) d.text(-15 + o, 7 + o, intText(axes::throttleLabelRounded(j)), k);
  }
  d.text(-80, -30, "%", k);

  // A tick every tenth of the ceiling; the step is at least 1 µs so the loop always ends.
  const int step = std::max(1, m.ceiling / 10);
  for (int v = 0; v < m.ceiling; v += step) {
    const double y = m.valueAxisY(v);
    d.line(back, y, back - 5, y, k);
    const std::string label = "  " + intText(v);
    d.text(back - 40, static_cast<double>(roundHalfAway(back - m.sy * v - 8)),
           label.substr(label.size() > 5 ? label.size() - 5 : 0), k);
  }
  d.text(back - 15, static_cast<double>(roundHalfAway(back - m.sy * m.ceiling - 20)), "µs", k);
}

// The live operating point: its speed and throttle lines, the interpolated injection time
// as a grey pin, and the map cell it lies in.
void livePoint(Drawing& d, const MapView& m) {
  const VitalData& vital = m.src.vital;
  const double speed =
      axes::speedPosition(std::clamp(vital.engineSpeedClamped, 0, kMaxComputedSpeed));
  const double throttle = axes::throttlePosition(std::max(vital.throttlePercent, 0));
  const double X = speed * m.sx;
  const double Y = throttle * kDiagonal;
  d.line(X, 0, X - 8 * kDiagonal, -8 * kDiagonal, dc::kLiveLine);
  d.line(-Y, -Y, 16 * m.sx - Y, -Y, dc::kLiveLine);

  int i = static_cast<int>(speed);
  double fx = speed - i;
  if (i >= kLastSpeed) i = kLastSpeed - 1, fx = 0.99;
  int j = static_cast<int>(throttle);
  double fy = throttle - j;
  if (j >= kLastThrottle) j = kLastThrottle - 1, fy = 0.99;
  const double value = m.value(i, j) * (1 - fx) * (1 - fy) + m.value(i + 1, j) * fx * (1 - fy) +
                       m.value(i, j + 1) * (1 - fx) * fy + m.value(i + 1, j + 1) * fx * fy;
  const double pinTop = -Y - value * m.sy;
  d.line(X - Y, -Y, X - Y, pinTop, dc::kLiveValue);
  d.circle(X - Y, pinTop, 2, dc::kLiveValue, true);

  pointLines(d, m, i, j, true);
  m.side(d, i + 1, j, i + 1, j + 1, dc::kLiveCell);
  m.side(d, i, j + 1, i + 1, j + 1, dc::kLiveCell);
}

void editingPoint(Drawing& d, const MapView& m, PointLabels& labels) {
  const int i = clampTo(m.src.editors.mapSpeed, 0, kLastSpeed);
  const int j = clampTo(m.src.editors.mapThrottle, 0, kLastThrottle);
  const int v = m.value(i, j);
  labels.first = intText(i * 1000LL);
  labels.second = intText(axes::throttleLabelRounded(j));
  labels.third = intText(v);
  const double x = m.x(i, j), y = m.y(j, v);
  d.circle(x, y, 3, dc::kEditingPoint, false);
  d.circle(x, y, 4, dc::kEditingPoint, false);
}
}  // namespace

int mapCeiling(const SetupRecord& setup, bool kapp, int displayCeiling) {
  // A damaged settings value must not flatten the map or divide by zero.
  if (kapp) return std::clamp(displayCeiling, kMapCeilingMin, kMapCeilingMax);
  int top = 100;
  for (std::uint16_t v : setup.injectionMap) top = std::max(top, static_cast<int>(v));
  return std::min(top, kMapCeilingMax);
}

long long availableInjectionUs(int speedIndex, int sharePercent, int switchTimeUs) {
  if (speedIndex < 1) return kNoLimit;  // a standing engine has all the time there is
  return roundHalfAway(600.0 * sharePercent / speedIndex - switchTimeUs);
}

Drawing drawInjectionMap(const EditorSources& p) {
  Drawing d;
  d.width = kMapDrawingWidth;
  d.height = kMapDrawingHeight;
  d.background = p.editors.drawingBackground;
  d.origin = {120, kMapDrawingHeight - 30.0};

  const bool kapp = p.editors.boxes.mapKapp;
  const int ceiling = mapCeiling(p.setup.record, kapp, p.settings.mapCeilingUs);
  MapView m{p,
            p.setup.record,
            (kMapDrawingWidth - 160) / 16,
            static_cast<double>(kMapDrawingHeight - 135) / ceiling,
            ceiling,
            kapp,
            {}};
  const auto& switchTimes = p.setup.record.injectorSwitchTime;
  const int longestSwitch = *std::max_element(switchTimes.begin(), switchTimes.end());
  for (int i = 1; i <= kLastSpeed; ++i)
    m.availableLimit[i] = availableInjectionUs(i, p.settings.injectionWarnPercent, longestSwitch);

  boxAndAxes(d, m);
  for (int j = 0; j <= kLastThrottle; ++j)
    for (int i = 0; i <= kLastSpeed; ++i) pointLines(d, m, i, j, false);
  if (p.editors.boxes.mapPos) livePoint(d, m);
  if (p.editors.mode == EditingMode::InjectionMap) editingPoint(d, m, p.editors.mapLabels);
  return d;
}

}  // namespace qx
