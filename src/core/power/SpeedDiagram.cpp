// Engine speed over time, drawn while "Drehzahl" is selected.

#include <algorithm>

#include "core/power/PowerDiagram.h"
#include "core/setup/SetupRecord.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
namespace pc = powerColours;

constexpr double kRunSeconds = kMaxRunMs / 1000.0;
// The speed axis when neither the setup nor the run gives one.
constexpr double kFallbackAxis = 1000;

double speedAxis(const RunTable& t, const SetupRecord& setup) {
  double top = std::max(setup.retardRpm * 100.0, setup.ignitionCutRpm * 100.0);
  for (std::size_t j = 1; j <= kRunRows; ++j)
    top = std::max(top, static_cast<double>(t[j][kRunSpeed]));
  return top > 0 ? top : kFallbackAxis;
}

void speedAxes(Drawing& d, const PlotRect& p, double axis) {
  const double bottom = p.top + p.height;
  d.line(p.x0, p.top, p.x0, bottom, pc::kInk);
  d.line(p.x0, bottom, p.x0 + p.width, bottom, pc::kInk);
  d.text(p.x0, p.top - 5, "n [Umin]", pc::kInk,
         {kDiagramTextSize, false, false, HAlign::Centre, VAlign::Bottom});
  d.text(p.x0 + p.width + 5, bottom, "t [s]", pc::kInk,
         {kDiagramTextSize, false, false, HAlign::Left, VAlign::Middle});

  const long long speedSteps = std::max<long long>(1, truncateToInt(p.height / 30));
  for (long long i = 0; i <= speedSteps; ++i) {
    const double rpm = axis / static_cast<double>(speedSteps) * static_cast<double>(i);
    const double y = p.top + p.height * (axis - rpm) / axis;
    d.line(p.x0 - 5, y, p.x0, y, pc::kInk);
    d.text(p.x0 - 7, y, intText(roundHalfAway(rpm)), pc::kInk,
           {kDiagramTextSize, false, false, HAlign::Right, VAlign::Middle});
  }
  const long long timeSteps = std::max<long long>(1, truncateToInt(p.width / 50));
  for (long long i = 0; i <= timeSteps; ++i) {
    const double x = p.x0 + p.width / static_cast<double>(timeSteps) * static_cast<double>(i);
    const double seconds = kRunSeconds / static_cast<double>(timeSteps) * static_cast<double>(i);
    d.line(x, bottom, x, bottom + 5, pc::kInk);
    d.text(x, bottom + 7, intText(roundHalfAway(seconds)), pc::kInk,
           {kDiagramTextSize, false, false, HAlign::Right, VAlign::Middle, true, 90});
  }
}

// Whether the speed trend turns at row j (rows 1 and 2 have no trend before them).
bool reverses(const RunTable& t, std::size_t j) {
  if (j < 3) return false;
  const double before = static_cast<double>(t[j - 1][kRunSpeed]) - t[j - 2][kRunSpeed];
  const double now = static_cast<double>(t[j][kRunSpeed]) - t[j - 1][kRunSpeed];
  return before * now < 0;
}
}  // namespace

std::optional<Drawing> drawSpeedDiagram(const PowerRun& run, const SetupRecord& setup, int w,
                                        int h) {
  if (run.view.display != DisplayOption::Speed) return std::nullopt;
  Drawing d;
  d.width = w;
  d.height = h;
  d.background = pc::kBackground;
  d.fillRect(0, 0, w, h, pc::kBackground);
  const PlotRect p = speedPlotOnScreen(w, h);
  const RunTable& t = run.table;
  const double axis = speedAxis(t, setup);
  speedAxes(d, p, axis);

  bool havePrevious = false;
  DrawPoint previous;
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    if (!(t[j][kRunSpeed] > 0)) continue;
    const DrawPoint here{p.x0 + p.width / kMaxRunMs * t[j][kRunTime],
                         p.top + p.height * (axis - t[j][kRunSpeed]) / axis};
    if (havePrevious)
      d.line(previous.x, previous.y, here.x, here.y,
             reverses(t, j) ? pc::kSpeedReversal : pc::kSpeedCurve, 3);
    previous = here;
    havePrevious = true;
  }
  return d;
}

}  // namespace qx
