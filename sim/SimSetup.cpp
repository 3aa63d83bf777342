#include "SimSetup.h"

#include <algorithm>
#include <cmath>

namespace orksim {

void setMapCell(SetupImage& image, int r, int t, int value) {
  const int o = off::injectionMap + 34 * t + 2 * r;
  image[static_cast<std::size_t>(o)] = static_cast<std::uint8_t>(value & 0xFF);
  image[static_cast<std::size_t>(o + 1)] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

SetupImage factorySetup() {
  SetupImage s{};
  auto set = [&s](int offset, int v) { s[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(v); };
  auto setWord = [&s](int offset, int v) {
    s[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(v & 0xFF);
    s[static_cast<std::size_t>(offset + 1)] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
  };
  set(0, 120), set(1, 120);       // cylinder offsets
  set(2, 20), set(3, 230);        // engine sensor: 0 °C at 2.30 V
  set(4, 120), set(5, 50);        // 100 °C at 0.50 V
  set(6, 20), set(7, 230);        // air sensor
  set(8, 100), set(9, 60);
  set(10, 0), set(11, 45);        // throttle: 0 % at 0.45 V
  set(12, 100), set(13, 230);     // 100 % at 2.30 V
  set(off::coilChargeTime, 12);   // 3000 µs
  set(15, 0);
  set(off::sensorAngle, 60);
  set(off::triggerWheelTeeth, 36);
  set(18, 90);
  setWord(19, 3000);              // start injection 3000 µs
  set(21, 3);
  set(22, 10);                    // quick start 200 rpm
  set(off::retardRpm, 110), set(off::retardAngle, 6);
  set(off::output1RpmOn, 50), set(off::output2RpmOn, 80);
  for (int i = 0; i < 17; ++i) {
    // Air: richer when cold, leaner when hot; 15 means 100 %.
    set(off::airTempCorrection + i, std::clamp(15 + (4 - i) * 3, 0, 255));
    // Ignition: advance rising with speed, taken back at the top.
    set(off::ignitionCurve + i, std::clamp(10 + 2 * i - (i > 12 ? 3 * (i - 12) : 0), 0, 255));
    // Engine: cold-start enrichment down to 100 % at 70 °C.
    set(off::engineTempCorrection + i, i < 9 ? 15 + (9 - i) * 5 : 15);
  }
  for (int r = 0; r <= 16; ++r) {
    // Filling peaks in the middle of the speed range.
    const double fill = 0.72 + 0.28 * std::exp(-std::pow((r - 9.0) / 5.0, 2.0));
    for (int t = 0; t <= 8; ++t)
      setMapCell(s, r, t, static_cast<int>(std::lround(450 + 3300.0 * std::pow(t / 8.0, 0.85) * fill)));
  }
  set(393, 0);
  set(394, 1);                    // tachometer pulses
  set(off::limiterHysteresis, 5);
  set(396, 3), set(397, 3), set(398, 15), set(399, 50);
  set(401, 70), set(402, 20), set(403, 120), set(404, 10), set(405, 100);
  setWord(off::lambdaTarget, 750);
  set(409, 100);
  set(off::output1Mode, 1), set(off::output2Mode, 2);  // 2: on between its two speeds
  set(off::output1RpmOff, 160), set(off::output2RpmOff, 160);
  set(off::triggerGapCount, 2);
  setWord(418, 100);
  set(420, 10);
  for (int c = 0; c < 3; ++c) setWord(off::injectorSwitchTime + 2 * c, 0);
  set(off::ignitionCutRpm, 125);  // 12500 rpm
  set(off::emergencyEngineTemp, 135);  // 115 °C
  set(off::emergencyCutRpm, 60);
  set(off::emergencyIgnitionAngle, 40);  // 10 °KW
  set(off::emergencyEnrichment, 50);
  return s;
}

}  // namespace orksim
