#pragma once
// What the expert window shows from the live data: the unit's clock against the PC's, and
// the control values of the reply to "P" with the values derived from them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qx {

inline constexpr int kExpertReplyBytes = 36;

// A fixed-length list of the most recent values, starting as zeros.
class MovingAverage {
 public:
  explicit MovingAverage(std::size_t length) : values_(length, 0.0) {}
  void add(double v) {
    values_[next_] = v;
    next_ = (next_ + 1) % values_.size();
  }
  double mean() const;

 private:
  std::vector<double> values_;
  std::size_t next_ = 0;
};

// The control values of the reply to "P" (the data bytes after the echo).
struct ControlValues {
  std::array<int, 3> injectionStartAngle{};
  std::array<int, 3> injectionTimeUs{};
  std::array<int, 3> chargeStartAngle{};
  std::array<int, 3> ignitionAngle{};
  int angleLimit = 0;
  int dynamicAngle1 = 0;
  int dynamicAngle2 = 0;
  int accelTimerDiffRaw = 0;
  int accelTimerDiff = 0;  // two's complement
  int revsForSet = 0;
  int controlValue = 0;
  int calibration = 0;
};
ControlValues decodeControlValues(const std::uint8_t* data);

// The derived values of each cylinder and of the acceleration correction.
struct DerivedControl {
  std::array<long long, 3> injectionSharePercent{};
  std::array<long long, 3> chargeTimeUs{};
  std::array<long long, 3> chargeSharePercent{};
  double accelDegrees = 0;
};
// speed: engineSpeedClamped; minSpeedParam: the setup's quick-start speed (20 rpm steps);
// coilChargeTime: the setup's charge time (250 µs steps).
DerivedControl deriveControl(const ControlValues& c, int speed, int minSpeedParam,
                             int coilChargeTime);

// Everything the expert window shows, kept between samples.
struct ExpertData {
  // The unit's clock.
  std::uint32_t previousTimestamp = 0;
  bool hasPrevious = false;
  std::int64_t previousPcMs = 0;
  std::int64_t pcReferenceMs = 0;
  bool resetRequested = false;  // "Reset Zeitstempel-Diff." pressed
  MovingAverage comFrequencies{30};
  MovingAverage deviations{100};
  MovingAverage speeds{40};

  std::string timestampText, timeOfDayText, comFrequencyText, comFrequencyMeanText;
  std::string clockDriftText, deviationMeanText, speedMeanText;

  bool controlValid = false;
  ControlValues control;
  DerivedControl derived;
};

// The timing part, once per decoded sample while the expert window is shown.
void updateExpertTiming(ExpertData& e, std::uint32_t timestamp100kHz, std::int64_t pcMs);
// The engine-speed mean, after the control values.
void updateExpertSpeedMean(ExpertData& e, int engineSpeedClamped);

}  // namespace qx
