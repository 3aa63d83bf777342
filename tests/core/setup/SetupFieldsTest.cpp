#include "core/setup/SetupFields.h"

#include <gtest/gtest.h>

#include <string>

#include "core/util/Numbers.h"

namespace qx {
namespace {

using F = SetupField;

// Takes a typed text over and returns what the window shows afterwards.
std::string typed(SetupRecord& r, F field, const std::string& text) {
  takeTypedText(r, field, text);
  return shownText(r, field);
}

TEST(IntegerReading, SignsPrefixesAndStopCharacters) {
  EXPECT_EQ(integerReading("  \t42"), 42);
  EXPECT_EQ(integerReading("-50"), -50);
  EXPECT_EQ(integerReading("+7"), 7);
  EXPECT_EQ(integerReading("5050rpm"), 5050);
  EXPECT_EQ(integerReading("12.9"), 12);
  EXPECT_EQ(integerReading("$1F"), 31);
  EXPECT_EQ(integerReading("$ff"), 255);
  EXPECT_EQ(integerReading("-$10"), -16);
  EXPECT_EQ(integerReading("%1011"), 11);
  EXPECT_EQ(integerReading("%102"), 2);
  EXPECT_EQ(integerReading("abc"), 0);
  EXPECT_EQ(integerReading(""), 0);
  EXPECT_EQ(integerReading("- 5"), 0);
  EXPECT_EQ(integerReading("99999999999999999999999"), kReadingLimit);
  EXPECT_EQ(integerReading("-$FFFFFFFFFFFFFFFFFFFFFF"), -kReadingLimit);
}

TEST(DecimalReading, SinglePrecisionPrefix) {
  EXPECT_EQ(decimalReading("0.45"), 0.45f);
  EXPECT_EQ(decimalReading(" -2.5V"), -2.5f);
  EXPECT_EQ(decimalReading(".5"), 0.5f);
  EXPECT_EQ(decimalReading("3."), 3.0f);
  EXPECT_EQ(decimalReading("1e2"), 100.0f);
  EXPECT_EQ(decimalReading("2e"), 2.0f);
  EXPECT_EQ(decimalReading("0,45"), 0.0f);  // a comma ends the number
  EXPECT_EQ(decimalReading("x1"), 0.0f);
  EXPECT_EQ(decimalReading("."), 0.0f);
  EXPECT_EQ(decimalReading("1e999"), std::numeric_limits<float>::max());
  EXPECT_EQ(decimalReading("-1e999"), -std::numeric_limits<float>::max());
  EXPECT_EQ(decimalReading("1e-999"), 0.0f);
}

TEST(SetupFields, ScaledSpeedsAreCutTowardZeroThenClamped) {
  SetupRecord r;
  EXPECT_EQ(typed(r, F::Output1RpmOn, "5050"), "5000");
  EXPECT_EQ(r.output1RpmOn, 50);
  EXPECT_EQ(typed(r, F::Output1RpmOn, "5099"), "5000");
  EXPECT_EQ(typed(r, F::Output1RpmOn, "-50"), "100");  // 0, then the minimum 1
  EXPECT_EQ(typed(r, F::RetardRpm, "20000"), "16000");
  EXPECT_EQ(typed(r, F::RetardRpm, "letters"), "1000");  // 0, clamped to 10
  EXPECT_EQ(typed(r, F::QuickStartRpm, "219"), "200");
  EXPECT_EQ(typed(r, F::QuickStartRpm, "9999"), "5000");
  EXPECT_EQ(typed(r, F::LimiterHysteresis, "45"), "40");
  EXPECT_EQ(typed(r, F::EmergencyCutRpm, "99"), "0");  // this one may be 0
}

TEST(SetupFields, CoilChargeTimeInStepsOf250) {
  SetupRecord r;
  EXPECT_EQ(typed(r, F::CoilChargeTime, "9000"), "8000");
  EXPECT_EQ(r.coilChargeTime, 32);
  EXPECT_EQ(typed(r, F::CoilChargeTime, "3100"), "3000");
  EXPECT_EQ(r.coilChargeTime, 12);
  EXPECT_EQ(typed(r, F::CoilChargeTime, "200"), "250");
  EXPECT_EQ(r.coilChargeTime, 1);
}

TEST(SetupFields, TemperaturesCarryAnOffsetAndTheirOwnRanges) {
  SetupRecord r;
  EXPECT_EQ(typed(r, F::EngineTempPoint1Temp, "-30"), "-20");
  EXPECT_EQ(r.engineTempPoint1Temp, 0);
  EXPECT_EQ(typed(r, F::EngineTempPoint2Temp, "130"), "120");  // 150 clamped to 140
  EXPECT_EQ(r.engineTempPoint2Temp, 140);
  EXPECT_EQ(typed(r, F::AirTempPoint2Temp, "130"), "80");  // clamped to 100
  EXPECT_EQ(typed(r, F::EmergencyEngineTemp, "40"), "50");  // minimum 70 stored
  EXPECT_EQ(typed(r, F::EmergencyIgnitionAngle, "-10"), "-10");
  EXPECT_EQ(r.emergencyIgnitionAngle, 20);
  EXPECT_EQ(typed(r, F::EmergencyIgnitionAngle, "45"), "30");  // 75 clamped to 60
}

TEST(SetupFields, VoltagesRoundHalfAwayAndShowTwoDecimals) {
  SetupRecord r;
  EXPECT_EQ(typed(r, F::EngineTempPoint1Volt, "3"), "2.55");
  EXPECT_EQ(r.engineTempPoint1Volt, 255);
  EXPECT_EQ(typed(r, F::EngineTempPoint1Volt, "0.45"), "0.45");
  EXPECT_EQ(r.engineTempPoint1Volt, 45);
  EXPECT_EQ(typed(r, F::ThrottlePoint2Volt, "1.005"), "1.00");  // 1.00499999 in single precision
  EXPECT_EQ(typed(r, F::ThrottlePoint2Volt, "1.015"), "1.01");  // 101.4999986 in single precision
  EXPECT_EQ(typed(r, F::ThrottlePoint2Volt, "0.125"), "0.13");  // exactly 12.5: half away
  EXPECT_EQ(typed(r, F::AirTempPoint1Volt, "-1"), "0.00");
  EXPECT_EQ(typed(r, F::AirTempPoint1Volt, "1,5"), "1.00");  // the comma ends the reading
}

TEST(SetupFields, LambdaTargetIsCutFromTheSinglePrecisionReading) {
  SetupRecord r;
  EXPECT_EQ(typed(r, F::LambdaTarget, "0.45"), "0.449");
  EXPECT_EQ(r.lambdaTarget, 449);
  EXPECT_EQ(typed(r, F::LambdaTarget, "0.5"), "0.500");
  EXPECT_EQ(typed(r, F::LambdaTarget, "2"), "1.500");
  EXPECT_EQ(typed(r, F::LambdaTarget, "-0.1"), "0.000");
}

TEST(SetupFields, TakingOverTheShownTextAgainNeverChangesAValue) {
  // Windows take over all their fields on every Return: for each field and each stored value
  // in its range, the shown text read back gives the same value.
  for (const FieldInfo& f : setupFields()) {
    for (int v = f.min; v <= f.max; ++v) {
      SetupRecord r;
      setStoredValue(r, f.id, v);
      takeTypedText(r, f.id, shownText(r, f.id));
      ASSERT_EQ(storedValue(r, f.id), v) << f.name << " " << f.cylinder;
    }
  }
  // A value out of range (from the unit or a file) is still clamped when taken over.
  SetupRecord r;
  EXPECT_EQ(r.emergencyEngineTemp, 0);
  EXPECT_EQ(typed(r, F::EmergencyEngineTemp, shownText(r, F::EmergencyEngineTemp)), "50");
  // A new entry is read in single precision as before.
  r.lambdaTarget = 20;
  EXPECT_EQ(typed(r, F::LambdaTarget, "0.020"), "0.020");
  EXPECT_EQ(typed(r, F::LambdaTarget, "0.02"), "0.019");
}

TEST(SetupFields, DynamicFactorsRoundHalfAwayWithin1To20) {
  SetupRecord r;
  EXPECT_EQ(typed(r, F::DynamicFactor1, "2.5"), "3");
  EXPECT_EQ(typed(r, F::DynamicFactor1, "2.49"), "2");
  EXPECT_EQ(typed(r, F::DynamicFactor2, "0.4"), "1");
  EXPECT_EQ(typed(r, F::DynamicFactor2, "25"), "20");
}

TEST(SetupFields, PlainFieldsAndSixteenBitRanges) {
  SetupRecord r;
  EXPECT_EQ(typed(r, F::StartInjectionTime, "12000"), "10000");
  EXPECT_EQ(typed(r, F::StartInjectionTime, "$100"), "256");
  EXPECT_EQ(typed(r, F::InjectorSwitchTime2, "5000"), "4000");
  EXPECT_EQ(r.injectorSwitchTime[1], 4000);
  EXPECT_EQ(typed(r, F::LearnIncrement, "1"), "5");
  EXPECT_EQ(typed(r, F::TriggerWheelTeeth, "abc"), "3");
  EXPECT_EQ(typed(r, F::InjectorCorrection3, "251"), "250");
  EXPECT_EQ(r.injectorCorrection[2], 250);
}

TEST(SetupFields, OnlyTheNamedPairsAreExchanged) {
  SetupRecord r;
  takeTypedText(r, F::Output1RpmOn, "8000");
  takeTypedText(r, F::Output1RpmOff, "5000");
  orderPair(r, kOutput1Pair);
  EXPECT_EQ(r.output1RpmOn, 50);
  EXPECT_EQ(r.output1RpmOff, 80);
  orderPair(r, kOutput1Pair);  // already in order: unchanged
  EXPECT_EQ(r.output1RpmOn, 50);

  r.learnThrottleLow = 90;
  r.learnThrottleHigh = 20;
  orderPair(r, kLearnThrottlePair);
  EXPECT_EQ(r.learnThrottleLow, 20);
  EXPECT_EQ(r.learnThrottleHigh, 90);
}

TEST(SetupFields, TableDescribesEveryValueOnce) {
  // Widths add up to the image without the maps and curves (435 - 3 * 17 - 306).
  int bytes = 0;
  for (const FieldInfo& f : setupFields()) bytes += fieldWidth(f);
  EXPECT_EQ(bytes, 78);
  EXPECT_EQ(fieldInfo(F::InjectorBalance3).offset, 34);
  EXPECT_EQ(fieldInfo(F::LearnIncrement).offset, 418);
  EXPECT_EQ(fieldWidth(fieldInfo(F::LambdaTarget)), 2);
}

}  // namespace
}  // namespace qx
