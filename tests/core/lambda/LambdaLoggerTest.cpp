// Reading and clearing the unit's lambda log.

#include "core/lambda/LambdaLogger.h"

#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;

struct LambdaLogRead : ::testing::Test, test::LinkHarness {
  LambdaTable table;
};

TEST_F(LambdaLogRead, ValuesComeColumnOuterRowThenProbeAndTheFlagSetsTheEepromBox) {
  connected();
  // 180 ms after "B" 0 the unit has sent echo, flag 1 and the values n x 131, n = 0..458.
  port.onWrite = [this](std::uint8_t) {
    if (port.written.size() != 2) return;
    ByteList reply{'b', 1};
    for (int n = 0; n < 459; ++n)
      reply.insert(reply.end(), {std::uint8_t(n * 131 >> 8), std::uint8_t(n * 131)});
    port.arrive(reply, 180);
  };
  // The RAM read still takes the unit's EEPROM logging flag.
  ASSERT_TRUE(readUnitLambdaLog(table, program.setup.record, link, LambdaLogMemory::Ram));
  EXPECT_EQ(port.writtenBytes(), (ByteList{'B', 0}));
  EXPECT_EQ(clock.sleeps, std::vector<int>{200});
  EXPECT_EQ(program.setup.record.lambdaLoggingActive, 1);
  const int cells[] = {table.at(1, 1, 1), table.at(1, 1, 3), table.at(1, 2, 1), table.at(2, 1, 1),
                       table.at(17, 9, 3)};
  EXPECT_EQ(std::vector<int>(std::begin(cells), std::end(cells)),
            (std::vector<int>{0, 262, 393, 3537, 59998}));
  EXPECT_EQ(sink.shown.back(), "Lambdadaten aus RAM gelesen");
}

TEST_F(LambdaLogRead, FailuresKeepTheTableAndClearingNeedsNoQuestion) {
  connected();
  table.at(3, 4, 2) = 777;
  const std::pair<LambdaLogMemory, const char*> cases[] = {
      {LambdaLogMemory::Eeprom, "Lambdadaten lesen aus EEPROM fehlgeschlagen"},
      {LambdaLogMemory::Ram, "Lambdadaten lesen aus RAM fehlgeschlagen"}};
  for (const auto& [memory, text] : cases) {
    EXPECT_FALSE(readUnitLambdaLog(table, program.setup.record, link, memory));  // a silent unit
    EXPECT_EQ(sink.shown.back(), text);
  }
  EXPECT_EQ(table.at(3, 4, 2), 777);

  port.written.clear();
  clearUnitLambdaLog(link, LambdaLogMemory::Eeprom);
  clearUnitLambdaLog(link, LambdaLogMemory::Ram);
  EXPECT_EQ(port.writtenBytes(), (ByteList{'C', 1, 'C', 0}));
  EXPECT_TRUE(requesters.shown.empty());
}

}  // namespace
}  // namespace qx
