#include "DynoRun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orksim {

namespace {
constexpr double kHoldThrottle = 15;
constexpr double kOpeningSeconds = 0.3;
constexpr double kRadPerRpm = 2 * std::numbers::pi / 60;
}  // namespace

double DynoRun::engineTorque(double rpm) {
  // A broad hump with its peak (40 Nm, about 32 kW) at 7600 1/min.
  const double x = (rpm - 7600) / 2300;
  return 14 + 26 * std::exp(-x * x);
}

double DynoRun::lossTorque(double rpm) {
  return 1.5 + 3e-4 * rpm;
}

double DynoRun::engineBrakeTorque(double rpm) {
  return 8 + 1.5e-3 * rpm;
}

void DynoRun::step(double dt, double& rpm, double& throttle, double noise, int cutRpm) {
  phaseSeconds_ += dt;
  const double top = cutRpm > 0 ? std::min(kTopRpm, cutRpm - 100.0) : kTopRpm;
  double torque = 0;
  switch (phase_) {
    case Phase::Hold:
      throttle = kHoldThrottle;
      // The bench's brake holds the speed.
      rpm += (kHoldRpm - rpm) * dt / 0.8 + 2 * noise;
      if (phaseSeconds_ >= kHoldSeconds) phase_ = Phase::RunUp, phaseSeconds_ = 0;
      return;
    case Phase::RunUp:
      throttle =
          std::min(100.0, kHoldThrottle + (100 - kHoldThrottle) * phaseSeconds_ / kOpeningSeconds);
      torque = engineTorque(rpm) * throttle / 100 * (1 + 0.005 * noise) - lossTorque(rpm);
      if (rpm >= top) phase_ = Phase::RollOut, phaseSeconds_ = 0;
      break;
    case Phase::RollOut:
      throttle = 0;
      torque = -engineBrakeTorque(rpm) - lossTorque(rpm);
      if (rpm <= kHoldRpm) phase_ = Phase::Hold, phaseSeconds_ = 0;
      break;
  }
  rpm = std::max(0.0, rpm + torque / kInertia * dt / kRadPerRpm);
}

}  // namespace orksim
