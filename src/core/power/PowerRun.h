#pragma once
// A power run as the live data records it: samples of time and engine speed.

#include <array>
#include <cstdint>

namespace qx {

struct VitalData;

struct PowerRun {
  static constexpr int kMaxSamples = 700;
  // Rows 0..700 of columns 0..5; row 0 stays 0, rows 1..samples hold the run.
  // Column 1: ms since the first sample; column 2: engine speed (0 up to 300 1/min).
  std::array<std::array<float, 6>, kMaxSamples + 1> table{};
  int samples = 0;
  bool recording = false;
  int decimation = 0;
  std::uint32_t firstStamp = 0;
};

// One live sample during a run: every (interval + 1)-th sample is stored.
void samplePowerRun(PowerRun& run, const VitalData& v, int interval);

}  // namespace qx
