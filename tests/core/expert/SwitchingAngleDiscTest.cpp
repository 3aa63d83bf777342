#include "core/expert/SwitchingAngleDisc.h"

#include <gtest/gtest.h>

#include "core/link/ExpertData.h"
#include "core/link/VitalData.h"
#include "core/mainwin/DrawingQueries.h"
#include "core/setup/SetupRecord.h"

namespace qx {
namespace {

using Arcs = std::vector<std::array<double, 3>>;
// The arcs of a colour as (radius, start, span) in the drawing's counter-clockwise degrees.
Arcs arcs(const Drawing& d, Rgb colour) {
  Arcs out;
  auto r = [](double v) { return std::round(v * 100) / 100; };
  for (const DrawItem& item : d.items)
    if (const auto* a = std::get_if<DrawArc>(&item); a && a->colour == colour)
      out.push_back({r(a->radius), r(a->startDeg), r(a->spanDeg)});
  return out;
}

TEST(SwitchingAngleDisc, LayersAtTheirAnglesAndRadii) {
  SetupRecord setup;  // sensor 10°, one tachometer pulse, dynamic factors 3 up to 1500/5000 rpm
  setup.triggerWheelTeeth = 8;  // 8 - 2
  VitalData vital;
  vital.engineSpeedClamped = 6000;
  vital.toothPeriod = 35;  // 10.08° at 6000 rpm
  vital.gapPeriod = 105;
  ControlValues control;
  control.injectionStartAngle[0] = 90;
  control.injectionTimeUs[0] = 2000;  // 72.012°
  control.accelTimerDiff = -40;       // 11.52°
  auto draw = [&] { return drawSwitchingAngles(setup, vital, control, {}, Rgb{240, 240, 240}); };

  Drawing d = draw();  // R = 197; the sensor position at 260° counter-clockwise
  EXPECT_EQ(arcs(d, discColours::kTriggerWheel), (Arcs{{163.51, -260, -22.5},
                                                       {163.51, -305, -22.5},
                                                       {163.51, -350, -22.5},
                                                       {163.51, -395, -22.5},
                                                       {163.51, -440, -22.5},
                                                       {163.51, -485, -22.5}}));
  EXPECT_EQ(arcs(d, discColours::kSpeedPulses), (Arcs{{147.75, -260, -180}}));
  EXPECT_EQ(arcs(d, discColours::kToothGap), (Arcs{{173.36, -320.48, -20.16}}));
  EXPECT_EQ(arcs(d, Rgb{0, 50, 255}), (Arcs{{132.9, -350, -72.01}}));
  EXPECT_EQ(arcs(d, discColours::kAccelNegative), (Arcs{{177.3, -260, -11.52}}));
  // Both dynamic-factor lines at crank 336.5°, dashed above 5000 rpm.
  const auto dynamic = test::linesOf(d, discColours::kDynamicFactor);
  ASSERT_EQ(dynamic.size(), 2u);
  EXPECT_TRUE(test::near(dynamic[0].to, {99.96694078204264, 46.366533608546376}));
  EXPECT_EQ(dynamic[1].style, LineStyle::Dash);

  control.accelTimerDiff = 40;  // before the sensor position, in green
  vital.engineSpeedClamped = 3000;
  d = draw();
  EXPECT_EQ(arcs(d, discColours::kAccelPositive), (Arcs{{177.3, -254.24, -5.76}}));
  EXPECT_EQ(test::linesOf(d, discColours::kDynamicFactor)[1].style, LineStyle::Solid);

  vital.engineSpeedClamped = 0;  // standing: no gap and no correction arc
  setup.triggerWheelTeeth = 0;   // no pitch: no wheel and no dynamic-factor lines
  d = draw();
  EXPECT_TRUE(arcs(d, discColours::kToothGap).empty() &&
              arcs(d, discColours::kAccelPositive).empty());
  EXPECT_TRUE(arcs(d, discColours::kTriggerWheel).empty());
  EXPECT_TRUE(test::linesOf(d, discColours::kDynamicFactor).empty());
}

}  // namespace
}  // namespace qx
