#include "core/setup/SetupImage.h"

#include <gtest/gtest.h>

#include <random>

#include "core/setup/SetupFields.h"

namespace qx {
namespace {

TEST(SetupRecord, StartValues) {
  const SetupRecord r;
  EXPECT_EQ(r.learnMinEngineTemp, 70);
  EXPECT_EQ(r.learnRpmHigh, 160);
  EXPECT_EQ(r.lambdaTarget, 750);
  EXPECT_EQ(r.learnIncrement, 100);
  EXPECT_EQ(r.dynamicFactor2UpToRpm, 50);
  EXPECT_EQ(r.coilChargeTime, 1);
  EXPECT_EQ(r.triggerWheelTeeth, 8);
  EXPECT_EQ(r.triggerGapCount, 2);
  EXPECT_EQ(r.retardRpm, 10);
  EXPECT_EQ(r.quickStartRpm, 10);
  EXPECT_EQ(r.sensorAngle, 10);
  EXPECT_EQ(r.tachoPulsesPerRev, 1);
  EXPECT_EQ(r.sensorDamping, 10);
  EXPECT_EQ(r.emergencyEngineTemp, 0);
  EXPECT_EQ(r.mapCell(16, 8), 0);
}

TEST(SetupImage, EveryKindOfFieldLandsAtItsOffsetLittleEndian) {
  SetupRecord r{};
  r.cylinderOffset12 = 0x11;
  r.coilChargeTime = 0x22;
  r.startInjectionTime = 0x1234;
  r.startInjectionRevs = 0x33;
  r.injectorCorrection = {0x41, 0x42, 0x43};
  r.injectorBalance = {1, -2, 0x0102};
  r.airTempCorrection[0] = 0xA0;
  r.airTempCorrection[16] = 0xA1;
  r.ignitionCurve[0] = 0xB0;
  r.mapCell(0, 0) = 0xC0C1;
  r.mapCell(1, 0) = 0xC2C3;
  r.mapCell(0, 1) = 0xC4C5;
  r.mapCell(16, 8) = 0xABCD;
  r.engineTempCorrection[0] = 0xE0;
  r.sensorEdge = 1;
  r.lambdaTarget = -1;
  r.learnIncrement = 500;
  r.sensorDamping = 0x55;
  r.injectorSwitchTime = {0x0101, 0x0202, 0x0303};
  r.ignitionCutRpm = 0x66;
  r.emergencyEnrichment = 0x77;
  // Everything else zero, including the start values.
  r.learnMinEngineTemp = r.learnRpmLow = r.learnRpmHigh = 0;
  r.learnThrottleLow = r.learnThrottleHigh = 0;
  r.learnRate = 0;
  r.dynamicFactor1 = r.dynamicFactor2 = 0;
  r.dynamicFactor1UpToRpm = r.dynamicFactor2UpToRpm = 0;
  r.sensorAngle = r.triggerWheelTeeth = r.triggerGapCount = 0;
  r.retardRpm = r.limiterHysteresis = r.quickStartRpm = r.tachoPulsesPerRev = 0;

  Bytes expected(435, 0);
  expected[0] = 0x11;
  expected[14] = 0x22;
  expected[19] = 0x34;
  expected[20] = 0x12;
  expected[21] = 0x33;
  expected[27] = 0x41, expected[28] = 0x42, expected[29] = 0x43;
  expected[30] = 0x01, expected[31] = 0x00;
  expected[32] = 0xFE, expected[33] = 0xFF;
  expected[34] = 0x02, expected[35] = 0x01;
  expected[36] = 0xA0;
  expected[52] = 0xA1;
  expected[53] = 0xB0;
  expected[70] = 0xC1, expected[71] = 0xC0;    // cell (0, 0)
  expected[72] = 0xC3, expected[73] = 0xC2;    // cell (1, 0): next speed, same throttle row
  expected[104] = 0xC5, expected[105] = 0xC4;  // cell (0, 1): 70 + 34
  expected[374] = 0xCD, expected[375] = 0xAB;  // cell (16, 8): 70 + 272 + 32
  expected[376] = 0xE0;
  expected[393] = 0x01;
  expected[406] = 0xFF, expected[407] = 0xFF;
  expected[418] = 0xF4, expected[419] = 0x01;
  expected[420] = 0x55;
  expected[421] = 0x01, expected[422] = 0x01;
  expected[423] = 0x02, expected[424] = 0x02;
  expected[425] = 0x03, expected[426] = 0x03;
  expected[427] = 0x66;
  expected[434] = 0x77;
  EXPECT_EQ(encodeSetupImage(r), expected);
}

TEST(SetupImage, DecodeTakesWordsSignedAndMapCellsUnsigned) {
  Bytes image(435, 0);
  image[19] = 0x00, image[20] = 0x80;    // startInjectionTime
  image[406] = 0xFF, image[407] = 0xFF;  // lambdaTarget
  image[30] = 0x18, image[31] = 0xFC;    // injectorBalance cylinder 1: -1000
  image[374] = 0xFF, image[375] = 0xFF;  // map cell (16, 8)
  image[17] = 0xFF;                      // triggerWheelTeeth, kept out of range as it came
  SetupRecord r;
  ASSERT_TRUE(decodeSetupImage(image, r));
  EXPECT_EQ(r.startInjectionTime, -32768);
  EXPECT_EQ(r.lambdaTarget, -1);
  EXPECT_EQ(r.injectorBalance[0], -1000);
  EXPECT_EQ(r.mapCell(16, 8), 65535);
  EXPECT_EQ(r.triggerWheelTeeth, 255);
  EXPECT_EQ(r.coilChargeTime, 0);  // every field comes from the image, no start value stays
}

TEST(SetupImage, EveryByteBelongsToExactlyOneValue) {
  // Random images survive decode and encode unchanged: no offset is missing from the table
  // and no two values share a byte.
  std::mt19937 rng(42);
  for (int round = 0; round < 50; ++round) {
    Bytes image(435);
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    SetupRecord r;
    ASSERT_TRUE(decodeSetupImage(image, r));
    ASSERT_EQ(encodeSetupImage(r), image);
  }
}

TEST(SetupImage, ShortImageLeavesTheRecordAlone) {
  SetupRecord r;
  r.retardAngle = 7;
  EXPECT_FALSE(decodeSetupImage(Bytes(434, 0xFF), r));
  EXPECT_EQ(r.retardAngle, 7);
}

}  // namespace
}  // namespace qx
