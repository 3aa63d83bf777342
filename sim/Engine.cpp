#include "Engine.h"

#include <algorithm>
#include <cmath>

namespace orksim {

namespace {
constexpr double kStep = 0.01;
constexpr double kIdleRpm = 1350;

struct Point {
  double t, throttle;
};
// One lap of the drive scenario (40 s), throttle in percent, linear between points.
constexpr Point kDriveLap[] = {{0, 0},   {4, 0},    {6, 35},   {12, 35}, {13, 100},
                               {18, 100}, {19, 0},   {23, 0},   {24, 60}, {27, 60},
                               {28, 20},  {31, 20},  {32, 80},  {35, 80}, {36, 0},
                               {40, 0}};

template <std::size_t N>
double interpolate(const Point (&pts)[N], double t) {
  for (std::size_t i = 1; i < N; ++i) {
    if (t <= pts[i].t) {
      const double span = pts[i].t - pts[i - 1].t;
      const double f = span > 0 ? (t - pts[i - 1].t) / span : 1.0;
      return pts[i - 1].throttle + f * (pts[i].throttle - pts[i - 1].throttle);
    }
  }
  return pts[N - 1].throttle;
}

double curveAt(const SetupImage& s, int offset, double index) {
  index = std::clamp(index, 0.0, 16.0);
  const int i = std::min(static_cast<int>(index), 15);
  const double f = index - i;
  return s[static_cast<std::size_t>(offset + i)] * (1 - f) + s[static_cast<std::size_t>(offset + i + 1)] * f;
}
}  // namespace

bool parseScenario(const std::string& text, Scenario& out) {
  if (text == "idle") out = Scenario::Idle;
  else if (text == "drive") out = Scenario::Drive;
  else if (text == "dyno") out = Scenario::Dyno;
  else return false;
  return true;
}

Injection computeInjection(const SetupImage& setup, double rpm, double throttle,
                           double airTempC, double engineTempC) {
  SetupView v{setup};
  const double r = std::clamp(rpm / 1000.0, 0.0, 16.0);
  const double t = std::clamp(throttle / 12.5, 0.0, 8.0);
  const int r0 = std::min(static_cast<int>(r), 15), t0 = std::min(static_cast<int>(t), 7);
  const double fr = r - r0, ft = t - t0;
  const double base = v.mapCell(r0, t0) * (1 - fr) * (1 - ft) + v.mapCell(r0 + 1, t0) * fr * (1 - ft) +
                      v.mapCell(r0, t0 + 1) * (1 - fr) * ft + v.mapCell(r0 + 1, t0 + 1) * fr * ft;
  const int air = static_cast<int>(std::lround(curveAt(setup, off::airTempCorrection, (airTempC + 20) / 10))) + 85;
  const int eng = static_cast<int>(std::lround(curveAt(setup, off::engineTempCorrection, (engineTempC + 20) / 10))) + 85;
  const int baseUs = static_cast<int>(std::lround(base));
  const int total = std::clamp(static_cast<int>(std::lround(base * air / 100.0 * eng / 100.0)), 0, 65535);
  return {baseUs, air, eng, total};
}

Engine::Engine(Scenario scenario, std::uint64_t seed)
    : scenario_(scenario),
      rng_(seed * 0x9E3779B97F4A7C15ULL + 0x2545F4914F6CDD1DULL),
      inputs_(seed) {}

double Engine::noise() {
  // xorshift64*: the same numbers on every machine for the same seed.
  rng_ ^= rng_ >> 12;
  rng_ ^= rng_ << 25;
  rng_ ^= rng_ >> 27;
  const std::uint64_t x = rng_ * 2685821657736338717ULL;
  return static_cast<double>(x >> 11) / static_cast<double>(1ULL << 52) - 1.0;
}

double Engine::scheduledThrottle(double t) const {
  switch (scenario_) {
    case Scenario::Idle:
      return 0;
    case Scenario::Drive:
      return interpolate(kDriveLap, std::fmod(t, 40.0));
    case Scenario::Dyno:
      break;  // the bench sets the throttle (DynoRun)
  }
  return 0;
}

void Engine::advanceTo(double seconds, const SetupImage& setup) {
  while (time_ + kStep <= seconds) {
    step(kStep, setup);
    time_ += kStep;
    if (onStep) onStep(*this);
    if (afterStep) afterStep(kStep);
  }
  if (scenario_ == Scenario::Drive) inputs_.advanceTo(time_);
}

void Engine::step(double dt, const SetupImage& setup) {
  SetupView v{setup};
  previousThrottle_ = throttle_;
  const int cut = v.byte(off::ignitionCutRpm) * 100;
  if (scenario_ == Scenario::Dyno) {
    dyno_.step(dt, rpm_, throttle_, noise(), cut);
  } else {
    const double wanted = scheduledThrottle(time_);
    throttle_ = std::clamp(wanted + (wanted > 0 ? 0.8 * noise() : 0.0), 0.0, 100.0);
    // Speed follows the throttle.
    const double maxRpm = 11500;
    double target = kIdleRpm + (maxRpm - kIdleRpm) * std::pow(throttle_ / 100.0, 0.8);
    target += 25 * noise();
    const double tau = target > rpm_ ? 0.9 : 1.4;
    rpm_ += (target - rpm_) * dt / tau;
  }
  if (cut > 0) rpm_ = std::min(rpm_, static_cast<double>(cut));
  const int emergencyCut = v.byte(off::emergencyCutRpm) * 100;
  if (inEmergency(setup) && emergencyCut > 0) rpm_ = std::min(rpm_, static_cast<double>(emergencyCut));
  rpm_ = std::max(rpm_, 0.0);

  // Warming up: the engine towards its working temperature, the intake air slowly. An
  // overheating engine runs hot within seconds and cools back as quickly once repaired.
  const double workingTemp = 80 + 0.1 * throttle_;
  const double engineTarget = overheating ? 140 : workingTemp;
  const double heatTau = overheating || engineTemp_ > workingTemp + 10 ? 1.0 : 90.0;
  engineTemp_ += (engineTarget - engineTemp_) * dt / heatTau;
  airTemp_ += (27 - airTemp_) * dt / 300.0;

  // Opening the throttle leans the mixture for a moment.
  const double opening = (throttle_ - previousThrottle_) / dt;
  accelLean_ = std::max(accelLean_ * std::exp(-dt / 0.3), opening > 50 ? std::min(opening / 2000, 0.25) : 0.0);

  // The probes: how the unit's injection compares with what the engine needs (the factory
  // map is what this engine needs).
  static const SetupImage need = factorySetup();
  const Injection has = computeInjection(setup, rpm_, throttle_, airTemp_, engineTemp_);
  const Injection needs = computeInjection(need, rpm_, throttle_, airTemp_, engineTemp_);
  const bool overrun = throttle_ < 2 && rpm_ > 3000;
  for (int k = 0; k < 3; ++k) {
    const double correction = 1 + v.byte(off::injectorCorrection + k) / 1000.0;
    double richness = needs.totalUs > 0 ? has.totalUs * correction / needs.totalUs - 1 : 0;
    richness += 0.03 * (k - 1) - accelLean_;
    double mv = overrun ? 60 : 450 + 420 * std::tanh(6 * richness);
    mv += 12 * noise();
    lambda_[static_cast<std::size_t>(k)] += (mv - lambda_[static_cast<std::size_t>(k)]) * dt / 0.15;
  }
}

Sample Engine::sample(const SetupImage& setup, double seconds) const {
  SetupView v{setup};
  Sample s;
  s.engineSpeed = static_cast<int>(std::lround(rpm_));
  s.throttlePercent = static_cast<int>(std::lround(throttle_));
  s.engineTempRaw = std::clamp(static_cast<int>(std::lround(engineTemp_ + 20)), 0, 255);
  s.airTempRaw = std::clamp(static_cast<int>(std::lround(airTemp_ + 20)), 0, 255);

  const Injection inj = computeInjection(setup, rpm_, throttle_, airTemp_, engineTemp_);
  s.injectionBaseUs = inj.baseUs;
  s.airTempCorrPercent = std::clamp(inj.airPercent, 0, 255);
  s.engineTempCorrPercent = std::clamp(inj.enginePercent, 0, 255);
  s.injectionTimeUs = inj.totalUs;

  s.emergencyProgram = inEmergency(setup) ? 1 : 0;
  const int base = static_cast<int>(std::lround(curveAt(setup, off::ignitionCurve, rpm_ / 1000)));
  s.ignitionBaseDeg = base;
  int angle = base;
  if (rpm_ > v.byte(off::retardRpm) * 100) angle -= v.byte(off::retardAngle);
  if (s.emergencyProgram) angle = v.byte(off::emergencyIgnitionAngle) - 30;
  if (testIgnitionRaw != 255) angle = testIgnitionRaw - 50;
  s.ignitionAngleRaw = std::clamp(angle + 50, 0, 255);
  s.testIgnitionRaw = testIgnitionRaw;

  auto outputOn = [&](int mode, int onRpm, int offRpm) {
    if (mode == 1) return rpm_ > onRpm * 100 ? 1 : 0;
    if (mode == 2) return rpm_ > onRpm * 100 && rpm_ < offRpm * 100 ? 1 : 0;
    if (mode == 3) return learning ? 1 : 0;
    return 0;
  };
  s.output1 = outputOn(v.byte(off::output1Mode), v.byte(off::output1RpmOn), v.byte(off::output1RpmOff));
  s.output2 = outputOn(v.byte(off::output2Mode), v.byte(off::output2RpmOn), v.byte(off::output2RpmOff));
  s.input1 = inputs_.state(0);
  s.input2 = inputs_.state(1);
  s.input3 = inputs_.state(2);

  for (int k = 0; k < 3; ++k)
    s.lambdaMv[static_cast<std::size_t>(k)] =
        std::clamp(static_cast<int>(std::lround(lambda_[static_cast<std::size_t>(k)])), 0, 1200);

  // Crank sensor: one tooth period in 1 µs ticks; the gap spans the missing teeth as well.
  const int teeth = v.byte(off::triggerWheelTeeth);
  const int missing = v.byte(off::triggerGapCount);
  s.teethPerRevUnit = teeth;
  if (rpm_ >= 50 && teeth > 0) {
    s.signalDetected = 1;
    s.teethCounted = std::max(teeth - missing - 1, 0);
    const double tooth = 60e6 / (rpm_ * teeth);
    s.toothPeriod = std::clamp(static_cast<int>(std::lround(tooth)), 0, 65535);
    s.gapPeriod = std::clamp(static_cast<int>(std::lround(tooth * (missing + 1))), 0, 65535);
  }
  s.timestamp100kHz = static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds * 100000.0));
  const int cut = v.byte(off::ignitionCutRpm) * 100;
  s.limiterAngle = cut > 0 && rpm_ >= cut - 1 ? 1 : 0;
  s.limiterIgnitionOff = 0;
  s.startInjectionOff = v.byte(off::startInjectionOff) ? 1 : 0;
  s.cpuTemp = std::clamp(static_cast<int>(std::lround(28 + (engineTemp_ - 18) * 0.45)), 0, 255);
  return s;
}

bool Engine::inEmergency(const SetupImage& setup) const {
  // The unit compares the temperature byte it also reports.
  return std::lround(engineTemp_ + 20) > SetupView{setup}.byte(off::emergencyEngineTemp);
}

std::array<int, 3> Engine::sensorRaw(const SetupImage& setup) const {
  SetupView v{setup};
  // Linear between the two set points of each sensor; volts to 12-bit counts (2 V full).
  auto volts = [&](int p1, int v1, int p2, int v2, double x) {
    const double x1 = p1, x2 = p2;
    const double y1 = v1 / 100.0, y2 = v2 / 100.0;
    const double f = x2 != x1 ? (x - x1) / (x2 - x1) : 0.0;
    return std::clamp(y1 + f * (y2 - y1), 0.0, 2.0);
  };
  const double engine = volts(v.byte(2), v.byte(3), v.byte(4), v.byte(5), engineTemp_ + 20);
  const double air = volts(v.byte(6), v.byte(7), v.byte(8), v.byte(9), airTemp_ + 20);
  const double pot = volts(v.byte(10), v.byte(11), v.byte(12), v.byte(13), throttle_);
  auto counts = [](double volt) { return std::clamp(static_cast<int>(std::lround(volt / 2.0 * 4096)), 0, 4095); };
  return {counts(engine), counts(air), counts(pot)};
}

}  // namespace orksim
