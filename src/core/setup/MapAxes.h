#pragma once
// The axes of the InjectionMap, the curves and the lambda table: speed index i stands for
// 1000 * i 1/min, throttle index j for 12.5 * j %, temperature index i for -20 + 10 * i °C.
// The different places round differently; each variant is named here.

#include "core/util/Numbers.h"

namespace qx::axes {

inline constexpr int kRpmPerSpeedIndex = 1000;
inline constexpr double kPercentPerThrottleIndex = 12.5;
inline constexpr int kLastSpeedIndex = 16;
inline constexpr int kLastThrottleIndex = 8;

inline constexpr int speedRpm(int i) {
  return kRpmPerSpeedIndex * i;
}
inline constexpr double throttlePercent(int j) {
  return kPercentPerThrottleIndex * j;
}
inline constexpr int temperatureCelsius(int i) {
  return -20 + 10 * i;
}

// Throttle labels: halves away from zero (37.5 -> 38), or to even (37.5 -> 38, 62.5 -> 62),
// or cut (37.5 -> 37).
inline long long throttleLabelRounded(int j) {
  return roundHalfAway(throttlePercent(j));
}
inline long long throttleLabelEven(int j) {
  return roundHalfEven(throttlePercent(j));
}
inline long long throttleLabelTruncated(int j) {
  return truncateToInt(throttlePercent(j));
}

// Fractional positions on the axes (drawings).
inline double speedPosition(double rpm) {
  return rpm / kRpmPerSpeedIndex;
}
inline double throttlePosition(double percent) {
  return percent / kPercentPerThrottleIndex;
}

// The index nearest to a live value, halves upwards (the editing point follows the engine),
// clamped to the axis.
inline int nearestSpeedIndex(double rpm) {
  return static_cast<int>(clampTo<long long>(
      truncateToInt((rpm + kRpmPerSpeedIndex / 2.0) / kRpmPerSpeedIndex), 0, kLastSpeedIndex));
}
inline int nearestThrottleIndex(double percent) {
  return static_cast<int>(clampTo<long long>(
      truncateToInt((percent + kPercentPerThrottleIndex / 2) / kPercentPerThrottleIndex), 0,
      kLastThrottleIndex));
}
inline int nearestTemperatureIndex(double celsius) {
  return static_cast<int>(clampTo<long long>(truncateToInt((celsius + 25) / 10), 0, 16));
}

// The index nearest to a live value, halves away from zero, not clamped (the lambda table
// clamps its 1-based cells itself).
inline long long speedIndexRounded(double rpm) {
  return roundHalfAway(rpm / kRpmPerSpeedIndex);
}
inline long long throttleIndexRounded(double percent) {
  return roundHalfAway(percent / kPercentPerThrottleIndex);
}

}  // namespace qx::axes
