#include "core/logger/LogSummary.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/logger/LogTable.h"

namespace qx {
namespace {

// The extremes of a run of records come out the same whether the run is read record by
// record or from the summary's blocks, with odd values in the table: a NaN and a negative
// speed count as 0, infinities as the strip's edges.
TEST(LogSummary, RangesGiveTheExtremesOfTheScaledRecords) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  LogTable table;
  ASSERT_TRUE(table.sizeFor(300));
  for (int n = 1; n <= 300; ++n) {
    LogRecord r{};
    r[1] = n == 77 ? kNaN : n == 150 ? 16000 : n == 200 ? -5 : 8000;  // speed
    r[3] = n == 40 ? kInf : n == 41 ? -kInf : 31;                     // engine temperature
    r[14] = 600;                                                      // injection
    table.storeRecord(n, r);
  }
  struct Case {
    int a, b;
    float speedLo, speedHi, temperatureLo, temperatureHi, injectionLo, injectionHi;
  };
  // Speed 8000 of 16000 is 0.5; (31 + 20) / 255 = 0.2; 600 µs at 8000 1/min is 0.08 of a
  // revolution, at 16000 0.16.
  const Case cases[] = {
      {1, 39, 0.5f, 0.5f, 0.2f, 0.2f, 0.08f, 0.08f},
      {33, 64, 0.5f, 0.5f, 0, 1, 0.08f, 0.08f},  // one whole block
      {70, 80, 0, 0.5f, 0.2f, 0.2f, 0, 0.08f},
      {77, 77, 0, 0, 0.2f, 0.2f, 0, 0},
      {100, 300, 0, 1, 0.2f, 0.2f, 0, 0.16f},
      {1, 256, 0, 1, 0, 1, 0, 0.16f},  // blocks of every level
      {151, 199, 0.5f, 0.5f, 0.2f, 0.2f, 0.08f, 0.08f},
  };
  for (bool summarised : {false, true}) {
    LogSummary summary;
    if (summarised) summary.update(table);
    for (const auto& c : cases) {
      ChannelValues lo, hi;
      summary.range(table, c.a, c.b, lo, hi);
      const std::string what = std::to_string(c.a) + ".." + std::to_string(c.b);
      EXPECT_FLOAT_EQ(lo[0], c.speedLo) << what;
      EXPECT_FLOAT_EQ(hi[0], c.speedHi) << what;
      EXPECT_FLOAT_EQ(lo[2], c.temperatureLo) << what;
      EXPECT_FLOAT_EQ(hi[2], c.temperatureHi) << what;
      EXPECT_FLOAT_EQ(lo[13], c.injectionLo) << what;
      EXPECT_FLOAT_EQ(hi[13], c.injectionHi) << what;
    }
  }
}

}  // namespace
}  // namespace qx
