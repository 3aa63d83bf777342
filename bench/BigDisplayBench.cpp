// Building the big display's layers: the live layer is rebuilt for every sample, so it must
// cost a small part of one COM period (100 ms by default, 5 ms at the fastest setting).

#include <benchmark/benchmark.h>

#include "core/app/ProgramSettings.h"
#include "core/display/BigDisplay.h"
#include "core/link/VitalData.h"
#include "core/setup/SetupRecord.h"

namespace {

struct Scene {
  qx::VitalData vital;
  qx::ProgramSettings settings;
  qx::SetupRecord setup;
  qx::BigDisplayState state;
  Scene() {
    settings.sliderDisplays = settings.showLearningLimits = true;  // every item drawn
    vital.throttlePercent = 63;
    vital.engineTemp = 84;
    vital.airTemp = 27;
    vital.lambdaMv = {612, 455, 880};
    vital.injectionTimeUs = 4100;
    vital.ignitionAngleRaw = 72;
    vital.cpuTemp = 44;
  }
  qx::BigDisplaySources sources() const { return {vital, settings, setup, 3, {240, 240, 240}}; }
};

void BM_BigDisplayLiveLayer(benchmark::State& state) {
  Scene s;
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
  Scene s;
  const qx::BigDisplayStaticInputs in = qx::staticInputsOf(s.settings, s.setup, {240, 240, 240});
  for (auto _ : state) {
    qx::Drawing d = qx::drawBigDisplayStatic(in);
    benchmark::DoNotOptimize(d.items.data());
  }
}
BENCHMARK(BM_BigDisplayStaticLayer)->Unit(benchmark::kMicrosecond);

// What the window calls on every tick: the static layer only when its inputs changed.
void BM_BigDisplayRefresh(benchmark::State& state) {
  Scene s;
  for (auto _ : state) {
    s.vital.engineSpeed = s.vital.engineSpeedClamped = (s.vital.engineSpeed + 37) % 12000;
    benchmark::DoNotOptimize(qx::refreshBigDisplay(s.state, s.sources()));
  }
}
BENCHMARK(BM_BigDisplayRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
