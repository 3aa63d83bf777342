// Learning mode and the expert window's calibration against the simulated unit.

#include <gtest/gtest.h>

#include "core/app/LiveDataCycle.h"
#include "core/app/Program.h"
#include "core/expert/ExpertWindow.h"
#include "core/learning/LearningWindow.h"
#include "core/link/LiveData.h"
#include "core/link/SetupTransfer.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"

namespace qx {
namespace {

struct LearningSimFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  LearningSimFixture() : SimLinkHarness({"--scenario", "idle"}) {}
  // Live-data cycles for about `ms`, fetching the learned map as the tick does.
  void run(int ms) {
    for (const auto end = clock.elapsedMs() + ms; clock.elapsedMs() < end; clock.sleepMs(20)) {
      liveDataCycle(program, link);
      if (learnedMapWanted(program.setup.record, LearningWindow{true, 0}))
        fetchLearnedMap(link, program.setup.record);
    }
  }
};

TEST_F(LearningSimFixture, TheUnitLearnsItsMapWhileSwitchedOnAndTakesTheCalibration) {
  ASSERT_TRUE(identifyWithin(20, 50));
  readSetupFromUnit(program.setup, link, requesters);
  // Idle at about 1350 rpm inside wide limits, probe 1 against a rich target.
  SetupRecord& s = program.setup.record;
  s.learnMinEngineTemp = s.learnRpmLow = s.learnThrottleLow = 0;
  s.learnLambdaInputs = 1;
  s.learnRate = 20;
  s.learnIncrement = 50;
  s.lambdaTarget = 750;
  writeSetupToUnit(program.setup.record, link);
  const int before = s.mapCell(1, 0);
  ASSERT_TRUE(switchLearning(s, true, link));
  run(1500);
  EXPECT_GT(s.mapCell(1, 0), before);  // enriched towards the target
  ASSERT_TRUE(switchLearning(s, false, link));
  ASSERT_TRUE(fetchLearnedMap(link, program.setup.record));
  const int learned = s.mapCell(1, 0);
  run(500);
  ASSERT_TRUE(fetchLearnedMap(link, program.setup.record));
  EXPECT_EQ(s.mapCell(1, 0), learned);  // switched off, the unit keeps its map

  program.windowShown(WindowId::Expert) = true;
  run(20);
  EXPECT_EQ(program.expert.control.calibration, 0x80);
  for (const auto& [delta, reported] : {std::pair{1, 0x81}, {-1, 0x80}, {-1, 0x7F}}) {
    ASSERT_TRUE(stepCalibration(program.expert, delta, link));
    run(20);
    EXPECT_EQ(program.expert.control.calibration, reported);  // as "P" reports it
  }
}

}  // namespace
}  // namespace qx
