#include "core/link/ExpertData.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(ControlValues, DecodesTheReplyToPWithTheSignedTimerDifference) {
  const std::uint8_t d[35] = {0, 90, 0, 210, 1, 74,      // start angles 90, 210, 330
                              0x07, 0xD0, 0x07, 0xD0, 0x08, 0x34,  // 2000, 2000, 2100 µs
                              0, 10, 0, 20, 0, 30,      // charge start angles
                              0, 36, 0, 36, 0, 0,       // ignition (charge) angles
                              0x01, 0x2C,               // angle limit 300
                              6, 7,                     // dynamic angles
                              0xFF, 0xD8,               // timer difference -40
                              0, 4, 0x5A, 0xA5, 0x80};
  ControlValues c = decodeControlValues(d);
  EXPECT_EQ(c.injectionStartAngle[2], 330);
  EXPECT_EQ(c.injectionTimeUs[2], 2100);
  EXPECT_EQ(c.ignitionAngle[0], 36);
  EXPECT_EQ(c.angleLimit, 300);
  EXPECT_EQ(c.dynamicAngle2, 7);
  EXPECT_EQ(c.accelTimerDiffRaw, 65496);
  EXPECT_EQ(c.accelTimerDiff, -40);
  EXPECT_EQ(c.controlValue, 0x5AA5);
  EXPECT_EQ(c.calibration, 0x80);

  // 6000 rpm: one revolution is 10000 µs; 2000 µs is 20 %. 36° at 6000 rpm is 999.8 µs
  // (60 / 6001 s per revolution); with a set charge time of 4 × 250 µs that is 100 %.
  DerivedControl r = deriveControl(c, 6000, 10, 4);
  EXPECT_EQ(r.injectionSharePercent[0], 20);
  EXPECT_EQ(r.injectionSharePercent[2], 21);
  EXPECT_EQ(r.chargeTimeUs[0], 1000);
  EXPECT_EQ(r.chargeSharePercent[0], 100);
  EXPECT_NEAR(r.accelDegrees, -40 / 1250.0 * 360.0, 1e-9);
}

TEST(ControlValues, StandingEngineAndZeroParametersGiveNoInfinity) {
  ControlValues c;
  c.injectionTimeUs = {2000, 2000, 2000};
  c.ignitionAngle = {36, 36, 36};
  // Engine stands: the quick-start speed stands in (10 × 20 = 200 rpm).
  DerivedControl r = deriveControl(c, 0, 10, 0);
  EXPECT_EQ(r.injectionSharePercent[0], 1);  // 2000 / 300000 µs
  EXPECT_EQ(r.chargeSharePercent[0], 0);     // charge-time parameter 0
  EXPECT_EQ(r.accelDegrees, 0);
  DerivedControl none = deriveControl(c, 0, 0, 1);
  EXPECT_EQ(none.injectionSharePercent[0], 0);
}

TEST(ExpertTiming, FrequencyDriftAndDeviationFromTheUnitsClock) {
  ExpertData e;
  e.previousTimestamp = 100000;  // 1 s
  e.previousPcMs = 5000;
  updateExpertTiming(e, 110000, 5100);  // 100 ms later on both clocks
  EXPECT_EQ(e.timestampText, "110000");
  EXPECT_EQ(e.timeOfDayText, "(00:00:01)");
  EXPECT_EQ(e.comFrequencyText, "10.00");
  EXPECT_EQ(e.comFrequencyMeanText, "0.33");  // 10 among 30 values
  EXPECT_EQ(e.clockDriftText, "-4000");       // 1100 ms unit time, 5100 ms PC time
  // The drift is negative: the deviation (0 %) is negated.
  EXPECT_EQ(e.deviationMeanText, "0.00");

  e.resetRequested = true;
  updateExpertTiming(e, 120000, 5210);
  EXPECT_EQ(e.clockDriftText, "0");
  EXPECT_FALSE(e.resetRequested);
  // PC 110 ms against 100 ms unit time: +10 %, one value among 100.
  EXPECT_EQ(e.deviationMeanText, "0.10");
}

TEST(ExpertTiming, SameStampTwiceGivesZeroNotInfinity) {
  ExpertData e;
  updateExpertTiming(e, 5000, 10);
  updateExpertTiming(e, 5000, 20);
  EXPECT_EQ(e.comFrequencyText, "0.00");
  EXPECT_EQ(e.deviationMeanText.find("nan"), std::string::npos);
  EXPECT_EQ(e.deviationMeanText.find("inf"), std::string::npos);
}

TEST(ExpertTiming, TimeOfDayWrapsAfter24HoursAndTheStampWrapsModulo32Bits) {
  ExpertData e;
  e.previousTimestamp = 0xFFFFFF00u;
  updateExpertTiming(e, 0x00000100u, 0);  // 512 ticks later across the wrap
  EXPECT_EQ(e.comFrequencyText, "195.31");
  updateExpertTiming(e, 100000u * 90061u % 4294967296u, 0);
  EXPECT_FALSE(e.timeOfDayText.empty());
}

TEST(ExpertTiming, SpeedMeanOverFortySamples) {
  ExpertData e;
  for (int i = 0; i < 40; ++i) updateExpertSpeedMean(e, 4000);
  EXPECT_EQ(e.speedMeanText, "4000.0");
  updateExpertSpeedMean(e, 4040);
  EXPECT_EQ(e.speedMeanText, "4001.0");
}

}  // namespace
}  // namespace qx
