#include "core/display/VitalDisplay.h"

#include <gtest/gtest.h>

#include "core/link/VitalData.h"

namespace qx {
namespace {

// A hand-built reply to "D" without its echo: 43 bytes, big-endian words.
std::vector<std::uint8_t> sample() {
  return {
      0x4E, 0x20,  // engine speed 20000
      0xAB, 0xCD,  // ignored
      55,          // throttle
      0,           // engine temperature raw 0 -> -20 °C
      45,          // air temperature raw 45 -> 25 °C
      28,          // ignition from the curve
      30,          // ignition raw 30 -> -20 °KW
      0x03, 0xE8,  // injection base 1000 µs
      110,         // air correction 110 %
      85,          // engine correction 85 %
      0x07, 0xD0,  // injection time 2000 µs
      1, 0, 2, 1, 0,  // outputs and inputs; input 1 sends 2
      0x04, 0xD2,  // lambda 1: 1234 mV
      0x01, 0xC2,  // lambda 2: 450 mV
      0x00, 0x05,  // lambda 3: 5 mV
      255,         // test ignition: use the curve
      1, 33, 36,   // signal, teeth counted, teeth per revolution
      0x01, 0x00,  // tooth period 256
      0x03, 0x00,  // gap period 768
      0x01, 0x02, 0x03, 0x04,  // time stamp
      1, 0, 1,     // limiter angle, limiter ignition off, start injection off
      86,          // CPU temperature
      1,           // emergency program
  };
}

TEST(VitalData, DecodesEveryFieldBigEndianWithTheSpeedClampedForComputing) {
  const auto bytes = sample();
  ASSERT_EQ(bytes.size(), 43u);
  const VitalData v = decodeVitalData(bytes.data());
  EXPECT_EQ(v.engineSpeed, 20000);
  EXPECT_EQ(v.engineSpeedClamped, 16000);
  EXPECT_EQ(v.throttlePercent, 55);
  EXPECT_DOUBLE_EQ(v.engineTemp, -20);
  EXPECT_DOUBLE_EQ(v.airTemp, 25);
  EXPECT_EQ(v.ignitionAngleRaw, 30);
  EXPECT_EQ(v.injectionBaseUs, 1000);
  EXPECT_EQ(v.injectionTimeUs, 2000);
  EXPECT_EQ(v.input1, 2);
  EXPECT_DOUBLE_EQ(v.lambdaMv[0], 1234);
  EXPECT_EQ(v.teethCounted, 33);
  EXPECT_EQ(v.toothPeriod, 256);
  EXPECT_EQ(v.gapPeriod, 768);
  EXPECT_EQ(v.timestamp100kHz, 0x01020304u);
  EXPECT_EQ(v.startInjectionOff, 1);
  EXPECT_EQ(v.cpuTemp, 86);
  EXPECT_EQ(v.emergencyProgram, 1);
}

TEST(VitalDisplay, EveryTextOfTheMainWindow) {
  VitalTexts t;
  t.input1 = "Ein";
  showVitalData(t, decodeVitalData(sample().data()), 85);
  EXPECT_EQ(t.engineSpeed, "20000");  // shown raw, computed with 16000
  EXPECT_EQ(t.throttle, "55");
  EXPECT_EQ(t.engineTemp, "-20");
  EXPECT_EQ(t.airTemp, "25");
  EXPECT_EQ(t.ignitionBase, "28");
  EXPECT_EQ(t.ignitionAngle, "-20");
  EXPECT_EQ(t.injectionBase, "1000");
  EXPECT_EQ(t.airCorrPercent, "110%");
  EXPECT_EQ(t.airCorrUs, "100");
  EXPECT_EQ(t.engineCorrPercent, "85%");
  EXPECT_EQ(t.engineCorrUs, "-150");
  EXPECT_EQ(t.injectionTime, "2000");
  EXPECT_EQ(t.output1, "Ein");
  EXPECT_EQ(t.output2, "Aus");
  EXPECT_EQ(t.input1, "Ein");  // the unit sent 2: the text stays
  EXPECT_EQ(t.input2, "Ein");
  EXPECT_EQ(t.lambda[0], "1.23");
  EXPECT_EQ(t.lambda[1], "0.45");
  EXPECT_EQ(t.lambda[2], "0.01");
  EXPECT_EQ(t.cpuTemp, "86");
  EXPECT_EQ(t.cpuTempColour, colours::kRed);
}

TEST(VitalDisplay, InjectionTimeIsRedOnlyAboveTheRoundedLimit) {
  // 16000 rpm at 85 %: 60 / 16001 * 1000 * 10 * 85 = 3187.3 -> 3187 µs.
  EXPECT_EQ(availableInjectionUs(16000, 85), 3187);
  EXPECT_EQ(availableInjectionUs(0, 85), 51000000);
  auto bytes = sample();
  VitalTexts t;
  bytes[13] = 3187 >> 8, bytes[14] = 3187 & 0xFF;
  showVitalData(t, decodeVitalData(bytes.data()), 85);
  EXPECT_EQ(t.injectionTimeColour, colours::kBlack);
  bytes[14] = (3188 & 0xFF);
  showVitalData(t, decodeVitalData(bytes.data()), 85);
  EXPECT_EQ(t.injectionTime, "3188");
  EXPECT_EQ(t.injectionTimeColour, colours::kRed);
}

TEST(VitalDisplay, CpuTemperatureTurnsRedAt86) {
  auto bytes = sample();
  VitalTexts t;
  bytes[41] = 85;
  showVitalData(t, decodeVitalData(bytes.data()), 85);
  EXPECT_EQ(t.cpuTempColour, colours::kBlack);
}

TEST(VitalDisplay, CorrectionDifferencesUseTruncatingIntegerDivision) {
  EXPECT_EQ(correctionDifferenceUs(1000, 100), 0);
  EXPECT_EQ(correctionDifferenceUs(1000, 110), 100);
  EXPECT_EQ(correctionDifferenceUs(1000, 85), -150);
  EXPECT_EQ(correctionDifferenceUs(999, 101), 9);   // 1008.99 cut to 1008
  EXPECT_EQ(correctionDifferenceUs(999, 85), -150);  // 849.15 cut to 849
}

}  // namespace
}  // namespace qx
