#include "core/power/PowerRun.h"

#include "core/link/VitalData.h"
#include "core/ports/Clock.h"
#include "core/power/PowerCalc.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
void endRecording(PowerRun& run) {
  run.recording = false;
  run.progress.barValue = 0;
  run.progress.countdownShown = false;
}
}  // namespace

void samplePowerRun(PowerRun& run, const VitalData& v, int interval) {
  if (!run.recording) return;
  if (run.decimation < interval) {
    ++run.decimation;
    return;
  }
  run.decimation = 0;
  if (run.samples >= PowerRun::kMaxSamples) return;
  ++run.samples;
  if (run.samples == 1) run.firstStamp = v.timestamp100kHz;
  // The unit's 10 µs stamp is subtracted in 32-bit arithmetic, so a wrap of the stamp or a
  // long uptime does not spoil the time base; only then it is scaled to ms.
  const std::uint32_t ticks = v.timestamp100kHz - run.firstStamp;
  auto& row = run.table[static_cast<std::size_t>(run.samples)];
  row[kRunTime] = static_cast<float>(ticks / 100.0);
  row[kRunSpeed] =
      static_cast<float>(v.engineSpeedClamped <= kLowestRecordedRpm ? 0 : v.engineSpeedClamped);
}

void startPowerRun(PowerRun& run, Clock& clock) {
  run.progress.barMaximum = static_cast<int>(kMaxRunMs);
  run.progress.barValue = 0;
  for (std::size_t j = 1; j <= kRunRows; ++j)
    for (std::size_t c = kRunTime; c <= kRunPower; ++c) run.table[j][c] = 0;
  run.samples = 0;
  run.recording = true;
  run.startMs = clock.elapsedMs();
  run.decimation = 0;
  ++run.revision;
}

void stopPowerRun(PowerRun& run) {
  endRecording(run);
  calculatePower(run);
}

bool powerRunCountdownActive(const PowerRun& run) {
  return run.recording;
}

bool powerRunProgress(PowerRun& run, Clock& clock) {
  if (!run.recording) return false;
  const std::int64_t remaining = kMaxRunMs - (clock.elapsedMs() - run.startMs);
  run.progress.barValue = kMaxRunMs - remaining;
  if (remaining <= 0 || run.samples >= kRunRows) {
    // The last sample is evaluated only by "Stopp (F12)".
    endRecording(run);
    ++run.revision;
    return false;
  }
  run.progress.countdownShown = true;
  run.progress.remainingSeconds = roundHalfAway(static_cast<double>(remaining) / 1000.0);
  if (run.decimation != 0) return false;
  calculatePower(run);
  return true;
}

}  // namespace qx
