#include "core/link/ExpertData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "core/util/Bytes.h"
#include "core/util/Numbers.h"

namespace qx {

double MovingAverage::mean() const {
  return std::accumulate(values_.begin(), values_.end(), 0.0) / static_cast<double>(values_.size());
}

ControlValues decodeControlValues(const std::uint8_t* d) {
  ControlValues c;
  for (std::size_t k = 0; k < 3; ++k) {
    c.injectionStartAngle[k] = readBe16(d + 2 * k);
    c.injectionTimeUs[k] = readBe16(d + 6 + 2 * k);
    c.chargeStartAngle[k] = readBe16(d + 12 + 2 * k);
    c.ignitionAngle[k] = readBe16(d + 18 + 2 * k);
  }
  c.angleLimit = readBe16(d + 24);
  c.dynamicAngle1 = d[26];
  c.dynamicAngle2 = d[27];
  c.accelTimerDiffRaw = readBe16(d + 28);
  c.accelTimerDiff = c.accelTimerDiffRaw >= 32768 ? c.accelTimerDiffRaw - 65536 : c.accelTimerDiffRaw;
  c.revsForSet = readBe16(d + 30);
  c.controlValue = readBe16(d + 32);
  c.calibration = d[34];
  return c;
}

DerivedControl deriveControl(const ControlValues& c, int speed, int minSpeedParam,
                             int coilChargeTime) {
  DerivedControl r;
  const int n = speed != 0 ? speed : minSpeedParam * 20;
  const int m = std::max(speed, minSpeedParam * 20);
  for (std::size_t k = 0; k < 3; ++k) {
    r.injectionSharePercent[k] =
        n < 1 ? 0 : roundHalfAway(c.injectionTimeUs[k] / (60.0 / n * 1000000.0) * 100.0);
    r.chargeTimeUs[k] = roundHalfAway(c.ignitionAngle[k] / 360.0 * 60.0 / (m + 1) * 1000000.0);
    // A charge-time parameter of 0 would divide by zero: the share is then 0.
    r.chargeSharePercent[k] =
        coilChargeTime == 0
            ? 0
            : roundHalfAway(static_cast<double>(r.chargeTimeUs[k]) / (coilChargeTime * 250.0) * 100.0);
  }
  r.accelDegrees = speed > 0 ? c.accelTimerDiff / (7500000.0 / speed) * 360.0 : 0.0;
  return r;
}

void updateExpertTiming(ExpertData& e, std::uint32_t ts, std::int64_t pcMs) {
  // Differences of the 32-bit stamp are taken modulo 2^32, so a wrap does not matter.
  const std::uint32_t unitInterval = ts - e.previousTimestamp;
  e.timestampText = intText(ts);
  const long long secondsOfDay = (ts / 100000) % 86400;
  char clock[32];
  std::snprintf(clock, sizeof clock, "(%02lld:%02lld:%02lld)", secondsOfDay / 3600,
                secondsOfDay / 60 % 60, secondsOfDay % 60);
  e.timeOfDayText = clock;

  const double frequency = unitInterval == 0 ? 0.0 : 100000.0 / unitInterval;
  e.comFrequencyText = fixedText(frequency, 2);
  e.comFrequencies.add(static_cast<double>(roundHalfAway(frequency)));
  e.comFrequencyMeanText = fixedText(e.comFrequencies.mean(), 2);

  if (e.resetRequested) {
    e.pcReferenceMs = pcMs - ts / 100;
    e.resetRequested = false;
  }
  const long long drift = static_cast<long long>(ts / 100) - (pcMs - e.pcReferenceMs);
  e.clockDriftText = intText(drift);

  const double pcInterval = static_cast<double>(pcMs - e.previousPcMs);
  double deviation = unitInterval == 0 ? 0.0 : pcInterval * 100.0 / unitInterval * 100.0 - 100.0;
  if (drift < 0) deviation = -deviation;
  e.previousTimestamp = ts;
  e.previousPcMs = pcMs;
  e.hasPrevious = true;
  e.deviations.add(deviation);
  e.deviationMeanText = fixedText(e.deviations.mean(), 2);
}

void updateExpertSpeedMean(ExpertData& e, int engineSpeedClamped) {
  e.speeds.add(engineSpeedClamped);
  e.speedMeanText = fixedText(e.speeds.mean(), 1);
}

}  // namespace qx
