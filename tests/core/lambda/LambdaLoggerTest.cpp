// Reading and clearing the unit's lambda log, and the probes averaged in a cell.

#include "core/lambda/LambdaLogger.h"

#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace qx {
namespace {

struct LambdaLogRead : ::testing::Test, test::LinkHarness {
  // The unit answers "B" and its selector with 920 bytes 180 ms later: echo, flag, and the
  // values n x 131 for n = 0..458, high byte first.
  void unitAnswers(std::uint8_t flag) {
    port.onWrite = [this, flag](std::uint8_t) {
      if (port.written.size() != 2 || port.written[0].byte != 'B') return;
      std::vector<std::uint8_t> reply{'b', flag};
      for (int n = 0; n < 459; ++n) {
        reply.push_back(static_cast<std::uint8_t>(n * 131 >> 8));
        reply.push_back(static_cast<std::uint8_t>(n * 131 & 0xFF));
      }
      port.arrive(reply, 180);
    };
  }
  LambdaTable table;
};

TEST_F(LambdaLogRead, ValuesComeColumnOuterRowThenProbeAndTheFlagSetsTheEepromBox) {
  connected();
  unitAnswers(1);
  program.setup.lambdaLoggingActive = 0;
  // The RAM read still takes the unit's EEPROM logging flag.
  ASSERT_TRUE(readUnitLambdaLog(table, program.setup, link, LambdaLogMemory::Ram));
  EXPECT_EQ(port.writtenBytes(), (std::vector<std::uint8_t>{'B', 0}));
  EXPECT_EQ(clock.sleeps, std::vector<int>{200});
  EXPECT_EQ(program.setup.lambdaLoggingActive, 1);
  EXPECT_EQ(table.at(1, 1, 1), 0);
  EXPECT_EQ(table.at(1, 1, 2), 131);
  EXPECT_EQ(table.at(1, 1, 3), 262);
  EXPECT_EQ(table.at(1, 2, 1), 393);
  EXPECT_EQ(table.at(2, 1, 1), 3537);
  EXPECT_EQ(table.at(17, 9, 3), 59998);
  EXPECT_EQ(sink.shown.back(), "Lambdadaten aus RAM gelesen");
}

TEST_F(LambdaLogRead, AFailedReplyReportsTheMemoryAndKeepsTheTable) {
  const std::pair<LambdaLogMemory, const char*> cases[] = {
      {LambdaLogMemory::Eeprom, "Lambdadaten lesen aus EEPROM fehlgeschlagen"},
      {LambdaLogMemory::Ram, "Lambdadaten lesen aus RAM fehlgeschlagen"}};
  connected();
  table.at(3, 4, 2) = 777;
  program.setup.lambdaLoggingActive = 1;
  for (const auto& [memory, text] : cases) {
    port.written.clear();
    EXPECT_FALSE(readUnitLambdaLog(table, program.setup, link, memory));  // silent unit
    EXPECT_EQ(port.writtenBytes(), (std::vector<std::uint8_t>{'B', std::uint8_t(memory)}));
    EXPECT_EQ(sink.shown.back(), text);
  }
  EXPECT_EQ(table.at(3, 4, 2), 777);
  EXPECT_EQ(program.setup.lambdaLoggingActive, 1);
}

TEST_F(LambdaLogRead, ClearingSendsItsSelectorWithoutAskingAndNothingGoesOutUnidentified) {
  program.link.portOpen = true;  // open but not identified
  clearUnitLambdaLog(link, LambdaLogMemory::Eeprom);
  EXPECT_FALSE(readUnitLambdaLog(table, program.setup, link, LambdaLogMemory::Eeprom));
  EXPECT_TRUE(port.written.empty());
  EXPECT_TRUE(sink.shown.empty());

  connected();
  clearUnitLambdaLog(link, LambdaLogMemory::Eeprom);
  clearUnitLambdaLog(link, LambdaLogMemory::Ram);
  EXPECT_EQ(port.writtenBytes(), (std::vector<std::uint8_t>{'C', 1, 'C', 0}));
  EXPECT_TRUE(requesters.shown.empty());
  EXPECT_TRUE(sink.shown.empty());
}

TEST(LambdaCellMean, AveragesTheTickedProbesAndIsZeroWithNone) {
  LambdaTable t;
  t.at(5, 3, 1) = 300, t.at(5, 3, 2) = 601, t.at(5, 3, 3) = 900;
  const std::pair<std::array<bool, 3>, double> cases[] = {{{true, true, true}, 600.3333333333334},
                                                          {{true, false, true}, 600},
                                                          {{false, true, false}, 601},
                                                          {{false, false, false}, 0}};
  for (const auto& [probes, mean] : cases) EXPECT_DOUBLE_EQ(lambdaCellMean(t, 5, 3, probes), mean);
}

}  // namespace
}  // namespace qx
