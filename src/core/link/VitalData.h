#pragma once
// The latest live sample of the unit, decoded from the reply to "D".

#include <array>
#include <cstdint>

namespace qx {

inline constexpr int kVitalReplyBytes = 44;  // echo "d" and 43 data bytes
inline constexpr int kMaxComputedSpeed = 16000;

struct VitalData {
  int engineSpeed = 0;
  // Engine speed limited to 16000 1/min; every computation uses it, only the display the
  // raw speed.
  int engineSpeedClamped = 0;
  int throttlePercent = 0;
  double engineTemp = 0;  // °C
  double airTemp = 0;     // °C
  int ignitionBaseDeg = 0;
  int ignitionAngleRaw = 0;  // angle + 50
  int injectionBaseUs = 0;
  int airTempCorrPercent = 0;
  int engineTempCorrPercent = 0;
  int injectionTimeUs = 0;
  int output1 = 0, output2 = 0, input1 = 0, input2 = 0, input3 = 0;
  std::array<double, 3> lambdaMv{};  // probes 1..3
  int testIgnitionRaw = 255;
  int signalDetected = 0;
  int teethCounted = 0;
  int teethPerRevUnit = 0;
  int toothPeriod = 0;
  int gapPeriod = 0;
  std::uint32_t timestamp100kHz = 0;
  int limiterAngle = 0;
  int limiterIgnitionOff = 0;
  int startInjectionOff = 0;
  int cpuTemp = 0;
  int emergencyProgram = 0;
};

// Decodes the 43 data bytes that follow the echo (16- and 32-bit values big-endian).
VitalData decodeVitalData(const std::uint8_t* data);

}  // namespace qx
