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
  bool read(LambdaLogMemory memory) {
    return readUnitLambdaLog(table, program.setup, link, memory);
  }
  void setLogging(bool on) {
    readSetupFromUnit(program, link, requesters);
    program.setup.lambdaLoggingActive = on ? 1 : 0;
    writeSetupToUnit(program, link);
  }
  int filledCells() const {
    return static_cast<int>(
        std::count_if(table.cells.begin(), table.cells.end(), [](int mv) { return mv != 0; }));
  }
  // Every logged value is one a probe can give.
  bool plausible() const {
    return std::all_of(table.cells.begin(), table.cells.end(),
                       [](int mv) { return mv == 0 || (mv >= 30 && mv <= 1200); });
  }
  LambdaTable table;
};

TEST_F(LambdaSimFixture, TheRamLogFillsWhileTheEngineRunsAndTheEepromOnlyWhileLoggingIsOn) {
  ASSERT_TRUE(identifyWithin(20, 50));
  clock.sleepMs(1500);  // idling at about 1350 1/min with the throttle closed
  ASSERT_TRUE(read(LambdaLogMemory::Ram));
  EXPECT_EQ(sink.shown.back(), "Lambdadaten aus RAM gelesen");
  for (int k = 1; k <= 3; ++k) {
    EXPECT_GE(table.at(2, 1, k), 250) << k;
    EXPECT_LE(table.at(2, 1, k), 800) << k;
  }
  EXPECT_EQ(table.at(12, 9, 1), 0);
  EXPECT_TRUE(plausible());
  EXPECT_EQ(program.setup.lambdaLoggingActive, 0);
  EXPECT_NE(sim.traceText().find(" B 00\n"), std::string::npos);

  ASSERT_TRUE(read(LambdaLogMemory::Eeprom));
  EXPECT_EQ(filledCells(), 0);

  setLogging(true);
  clock.sleepMs(500);
  program.setup.lambdaLoggingActive = 0;
  ASSERT_TRUE(read(LambdaLogMemory::Eeprom));
  EXPECT_EQ(sink.shown.back(), "Lambdadaten aus EEPROM gelesen");
  EXPECT_GT(filledCells(), 0);
  EXPECT_TRUE(plausible());
  EXPECT_EQ(program.setup.lambdaLoggingActive, 1);  // the unit's flag

  // With logging off again a cleared EEPROM log stays empty.
  setLogging(false);
  clearUnitLambdaLog(link, LambdaLogMemory::Eeprom);
  clock.sleepMs(300);
  ASSERT_TRUE(read(LambdaLogMemory::Eeprom));
  EXPECT_EQ(filledCells(), 0);
  ASSERT_TRUE(read(LambdaLogMemory::Ram));
  EXPECT_GT(filledCells(), 0);
}

}  // namespace
}  // namespace qx
