#include "core/expert/SwitchingAngleDisc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/link/ExpertData.h"
#include "core/link/VitalData.h"
#include "core/mainwin/DrawingQueries.h"
#include "core/setup/SetupRecord.h"

namespace qx {
namespace {

std::vector<DrawArc> arcsOf(const Drawing& d, Rgb colour) {
  std::vector<DrawArc> out;
  for (const DrawItem& item : d.items)
    if (const auto* a = std::get_if<DrawArc>(&item); a && a->colour == colour) out.push_back(*a);
  return out;
}

// The arc's start and span as the drawing holds them (counter-clockwise degrees).
void expectArc(const DrawArc& a, double radius, double start, double span, double width) {
  EXPECT_NEAR(a.radius, radius, 1e-9);
  EXPECT_NEAR(a.startDeg, start, 1e-9);
  EXPECT_NEAR(a.spanDeg, span, 1e-9);
  EXPECT_EQ(a.width, width);
  EXPECT_EQ(a.centre, (DrawPoint{200, 197.5}));
}

struct DiscFixture : ::testing::Test {
  DiscFixture() {
    setup.sensorAngle = 10;
    setup.triggerWheelTeeth = 8;
    setup.triggerGapCount = 2;
    setup.tachoPulsesPerRev = 1;
    vital.engineSpeedClamped = 6000;
    vital.toothPeriod = 35;
    vital.gapPeriod = 105;
    control.injectionStartAngle[0] = 90;
    control.injectionTimeUs[0] = 2000;
    control.chargeStartAngle[1] = 300;
    control.ignitionAngle[1] = 36;
    control.accelTimerDiff = -40;
  }
  Drawing draw() { return drawSwitchingAngles(setup, vital, control, layers, Rgb{240, 240, 240}); }

  SetupRecord setup;  // dynamic factors 3 up to 1500 and 5000 rpm, quick start 200 rpm
  VitalData vital;
  ControlValues control;
  DiscLayers layers;
};

TEST_F(DiscFixture, EveryLayerAtItsAngleAndRadius) {
  const Drawing d = draw();
  // Six teeth of half a pitch (22.5°) from the sensor position, 260° counter-clockwise.
  const auto teeth = arcsOf(d, discColours::kTriggerWheel);
  ASSERT_EQ(teeth.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) expectArc(teeth[i], 163.51, -260 - 45.0 * i, -22.5, 5);
  const auto pulses = arcsOf(d, discColours::kSpeedPulses);
  ASSERT_EQ(pulses.size(), 1u);
  expectArc(pulses[0], 147.75, -260, -180, 5);
  // Gap: six tooth periods of 10.08° after the sensor, two more periods long.
  const auto gap = arcsOf(d, discColours::kToothGap);
  ASSERT_EQ(gap.size(), 1u);
  expectArc(gap[0], 173.36, -320.48, -20.16, 1);
  // Injection of cylinder 1: 2000 µs at 6000 rpm is 72.012°.
  const auto ev1 = arcsOf(d, Rgb{0, 50, 255});
  ASSERT_EQ(ev1.size(), 1u);
  expectArc(ev1[0], 132.9, -350, -72.012, 2);
  // Charge of cylinder 2 and its ignition point at crank 336°.
  const auto zt2 = arcsOf(d, Rgb{255, 100, 0});
  ASSERT_EQ(zt2.size(), 1u);
  expectArc(zt2[0], 108.2, -560, -36, 2);
  bool ignitionPoint = false;
  for (const DrawCircle& c : test::circles(d))
    ignitionPoint |= c.radius == 2 && std::fabs(c.centre.x - 139.495328) < 1e-5 &&
                     std::fabs(c.centre.y - 107.798135) < 1e-5;
  EXPECT_TRUE(ignitionPoint);
  // A negative timer difference lies after the sensor position, in red.
  const auto accel = arcsOf(d, discColours::kAccelNegative);
  ASSERT_EQ(accel.size(), 1u);
  expectArc(accel[0], 177.3, -260, -11.52, 2);
  control.accelTimerDiff = 40;
  const auto positive = arcsOf(draw(), discColours::kAccelPositive);
  ASSERT_EQ(positive.size(), 1u);
  expectArc(positive[0], 177.3, -248.48, -11.52, 2);
  // Both dynamic-factor lines at crank 336.5°: to (99.967, 46.367) from the centre.
  EXPECT_EQ(test::countLines(d, {200, 197.5}, {99.96694078204264, 46.366533608546376},
                             discColours::kDynamicFactor),
            2);
}

TEST_F(DiscFixture, DynamicFactorLinesSolidWhileInForce) {
  struct Case {
    int speed;
    LineStyle first, second;
  };
  const Case cases[] = {{0, LineStyle::Solid, LineStyle::Dash},  // quick-start speed 200
                        {1000, LineStyle::Solid, LineStyle::Dash},
                        {1500, LineStyle::Dash, LineStyle::Solid},
                        {3000, LineStyle::Dash, LineStyle::Solid},
                        {6000, LineStyle::Dash, LineStyle::Dash}};
  for (const Case& c : cases) {
    vital.engineSpeedClamped = c.speed;
    const auto lines = test::linesOf(draw(), discColours::kDynamicFactor);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].style, c.first) << c.speed;
    EXPECT_EQ(lines[1].style, c.second) << c.speed;
  }
}

TEST_F(DiscFixture, LayersFollowTheirBoxesTheEngineAndTheToothCount) {
  vital.engineSpeedClamped = 0;
  Drawing d = draw();
  EXPECT_TRUE(arcsOf(d, discColours::kToothGap).empty());
  EXPECT_TRUE(arcsOf(d, discColours::kAccelNegative).empty());
  EXPECT_EQ(arcsOf(d, discColours::kTriggerWheel).size(), 6u);

  vital.engineSpeedClamped = 6000;
  setup.triggerWheelTeeth = 0;
  d = draw();
  EXPECT_TRUE(arcsOf(d, discColours::kTriggerWheel).empty());
  EXPECT_TRUE(test::linesOf(d, discColours::kDynamicFactor).empty());
  EXPECT_EQ(arcsOf(d, Rgb{0, 50, 255}).size(), 1u);

  layers = DiscLayers{false, false, false, false, false, false, false,
                      false, false, false, false, false, false};
  d = draw();
  // Background, the disc and its "0° ->" are all that is left.
  ASSERT_EQ(d.items.size(), 3u);
  EXPECT_EQ(test::texts(d).at(0).text, "0° ->");
  EXPECT_EQ(test::circles(d).at(0).radius, 0.92 * 197);
}

}  // namespace
}  // namespace qx
