#include "core/testmode/SensorCheck.h"

#include <gtest/gtest.h>

#include "core/link/VitalData.h"

namespace qx {
namespace {

VitalData wheel36minus2(int rpm) {
  VitalData v;
  v.engineSpeedClamped = rpm;
  v.signalDetected = 1;
  v.teethCounted = 33;
  v.teethPerRevUnit = 36;
  v.toothPeriod = 1000;
  v.gapPeriod = 3000;
  return v;
}

TEST(SensorCheck, AWholeWheelPassesAllFourChecks) {
  SensorCheck c;
  runSensorCheck(c, wheel36minus2(3000), 2, 36, 1000);
  EXPECT_EQ(c.gapText, "2.00 Ok");
  EXPECT_EQ(c.signalText, "Ok");
  EXPECT_EQ(c.teethText, "36 Ok");
  EXPECT_EQ(c.revolutionText, "Ok");
  EXPECT_TRUE(c.allPassed());
  EXPECT_EQ(c.errorCount, 0);
}

TEST(SensorCheck, GapOutsideItsToleranceAndWrongToothCountFail) {
  SensorCheck c;
  VitalData v = wheel36minus2(3000);
  v.gapPeriod = 3300;  // ratio 2.30: not below 2.3
  runSensorCheck(c, v, 2, 60, 1000);
  EXPECT_EQ(c.gapText, "2.30");
  EXPECT_EQ(c.teethText, "36 falsch");
  EXPECT_EQ(c.passed, 2);
  EXPECT_EQ(c.errorCount, 1);
}

TEST(SensorCheck, StandingEngineAndAZeroToothPeriodShowDashes) {
  SensorCheck c;
  VitalData v = wheel36minus2(0);
  runSensorCheck(c, v, 2, 36, 1000);
  EXPECT_EQ(c.gapText, "--");
  EXPECT_EQ(c.passed, 3);  // the other checks still run
  v = wheel36minus2(3000);
  v.toothPeriod = 0;  // no ratio can be computed
  runSensorCheck(c, v, 2, 36, 1000);
  EXPECT_EQ(c.gapText, "--");
  EXPECT_EQ(c.passed, 3);
}

TEST(SensorCheck, NoTeethCountedCanNeverPass) {
  SensorCheck c;
  VitalData v = wheel36minus2(3000);
  v.teethCounted = 0;
  v.signalDetected = 0;
  runSensorCheck(c, v, 2, 36, 1000);
  EXPECT_EQ(c.teethText, "--");
  EXPECT_EQ(c.revolutionText, "--");
  EXPECT_EQ(c.signalText, "--");
  EXPECT_FALSE(c.allPassed());
}

TEST(SensorCheck, ErrorsCountOnlyAboveTheMinimumSpeedAndWrapAt10000) {
  SensorCheck c;
  VitalData v = wheel36minus2(1000);
  v.signalDetected = 0;
  runSensorCheck(c, v, 2, 36, 1000);  // exactly the minimum: not above
  EXPECT_EQ(c.errorCount, 0);
  v.engineSpeedClamped = 1001;
  c.errorCount = 9999;
  runSensorCheck(c, v, 2, 36, 1000);
  EXPECT_EQ(c.errorCount, 0);
}

TEST(SensorCheck, TestIgnitionSelectsTheConstantAngleOrTheCurve) {
  SensorCheck c;
  VitalData v = wheel36minus2(3000);
  v.testIgnitionRaw = 60;
  runSensorCheck(c, v, 2, 36, 1000);
  EXPECT_TRUE(c.testConstant);
  EXPECT_EQ(c.testConstantAngle, 10);
  v.testIgnitionRaw = 255;
  runSensorCheck(c, v, 2, 36, 1000);
  EXPECT_FALSE(c.testConstant);
}

TEST(SensorCheck, TheLampShowsACheckMarkACrossOrNothing) {
  SensorCheck c;
  runSensorCheck(c, wheel36minus2(3000), 2, 36, 1000);
  const Rgb grey{128, 128, 128};
  const Drawing ok = sensorLamp(c, true, 50, 50, grey);
  ASSERT_EQ(ok.items.size(), 3u);  // background, two strokes of 7
  const auto& stroke = std::get<DrawLine>(ok.items[1]);
  EXPECT_EQ(stroke.from, (DrawPoint{5, 25}));
  EXPECT_EQ(stroke.to, (DrawPoint{25, 45}));
  EXPECT_EQ(stroke.colour, (Rgb{0, 192, 0}));
  EXPECT_EQ(std::get<DrawLine>(ok.items[2]).to, (DrawPoint{45, 5}));
  c.passed = 3;
  const Drawing failed = sensorLamp(c, true, 50, 50, grey);
  const auto& cross = std::get<DrawLine>(failed.items[2]);
  EXPECT_EQ(cross.from, (DrawPoint{5, 45}));
  EXPECT_EQ(cross.colour, (Rgb{255, 0, 0}));
  EXPECT_EQ(sensorLamp(c, false, 50, 50, grey).items.size(), 1u);
}

}  // namespace
}  // namespace qx
