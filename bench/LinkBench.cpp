// The live-data exchange against the simulated unit over a pseudo terminal, through the
// program's own serial port: from sending "D" until the sample is decoded into its texts. The simulator paces
// its reply at the line rate, so the line time of the 45 bytes (about 8.6 ms) is the floor;
// what matters is the overhead above it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <vector>

#include "core/ports/Clock.h"
#include "core/app/Program.h"
#include "core/display/VitalDisplay.h"
#include "core/link/Connection.h"
#include "core/link/VitalData.h"
#include "core/link/SerialLink.h"
#include "platform/QtSerialPort.h"
#include "support/Fakes.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace {

constexpr double kLineTimeMs = 45 * 11.0 / 57600.0 * 1000.0;

void BM_LiveDataExchange(benchmark::State& state) {
  qx::test::TempDir dir;
  qx::test::SimProcess sim(ORK_SIM_PATH, dir.path(), {"--scenario", "drive"});
  qx::SystemClock clock;
  qx::Program program(clock, dir.path());
  qx::QtSerialPort port;
  qx::SerialLink link(program.link, program.messages, program.clock, port);
  program.com.ports = {sim.link()};
  program.com.selected = 0;
  program.com.checked = true;
  for (int i = 0; i < 10 && !program.link.unitIdentified; ++i)
    qx::connectionStep(program.com, program.device, link, false, nullptr);
  if (!program.link.unitIdentified) {
    state.SkipWithError("simulated unit not identified");
    return;
  }

  std::vector<double> overheadMs;
  int failures = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (link.request('D', qx::kVitalReplyBytes)) {
      std::uint8_t sample[qx::kVitalReplyBytes - 1];
      for (auto& b : sample) b = link.readByte();
      program.vital = qx::decodeVitalData(sample);
      qx::showVitalData(program.vitalTexts, program.vital, program.settings.injectionWarnPercent);
      benchmark::DoNotOptimize(program.vitalTexts);
    } else {
      ++failures;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    overheadMs.push_back(ms - kLineTimeMs);
  }
  std::sort(overheadMs.begin(), overheadMs.end());
  state.counters["median_overhead_ms"] = overheadMs[overheadMs.size() / 2];
  state.counters["p95_overhead_ms"] = overheadMs[overheadMs.size() * 95 / 100];
  state.counters["line_time_ms"] = kLineTimeMs;
  state.counters["failures"] = failures;
}
BENCHMARK(BM_LiveDataExchange)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
