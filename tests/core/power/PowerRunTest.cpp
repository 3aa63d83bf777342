#include "core/power/PowerRun.h"

#include <gtest/gtest.h>

#include "core/link/VitalData.h"

namespace qx {
namespace {

VitalData at(std::uint32_t stamp, int rpm) {
  VitalData v;
  v.timestamp100kHz = stamp;
  v.engineSpeedClamped = rpm;
  return v;
}

TEST(PowerRun, EveryFourthSampleIsStoredWithTimeSinceTheFirst) {
  PowerRun run;
  run.recording = true;
  for (int i = 0; i < 8; ++i) samplePowerRun(run, at(1000000 + 10000 * i, 3000 + i), 3);
  ASSERT_EQ(run.samples, 2);
  EXPECT_EQ(run.table[1][1], 0.0f);
  EXPECT_EQ(run.table[1][2], 3003.0f);
  EXPECT_EQ(run.table[2][1], 400.0f);  // 40000 ticks of 10 µs
  EXPECT_EQ(run.table[2][2], 3007.0f);
}

TEST(PowerRun, LowSpeedsStoreZeroAndNothingIsStoredWhenNotRecording) {
  PowerRun run;
  samplePowerRun(run, at(0, 5000), 0);
  EXPECT_EQ(run.samples, 0);
  run.recording = true;
  samplePowerRun(run, at(0, 300), 0);
  samplePowerRun(run, at(100, 301), 0);
  EXPECT_EQ(run.table[1][2], 0.0f);
  EXPECT_EQ(run.table[2][2], 301.0f);
}

TEST(PowerRun, TheUnitsStampMayWrapDuringARun) {
  PowerRun run;
  run.recording = true;
  samplePowerRun(run, at(0xFFFFFF9Cu, 4000), 0);  // 100 ticks before the wrap
  samplePowerRun(run, at(0x00000064u, 4100), 0);  // 100 ticks after it
  EXPECT_EQ(run.table[2][1], 2.0f);
}

TEST(PowerRun, StopsStoringAt700Samples) {
  PowerRun run;
  run.recording = true;
  for (int i = 0; i < 750; ++i) samplePowerRun(run, at(static_cast<std::uint32_t>(i), 4000), 0);
  EXPECT_EQ(run.samples, 700);
}

}  // namespace
}  // namespace qx
