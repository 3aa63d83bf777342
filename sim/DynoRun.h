#pragma once
// The roller bench of the dyno scenario: the engine is held at about 2000 1/min, then runs
// up at full throttle to 9000 1/min against the inertia of the roller and the driveline,
// following the torque curve of a tuned 250 ccm two-stroke, then the throttle closes and the
// engine rolls out, braked by its own drag, back to 2000 1/min; and so on.

namespace orksim {

class DynoRun {
 public:
  // Moves the bench on by dt seconds: sets the throttle (%) and the engine speed (1/min).
  // `noise` is uniform in -1..1; `cutRpm` is the unit's ignition cut (0: none).
  void step(double dt, double& rpm, double& throttle, double noise, int cutRpm);

  // Full-throttle torque at the crankshaft, Nm, and the drag torques, Nm.
  static double engineTorque(double rpm);
  static double lossTorque(double rpm);
  static double engineBrakeTorque(double rpm);

  static constexpr double kHoldRpm = 2000;
  static constexpr double kTopRpm = 9000;
  static constexpr double kHoldSeconds = 4;
  // Everything that turns with the crankshaft, referred to it (kgm^2): with the ratio and
  // circumferences at their start values, this is the inertia to enter for true figures.
  static constexpr double kInertia = 0.5;

 private:
  enum class Phase { Hold, RunUp, RollOut };
  Phase phase_ = Phase::Hold;
  double phaseSeconds_ = 0;
};

}  // namespace orksim
