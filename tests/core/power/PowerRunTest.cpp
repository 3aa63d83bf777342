#include "core/power/PowerRun.h"

#include <gtest/gtest.h>

#include "core/link/VitalData.h"
#include "support/Fakes.h"

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

// One COM tick as the loop runs it: the bookkeeping, then the live sample.
bool tick(PowerRun& run, test::ManualClock& clock, std::uint32_t stamp, int rpm) {
  const bool calculated = powerRunProgress(run, clock);
  samplePowerRun(run, at(stamp, rpm), 1);
  return calculated;
}

TEST(PowerRun, TheTickCountsDownAndCalculatesAfterEachSample) {
  test::ManualClock clock;
  clock.nowMs = 5000;
  PowerRun run;
  run.table[3][kRunSpeed] = 9999;  // an old run is cleared by the start
  startPowerRun(run, clock);
  EXPECT_EQ(run.table[3][kRunSpeed], 0.0f);
  struct Step {
    std::int64_t atMs;
    bool calculates;  // the previous tick took a sample
    long long seconds, bar;
  };
  // With data interval 1 every second tick samples.
  // clang-format off
  const Step steps[] = {{5100, true, 60, 100}, {5600, false, 59, 600}, {6100, true, 59, 1100},
                        {35500, false, 30, 30500}, {35600, true, 29, 30600}};
  // clang-format on
  std::uint32_t stamp = 0;
  for (const Step& s : steps) {
    clock.nowMs = s.atMs;
    EXPECT_EQ(tick(run, clock, stamp += 10000, 4000), s.calculates) << s.atMs;
    EXPECT_TRUE(run.progress.countdownShown);
    EXPECT_EQ(run.progress.remainingSeconds, s.seconds) << s.atMs;
    EXPECT_EQ(run.progress.barValue, s.bar) << s.atMs;
  }
  // 60 s after the start the run ends, without a calculation.
  clock.nowMs = 65000;
  EXPECT_FALSE(tick(run, clock, stamp += 10000, 4000));
  EXPECT_FALSE(powerRunCountdownActive(run));
  EXPECT_FALSE(run.progress.countdownShown);
  EXPECT_EQ(run.progress.barValue, 0);
}

TEST(PowerRun, The700thSampleStopsTheRunWithoutACalculationAndStopCalculatesIt) {
  test::ManualClock clock;
  PowerRun run;
  startPowerRun(run, clock);
  for (int i = 0; i < 700; ++i)
    samplePowerRun(run, at(10000u * static_cast<std::uint32_t>(i), 1000 + 10 * i), 0);
  EXPECT_FALSE(powerRunProgress(run, clock));
  EXPECT_FALSE(run.recording);
  EXPECT_EQ(run.table[700][kRunTorque], 0.0f);
  stopPowerRun(run);
  EXPECT_GT(run.table[700][kRunTorque], 0.0f);
  EXPECT_GT(run.curves[1][kBinTorque][100], 0.0f);
}

}  // namespace
}  // namespace qx
