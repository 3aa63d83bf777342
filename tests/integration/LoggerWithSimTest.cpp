// Recording the simulated unit's live data into a log file and reading it back.

#include <gtest/gtest.h>

#include "core/app/LiveDataCycle.h"
#include "core/link/LiveData.h"
#include "core/logger/LogFormat.h"
#include "core/logger/LogReader.h"
#include "core/logger/Logger.h"
#include "core/logger/LoggerFixture.h"
#include "core/util/Files.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"

namespace qx {
namespace {

struct LoggerSimFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  LoggerSimFixture() : SimLinkHarness({"--scenario", "drive", "--seed", "3"}) {}
  test::RecordingTimer timer;
  LoggerState state;
  test::RecordingScreen screen{state};
  LoggerPorts ports{clock, program.messages, requesters, timer, screen};
};

TEST_F(LoggerSimFixture, OneLinePerLoggerPeriodAndTheFileReadsBackToTheSameValues) {
  ASSERT_TRUE(identifyWithin(5, 20));
  program.settings.loggerTimerMs = 100;
  setLogPath(state, dir.path());
  startLogging(state, program.logTable, program.device, program.settings, ports);
  ASSERT_TRUE(state.logging);
  constexpr int kRecords = 12;
  for (int i = 0; i < kRecords; ++i) {
    liveDataCycle(program, link);  // the COM tick
    clock.sleepMs(100);
    writeLogRecord(state, program.logTable, program.vital, program.link, ports);  // the logger tick
  }
  stopLogging(state, ports);
  ASSERT_EQ(program.logTable.count(), kRecords);
  std::vector<std::string> recorded;
  for (int n = 1; n <= kRecords; ++n) {
    const float* row = program.logTable.row(n);
    EXPECT_GT(row[1], 1000) << n;  // the engine runs
    EXPECT_GE(row[0], n * 100.0f);
    std::string line;
    appendRecordLine(line, row);
    recorded.push_back(line);
  }

  const std::string path = dir.file(state.fileName);
  const auto file = readWholeFile(path);
  ASSERT_TRUE(file.has_value());
  const std::string text(file->begin(), file->end());
  EXPECT_NE(text.find("\r\nORK HW,1.2\r\nORK SW,2.7\r\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11 + kRecords);

  program.logTable.setCount(0);
  requesters.fileAnswers.push_back(path);
  loadLog(state, program.logTable, program.settings, ports);
  ASSERT_EQ(program.logTable.count(), kRecords);
  for (int n = 1; n <= kRecords; ++n) {
    std::string line;
    appendRecordLine(line, program.logTable.row(n));
    EXPECT_EQ(line, recorded[static_cast<std::size_t>(n - 1)]);
  }
  EXPECT_EQ(state.logHardware, "1.2");
}

}  // namespace
}  // namespace qx
