// A power run recorded from the simulated unit's dyno bench over a real pseudo terminal:
// the unit's time stamps and speeds must give back the bench's torque.

#include <gtest/gtest.h>

#include <cmath>

#include "core/app/LiveDataCycle.h"
#include "core/app/Program.h"
#include "core/link/LiveData.h"
#include "core/power/PowerCalc.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"

namespace qx {
namespace {

struct DynoFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  DynoFixture() : SimLinkHarness({"--scenario", "dyno", "--seed", "3"}) {}
};

TEST_F(DynoFixture, TheRunUpGivesTheBenchTorque) {
  ASSERT_TRUE(identifyWithin(5, 20));
  program.settings.powerDataInterval = 0;
  PowerRun& run = program.powerRun;
  startPowerRun(run, clock);
  // The bench holds 2000 1/min for 4 s, then opens the throttle: 8 s take in the first
  // part of the run-up.
  for (int tick = 0; tick < 80; ++tick) {
    powerRunProgress(run, clock);
    liveDataCycle(program, link);
    clock.sleepMs(100);
  }
  run.inputs.inertia = 0.5;  // the bench's inertia at the crankshaft
  stopPowerRun(run);
  ASSERT_GT(run.samples, 60);
  EXPECT_NEAR(run.table[30][kRunSpeed], 2000, 40);
  // The unit's clock: about one COM period between samples.
  const float step = run.table[run.samples][kRunTime] / static_cast<float>(run.samples - 1);
  EXPECT_GT(step, 95.0f);
  EXPECT_LT(step, 130.0f);
  // Full-throttle torque less the bench's losses: about 11.9 Nm at 2500 1/min.
  double sum = 0;
  int bins = 0;
  for (std::size_t k = 46; k <= 54; ++k) {  // 2300..2700 1/min
    ASSERT_GT(run.curves[1][kBinSpeed][k], 0.0f) << k;
    EXPECT_NEAR(run.curves[1][kBinTorque][k], 11.9, 2.5) << k;
    sum += run.curves[1][kBinTorque][k];
    ++bins;
  }
  EXPECT_NEAR(sum / bins, 11.9, 0.8);
}

}  // namespace
}  // namespace qx
