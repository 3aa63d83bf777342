// The log file reader ("Log laden") on any content, read from memory: the table holds at
// most one record a line, the cursor is on the first record, the logger timer runs again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/LinkFlags.h"
#include "core/logger/LogReader.h"
#include "core/ports/LoggerTimer.h"
#include "support/Fakes.h"

using namespace qx;

namespace {
struct Timer final : LoggerTimer {
  void start(int) override { running = true; }
  void stop() override { running = false; }
  bool running = false;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  test::ManualClock clock;
  LinkFlags flags;
  ProgramSettings settings;
  settings.maxLogRecords = 100;
  MessageLog messages{flags, settings, clock};
  test::ScriptedRequesters requesters;
  Timer timer;
  LoggerScreen screen;
  LoggerPorts ports{clock, messages, requesters, timer, screen};
  LoggerState state;
  state.fileName = "fuzz.olg";
  LogTable table;
  table.sizeFor(settings.maxLogRecords);
  readLogBytes(state, table, settings, std::span(data, size), ports);
  const auto lines = std::count(data, data + size, '\n') + 1;
  FUZZ_CHECK(table.count() <= std::max<std::int64_t>(0, lines - 11));
  FUZZ_CHECK(table.count() <= table.capacity());
  FUZZ_CHECK(table.cursor == 1 && timer.running);
  return 0;
}
