// Building the big display's layers: the live layer is rebuilt for every sample, so it must
// cost a small part of one COM period (100 ms by default, 5 ms at the fastest setting).

#include <benchmark/benchmark.h>

#include "BigDisplayScene.h"
#include "core/display/BigDisplay.h"

namespace {

void BM_BigDisplayLiveLayer(benchmark::State& state) {
  qx::bench::BigDisplayScene s;
  int speed = 0;
  for (auto _ : state) {
    speed = (speed + 37) % 12000;  // a moving needle and changing digits
    s.vital.engineSpeed = s.vital.engineSpeedClamped = speed;
    qx::Drawing d = qx::drawBigDisplayLive(s.state, s.sources());
    benchmark::DoNotOptimize(d.items.data());
  }
}
BENCHMARK(BM_BigDisplayLiveLayer)->Unit(benchmark::kMicrosecond);

void BM_BigDisplayStaticLayer(benchmark::State& state) {
  qx::bench::BigDisplayScene s;
  const qx::BigDisplayStaticInputs in = qx::staticInputsOf(s.settings, s.setup, {240, 240, 240});
  for (auto _ : state) {
    qx::Drawing d = qx::drawBigDisplayStatic(in);
    benchmark::DoNotOptimize(d.items.data());
  }
}
BENCHMARK(BM_BigDisplayStaticLayer)->Unit(benchmark::kMicrosecond);

// What the window calls on every tick: the static layer only when its inputs changed.
void BM_BigDisplayRefresh(benchmark::State& state) {
  qx::bench::BigDisplayScene s;
  for (auto _ : state) {
    s.vital.engineSpeed = s.vital.engineSpeedClamped = (s.vital.engineSpeed + 37) % 12000;
    benchmark::DoNotOptimize(qx::refreshBigDisplay(s.state, s.sources()));
  }
}
BENCHMARK(BM_BigDisplayRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
