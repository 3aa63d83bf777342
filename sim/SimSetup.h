#pragma once
// The unit's setup as it holds it: the 435-byte image, with the offsets the engine model
// reads. The simulator keeps its own copy of the layout, as a real unit would.

#include <array>
#include <cstdint>

namespace orksim {

inline constexpr int kImageBytes = 435;
using SetupImage = std::array<std::uint8_t, kImageBytes>;

namespace off {
inline constexpr int coilChargeTime = 14, sensorAngle = 16, triggerWheelTeeth = 17;
inline constexpr int retardRpm = 23, retardAngle = 24, output1RpmOn = 25, output2RpmOn = 26;
inline constexpr int injectorCorrection = 27;  // 3 bytes
inline constexpr int airTempCorrection = 36, ignitionCurve = 53, injectionMap = 70;
inline constexpr int engineTempCorrection = 376, limiterHysteresis = 395;
inline constexpr int learningActive = 400, lambdaTarget = 406;
inline constexpr int output1Mode = 410, output2Mode = 411, output1RpmOff = 415;
inline constexpr int output2RpmOff = 416, triggerGapCount = 417, injectorSwitchTime = 421;
inline constexpr int ignitionCutRpm = 427, startInjectionOff = 429, lambdaLoggingActive = 430;
inline constexpr int emergencyEngineTemp = 431, emergencyCutRpm = 432;
inline constexpr int emergencyIgnitionAngle = 433, emergencyEnrichment = 434;
}  // namespace off

// Typed reads of the image.
struct SetupView {
  const SetupImage& image;
  int byte(int offset) const { return image[static_cast<std::size_t>(offset)]; }
  int word(int offset) const {  // little-endian, signed
    return static_cast<std::int16_t>(byte(offset) | (byte(offset + 1) << 8));
  }
  // Injection map cell (speed index r 0..16, throttle index t 0..8), µs.
  int mapCell(int r, int t) const {
    const int o = off::injectionMap + 34 * t + 2 * r;
    return byte(o) | (byte(o + 1) << 8);
  }
};

// Writes one injection map cell.
void setMapCell(SetupImage& image, int r, int t, int value);

// The setup a new unit comes with: a running 250 ccm single with a 36-2 trigger wheel.
SetupImage factorySetup();

}  // namespace orksim
