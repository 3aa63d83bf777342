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

}  // namespace
}  // namespace qx
