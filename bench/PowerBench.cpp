// One power calculation over a full run table (700 rows) and all 320 bins: it runs on the COM
// tick after every sample, so it has to stay far below one COM period (100 ms by default).

#include <benchmark/benchmark.h>

#include <cmath>

#include "core/power/PowerCalc.h"

namespace {

// 700 samples 80 ms apart: a run-up from 2000 to 15000 1/min, then a roll-out, so that the
// rising and the falling crossings fill nearly every bin.
qx::PowerRun fullRun(bool rollOut, qx::MeasuringSystem system) {
  qx::PowerRun run;
  for (std::size_t j = 1; j <= qx::kRunRows; ++j) {
    const double x = static_cast<double>(j) / qx::kRunRows;
    const double up = rollOut ? std::sin(x * 3.14159265) : x;
    run.table[j][qx::kRunTime] = static_cast<float>(80.0 * static_cast<double>(j - 1));
    run.table[j][qx::kRunSpeed] = static_cast<float>(2000 + 13000 * up);
  }
  run.inputs.addDrag = rollOut;
  run.inputs.din = true;
  run.inputs.system = system;
  return run;
}

void calculation(benchmark::State& state, bool rollOut, qx::MeasuringSystem system) {
  qx::PowerRun run = fullRun(rollOut, system);
  for (auto _ : state) {
    qx::calculatePower(run);
    benchmark::DoNotOptimize(run.curves[1][qx::kBinPower][200]);
    benchmark::ClobberMemory();
  }
}

BENCHMARK_CAPTURE(calculation, rotatorisch_runUpAndRollOut, true, qx::MeasuringSystem::Rotatorisch)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(calculation, linear_runUp, false, qx::MeasuringSystem::Linear)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
