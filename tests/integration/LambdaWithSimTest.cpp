// The unit's lambda logs read, switched and cleared over a real pseudo terminal.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/lambda/LambdaLogger.h"
#include "core/link/SetupTransfer.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"

namespace qx {
namespace {

struct LambdaSimFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  LambdaSimFixture() : SimLinkHarness({"--scenario", "drive"}) {}
  // Reads a log; the number of cells filled, or -1 when the read failed.
  long filled(LambdaLogMemory memory) {
    if (!readUnitLambdaLog(table, program.setup.record, link, memory)) return -1;
    return std::count_if(table.cells.begin(), table.cells.end(), [](int mv) { return mv != 0; });
  }
  void setLogging(bool on) {
    readSetupFromUnit(program.setup, link, requesters);
    program.setup.record.lambdaLoggingActive = on ? 1 : 0;
    writeSetupToUnit(program.setup.record, link);
  }
  LambdaTable table;
};

TEST_F(LambdaSimFixture, TheRamLogFillsWhileTheEngineRunsAndTheEepromOnlyWhileLoggingIsOn) {
  ASSERT_TRUE(identifyWithin(20, 50));
  clock.sleepMs(1500);  // idling at about 1350 1/min with the throttle closed
  EXPECT_GT(filled(LambdaLogMemory::Ram), 0);
  EXPECT_EQ(sink.shown.back(), "Lambdadaten aus RAM gelesen");
  for (int k = 1; k <= 3; ++k) EXPECT_NEAR(table.at(2, 1, k), 500, 250) << k;
  EXPECT_EQ(filled(LambdaLogMemory::Eeprom), 0);

  setLogging(true);
  clock.sleepMs(500);
  program.setup.record.lambdaLoggingActive = 0;
  EXPECT_GT(filled(LambdaLogMemory::Eeprom), 0);
  EXPECT_EQ(sink.shown.back(), "Lambdadaten aus EEPROM gelesen");
  EXPECT_EQ(program.setup.record.lambdaLoggingActive, 1);  // the unit's flag
  // Every logged value is one a probe can give.
  EXPECT_TRUE(std::all_of(table.cells.begin(), table.cells.end(),
                          [](int mv) { return mv == 0 || (mv >= 30 && mv <= 1200); }));

  // With logging off again a cleared EEPROM log stays empty.
  setLogging(false);
  clearUnitLambdaLog(link, LambdaLogMemory::Eeprom);
  EXPECT_EQ(filled(LambdaLogMemory::Eeprom), 0);
  EXPECT_GT(filled(LambdaLogMemory::Ram), 0);
}

}  // namespace
}  // namespace qx
