#include "core/power/PowerCalc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kKelvin = 273.15;

// Every value that goes into the tables is finite: a NaN or infinity (equal time stamps,
// a speed of 0, a ratio or circumference of 0 from a loaded file) becomes 0.
float finite(double v) {
  const auto f = static_cast<float>(v);
  return std::isfinite(f) ? f : 0.0f;
}

double finiteOrZero(double v) {
  return std::isfinite(v) ? v : 0.0;
}

void rotatorisch(RunTable& t, const PowerInputs& in, double f) {
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    auto& r = t[j];
    const auto& p = t[j - 1];
    r[kRunRoadSpeed] = finite(r[kRunSpeed] / 60.0 * in.ratio * in.wheelCm / in.rollerCm);
    double rollerTorque = 0;
    const double dt = static_cast<double>(r[kRunTime]) - p[kRunTime];
    if (j > 1 && dt != 0)
      rollerTorque = in.inertia * 2 * kPi *
                     (static_cast<double>(r[kRunRoadSpeed]) - p[kRunRoadSpeed]) / (dt / 1000);
    r[kRunPower] = finite(r[kRunRoadSpeed] * rollerTorque * 2 * kPi * in.ratio / 1000 * f);
    r[kRunTorque] = finite(rollerTorque / in.ratio / in.wheelCm * in.rollerCm * f);
  }
}

void linear(RunTable& t, const PowerInputs& in, const AirCorrection& air) {
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    auto& r = t[j];
    const auto& p = t[j - 1];
    r[kRunRoadSpeed] = finite(r[kRunSpeed] / 60.0 * in.ratio * in.wheelCm / 100);
    const double v = r[kRunRoadSpeed];
    double power = 0;
    if (j > 1) {
      const double dt = static_cast<double>(r[kRunTime]) - p[kRunTime];
      power = finiteOrZero(in.weightKg * (v - p[kRunRoadSpeed]) / (dt / 1000) * v / 1000);
    }
    power *= air.factor;
    if (power > 0)
      power += air.density / 2 * in.frontalArea * in.dragCoefficient * v * v * v / 1000;
    r[kRunPower] = finite(power);
    r[kRunTorque] = finite(r[kRunPower] * 1000.0 / v * in.wheelCm / 100 / kPi / 2 * in.ratio);
  }
}

// Each bin takes every crossing of its speed by a pair of consecutive rows: rising, and with
// "Add. Schlepp." falling as well, interpolated linearly in engine speed.
void binCurve(const RunTable& t, PowerCurve& c, long long maxSpeed, bool falling) {
  const long long bins = std::min<long long>(maxSpeed / kBinRpm + 1, kPowerBins);
  if (bins < 1) return;
  std::array<float, kPowerBins + 1> torque{}, power{};
  // A row adds to the bins its speed step crosses. Only bins between the two speeds can be
  // crossed, so each row visits those (one more on each side for the rounding of the
  // division) instead of all bins; each bin still sums its rows in row order.
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    const float s = t[j][kRunSpeed];
    const float s0 = t[j - 1][kRunSpeed];
    if (!(s > 0) || std::isnan(s0)) continue;
    const auto binAt = [bins](double speed, double side) {
      return static_cast<long long>(
          std::clamp(std::floor(speed / kBinRpm) + side, 1.0, static_cast<double>(bins)));
    };
    const long long from = binAt(std::min(s, s0), -1), to = binAt(std::max(s, s0), 2);
    for (long long k = from; k <= to && k <= bins; ++k) {
      const auto b = static_cast<float>(kBinRpm * k);
      const bool crosses = (s >= b && s0 < b) || (falling && s <= b && s0 > b);
      if (!crosses) continue;
      const double step = static_cast<double>(b) - s0;
      const double ds = static_cast<double>(s) - s0;
      const double m0 = t[j - 1][kRunTorque], p0 = t[j - 1][kRunPower];
      const double m = m0 + (t[j][kRunTorque] - m0) / ds * step;
      const double p = p0 + (t[j][kRunPower] - p0) / ds * step;
      const auto kb = static_cast<std::size_t>(k);
      torque[kb] = finite(torque[kb] + std::fabs(m));
      power[kb] = finite(power[kb] + std::fabs(p));
    }
  }
  for (long long k = 1; k <= bins; ++k) {
    const auto kb = static_cast<std::size_t>(k);
    c[kBinSpeed][kb] = static_cast<float>(kBinRpm * k);
    c[kBinTorque][kb] = torque[kb];
    c[kBinPower][kb] = power[kb];
  }
}

// The highest bin with data is only partly covered by the run: it is dropped, and the empty
// bins above it lose their speed.
void dropTopBin(PowerCurve& c) {
  for (std::size_t k = kPowerBins; k >= 1; --k) {
    if (c[kBinTorque][k] <= 0) {
      c[kBinSpeed][k] = 0;
      continue;
    }
    c[kBinSpeed][k] = c[kBinTorque][k] = c[kBinPower][k] = 0;
    break;
  }
}
}  // namespace

AirCorrection airCorrection(const PowerInputs& in) {
  AirCorrection a;
  if (!in.ewg && !in.din) return a;
  const double kelvin = in.temperatureC + kKelvin;
  const double theta = 300 / kelvin;
  const double phi = in.humidityPercent / 100;
  a.dryPressureHpa = finiteOrZero(in.pressureHpa -
                                  phi * 2.408e11 * std::pow(theta, 5) * std::exp(-22.644 * theta));
  a.density = finiteOrZero(in.pressureHpa * 100 / (kelvin * 287.058));
  if (in.ewg) a.factor = std::pow(990 / a.dryPressureHpa, 1.2) * std::pow(kelvin / 298, 0.6);
  // Checked after EWG, so DIN wins should both ever be set.
  if (in.din) a.factor = (1013 / a.dryPressureHpa) * std::pow(kelvin / 293, 0.5);
  a.factor = finiteOrZero(a.factor);
  return a;
}

long long runMaximumSpeed(const RunTable& table) {
  float top = 0;
  for (std::size_t j = 1; j <= kRunRows; ++j) top = std::max(top, table[j][kRunSpeed]);
  return top > 0 ? roundHalfAway(top) : 0;
}

void calculatePower(PowerRun& run) {
  RunTable& t = run.table;
  PowerCurve& c = run.curves[1];
  const long long maxSpeed = runMaximumSpeed(t);
  for (std::size_t k = 1; k <= kPowerBins; ++k)
    c[kBinSpeed][k] = c[kBinTorque][k] = c[kBinPower][k] = 0;
  const AirCorrection air = airCorrection(run.inputs);
  if (run.inputs.system == MeasuringSystem::Rotatorisch)
    rotatorisch(t, run.inputs, air.factor);
  else
    linear(t, run.inputs, air);
  binCurve(t, c, maxSpeed, run.inputs.addDrag);
  dropTopBin(c);
  ++run.revision;
}

}  // namespace qx
