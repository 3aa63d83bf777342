#include "Learning.h"

#include <algorithm>
#include <cmath>

namespace orksim {

namespace {
constexpr int kMinEngineTemp = 401, kRpmLow = 402, kRpmHigh = 403, kThrottleLow = 404;
constexpr int kThrottleHigh = 405, kProbes = 408, kRate = 409, kIncrement = 418;
// Probe readings this close to the target count as met.
constexpr double kDeadBandMv = 20;
// One learning step every rate × 10 ms: the higher the rate, the slower the unit learns.
constexpr double kSecondsPerRate = 0.01;
}  // namespace

bool Learner::insideLimits(const SetupImage& ram, const Engine& engine) {
  const SetupView v{ram};
  const double rpm = engine.rpm(), throttle = engine.throttle();
  // The lower throttle limit counts as reached at its value, so a limit of 0 includes idle.
  return (v.byte(kProbes) & 7) != 0 && rpm >= 50 &&
         engine.engineTemp() > v.byte(kMinEngineTemp) - 20 && rpm > v.byte(kRpmLow) * 100 &&
         rpm <= v.byte(kRpmHigh) * 100 && throttle >= v.byte(kThrottleLow) &&
         throttle <= v.byte(kThrottleHigh);
}

void Learner::step(double dt, SetupImage& ram, const Engine& engine) {
  const SetupView v{ram};
  if (!engine.learning || !insideLimits(ram, engine)) {
    sinceChange_ = 0;
    return;
  }
  sinceChange_ += dt;
  if (sinceChange_ + 1e-9 < std::max(v.byte(kRate), 1) * kSecondsPerRate) return;
  sinceChange_ = 0;

  double sum = 0;
  int count = 0;
  for (int k = 0; k < 3; ++k)
    if (v.byte(kProbes) & (1 << k)) sum += engine.lambdaMv(k), ++count;
  const double mean = sum / count;
  const int target = v.word(off::lambdaTarget);
  const int increment = std::max(v.word(kIncrement), 0);
  int direction = 0;
  if (mean < target - kDeadBandMv) direction = 1;  // lean: a higher voltage means richer
  if (mean > target + kDeadBandMv) direction = -1;
  if (direction == 0) return;

  const int r = std::clamp(static_cast<int>(std::lround(engine.rpm() / 1000.0)), 0, 16);
  const int t = std::clamp(static_cast<int>(std::lround(engine.throttle() / 12.5)), 0, 8);
  setMapCell(ram, r, t, std::clamp(v.mapCell(r, t) + direction * increment, 0, 65535));
}

}  // namespace orksim
