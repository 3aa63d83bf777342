#pragma once
// A deterministic engine on the bench: the throttle follows the scenario's schedule, speed
// follows throttle with inertia, temperatures warm up, the lambda probes react to how well
// the unit's map fuels the engine, and the crank sensor sees a trigger wheel with a gap.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "DynoRun.h"
#include "InputSwitches.h"
#include "SimSetup.h"

namespace orksim {

enum class Scenario { Idle, Drive, Dyno };
bool parseScenario(const std::string& text, Scenario& out);

// Everything the unit reports in one live-data sample.
struct Sample {
  int engineSpeed = 0;
  int throttlePercent = 0;
  int engineTempRaw = 0;  // °C + 20
  int airTempRaw = 0;
  int ignitionBaseDeg = 0;
  int ignitionAngleRaw = 50;  // angle + 50
  int injectionBaseUs = 0;
  int airTempCorrPercent = 100;
  int engineTempCorrPercent = 100;
  int injectionTimeUs = 0;
  int output1 = 0, output2 = 0, input1 = 0, input2 = 0, input3 = 0;
  std::array<int, 3> lambdaMv{};
  int testIgnitionRaw = 255;
  int signalDetected = 0;
  int teethCounted = 0;
  int teethPerRevUnit = 0;
  int toothPeriod = 0;
  int gapPeriod = 0;
  std::uint32_t timestamp100kHz = 0;
  int limiterAngle = 0, limiterIgnitionOff = 0, startInjectionOff = 0;
  int cpuTemp = 0;
  int emergencyProgram = 0;
};

class Engine {
 public:
  Engine(Scenario scenario, std::uint64_t seed);

  // Moves the model forward to `seconds` since the unit started, in fixed 10 ms steps.
  void advanceTo(double seconds, const SetupImage& setup);
  Sample sample(const SetupImage& setup, double seconds) const;

  double rpm() const { return rpm_; }
  // The unit runs its emergency program while the engine is hotter than the setup allows.
  bool inEmergency(const SetupImage& setup) const;
  double throttle() const { return throttle_; }
  double engineTemp() const { return engineTemp_; }
  // Probe k (0..2) in mV, as the unit reads it.
  double lambdaMv(int k) const { return lambda_[static_cast<std::size_t>(k)]; }
  // Raw sensor values (12-bit, 4096 = 2 V) of the engine and air temperature sensors and
  // the throttle potentiometer, from the setup's set points.
  std::array<int, 3> sensorRaw(const SetupImage& setup) const;

  // The probe voltages now, in mV.
  const std::array<double, 3>& lambdaMv() const { return lambda_; }
  // Called after every model step (the unit logs its lambda tables there).
  std::function<void(const Engine&)> onStep;

  // Test ignition angle set with "W" 7 (255: use the curve).
  int testIgnitionRaw = 255;
  bool learning = false;
  // Called after every model step with its length in seconds (the unit's learning).
  std::function<void(double)> afterStep;
  // A failed cooling (control word "overheat"): the engine heats up within seconds until
  // it passes the setup's emergency temperature and the unit runs its emergency program.
  bool overheating = false;

 private:
  void step(double dt, const SetupImage& setup);
  double scheduledThrottle(double t) const;
  double noise();  // uniform -1..1, deterministic

  Scenario scenario_;
  std::uint64_t rng_;
  double time_ = 0;
  double rpm_ = 1350;
  double throttle_ = 0;
  double previousThrottle_ = 0;
  double engineTemp_ = 18;
  double airTemp_ = 18;
  double accelLean_ = 0;  // lean spike after the throttle opens
  std::array<double, 3> lambda_{450, 450, 450};
  DynoRun dyno_;
  // Flipped by the rider in the drive scenario; off otherwise.
  InputSwitches inputs_;
};

// Injection time the unit computes from the setup at this speed and throttle: the map
// interpolated, then the two temperature corrections.
struct Injection {
  int baseUs, airPercent, enginePercent, totalUs;
};
Injection computeInjection(const SetupImage& setup, double rpm, double throttle,
                           double airTempC, double engineTempC);

}  // namespace orksim
