#pragma once
// The program's copy of the unit's complete setup. It exists once (in Program) and every
// window that shows or edits a setup value reads and writes this one record. The member
// initialisers are the start values the program begins with before anything is read from
// the unit or a file.

#include <array>
#include <cstddef>
#include <cstdint>

namespace qx {

// Per-cylinder values: cylinder c (1..3) is element c - 1.
template <typename T>
using PerCylinder = std::array<T, 3>;

inline constexpr int kSpeedPoints = 17;    // engine speed 1000 * r rpm, r = 0..16
inline constexpr int kThrottlePoints = 9;  // throttle 12.5 * t %, t = 0..8
inline constexpr int kMapCells = kSpeedPoints * kThrottlePoints;

// IgnitionCurve and the two temperature correction curves: 17 points each.
using Curve = std::array<std::uint8_t, kSpeedPoints>;
// InjectionMap in microseconds; cell (r, t) at 9 * r + t.
using InjectionMap = std::array<std::uint16_t, kMapCells>;

constexpr std::size_t mapIndex(int r, int t) {
  return static_cast<std::size_t>(kThrottlePoints * r + t);
}

struct SetupRecord {
  std::uint8_t cylinderOffset12 = 0;
  std::uint8_t cylinderOffset23 = 0;
  std::uint8_t engineTempPoint1Temp = 0;
  std::uint8_t engineTempPoint1Volt = 0;
  std::uint8_t engineTempPoint2Temp = 0;
  std::uint8_t engineTempPoint2Volt = 0;
  std::uint8_t airTempPoint1Temp = 0;
  std::uint8_t airTempPoint1Volt = 0;
  std::uint8_t airTempPoint2Temp = 0;
  std::uint8_t airTempPoint2Volt = 0;
  std::uint8_t throttlePoint1Percent = 0;
  std::uint8_t throttlePoint1Volt = 0;
  std::uint8_t throttlePoint2Percent = 0;
  std::uint8_t throttlePoint2Volt = 0;
  std::uint8_t coilChargeTime = 1;  // 250 us steps
  std::uint8_t coilDriver = 0;
  std::uint8_t sensorAngle = 10;
  std::uint8_t triggerWheelTeeth = 8;
  std::uint8_t injectionStartAngle = 0;
  std::int16_t startInjectionTime = 0;
  std::uint8_t startInjectionRevs = 0;
  std::uint8_t quickStartRpm = 10;  // 20 rpm steps
  std::uint8_t retardRpm = 10;      // 100 rpm steps
  std::uint8_t retardAngle = 0;
  std::uint8_t output1RpmOn = 0;
  std::uint8_t output2RpmOn = 0;
  PerCylinder<std::uint8_t> injectorCorrection{};
  PerCylinder<std::int16_t> injectorBalance{};
  Curve airTempCorrection{};
  Curve ignitionCurve{};
  InjectionMap injectionMap{};
  Curve engineTempCorrection{};
  std::uint8_t sensorEdge = 0;
  std::uint8_t tachoPulsesPerRev = 1;
  std::uint8_t limiterHysteresis = 1;  // 20 rpm steps
  std::uint8_t dynamicFactor1 = 3;
  std::uint8_t dynamicFactor2 = 3;
  std::uint8_t dynamicFactor1UpToRpm = 15;
  std::uint8_t dynamicFactor2UpToRpm = 50;
  std::uint8_t learningActive = 0;
  std::uint8_t learnMinEngineTemp = 70;  // degrees C + 20
  std::uint8_t learnRpmLow = 20;
  std::uint8_t learnRpmHigh = 160;
  std::uint8_t learnThrottleLow = 10;
  std::uint8_t learnThrottleHigh = 100;
  std::int16_t lambdaTarget = 750;  // mV
  std::uint8_t learnLambdaInputs = 0;
  std::uint8_t learnRate = 100;
  std::uint8_t output1Mode = 0;
  std::uint8_t output2Mode = 0;
  std::uint8_t input1Function = 0;
  std::uint8_t input2Function = 0;
  std::uint8_t input3Function = 0;
  std::uint8_t output1RpmOff = 0;
  std::uint8_t output2RpmOff = 0;
  std::uint8_t triggerGapCount = 2;
  std::int16_t learnIncrement = 100;
  std::uint8_t sensorDamping = 10;
  PerCylinder<std::int16_t> injectorSwitchTime{};
  std::uint8_t ignitionCutRpm = 0;
  std::uint8_t startInjectionAdd = 0;
  std::uint8_t startInjectionOff = 0;
  std::uint8_t lambdaLoggingActive = 0;
  std::uint8_t emergencyEngineTemp = 0;
  std::uint8_t emergencyCutRpm = 0;
  std::uint8_t emergencyIgnitionAngle = 0;  // degrees + 30
  std::uint8_t emergencyEnrichment = 0;

  std::uint16_t& mapCell(int r, int t) { return injectionMap[mapIndex(r, t)]; }
  std::uint16_t mapCell(int r, int t) const { return injectionMap[mapIndex(r, t)]; }

  bool operator==(const SetupRecord&) const = default;
};

}  // namespace qx
