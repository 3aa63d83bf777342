#include "core/power/PowerRun.h"

#include "core/link/VitalData.h"

namespace qx {

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
  row[1] = static_cast<float>(ticks / 100.0);
  row[2] = static_cast<float>(v.engineSpeedClamped < 301 ? 0 : v.engineSpeedClamped);
}

}  // namespace qx
