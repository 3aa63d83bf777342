#include "core/expert/SwitchingAngleDisc.h"

#include <cmath>
#include <numbers>

#include "core/link/ExpertData.h"
#include "core/link/VitalData.h"
#include "core/setup/SetupRecord.h"

namespace qx {

namespace {
constexpr double kTicksPerMinute = 7'500'000.0;  // unit timer ticks in one minute

// Unit timer ticks as crank degrees at speed n.
double ticksToDegrees(double ticks, int n) {
  return ticks * n / kTicksPerMinute * 360.0;
}

struct Disc {
  Drawing& d;
  int sensorAngle;
  double R;

  DrawPoint point(double radius, double crankDeg) const {
    const double s = discScreenAngle(crankDeg, sensorAngle) * std::numbers::pi / 180.0;
    return {radius * std::cos(s), radius * std::sin(s)};
  }
  // An arc over crank angles; they grow clockwise on screen, the drawing's arcs the other way.
  void arc(double radius, double fromDeg, double spanDeg, Rgb colour, double width) {
    d.arc(0, 0, radius, -discScreenAngle(fromDeg, sensorAngle), -spanDeg, colour, width);
  }
  void radial(double r1, double r2, double crankDeg, Rgb colour, double width, LineStyle style) {
    const DrawPoint a = point(r1, crankDeg), b = point(r2, crankDeg);
    d.line(a.x, a.y, b.x, b.y, colour, width, style);
  }
  // `count` half-pitch segments from crank angle 0; the even ones (teeth, pulses) drawn.
  void halfPitches(double radius, double pitch, int count, Rgb colour) {
    for (int i = 0; i < count; i += 2) arc(radius, i * pitch / 2, pitch / 2, colour, 5);
  }
};

void dynamicFactors(Disc& disc, const SetupRecord& s, const DiscLayers& layers, int n) {
  const int upTo1 = s.dynamicFactor1UpToRpm * 100, upTo2 = s.dynamicFactor2UpToRpm * 100;
  const struct {
    bool shown;
    int factor;
    bool inForce;
  } lines[] = {{layers.dynamicFactor1, s.dynamicFactor1, n < upTo1},
               {layers.dynamicFactor2, s.dynamicFactor2, n >= upTo1 && n < upTo2}};
  for (const auto& l : lines) {
    if (!l.shown) continue;
    const double angle = 350.0 - 36.0 / s.triggerWheelTeeth * l.factor;
    disc.radial(0, 0.92 * disc.R, angle, discColours::kDynamicFactor, 1,
                l.inForce ? LineStyle::Solid : LineStyle::Dash);
  }
}

void cylinders(Disc& disc, const ControlValues& c, const DiscLayers& layers, int n) {
  const double R = disc.R;
  for (std::size_t i = 0; i < 3; ++i) {
    const int k = static_cast<int>(i) + 1;
    if (layers.injection[i]) {
      const double revolutionUs = 60.0 / (n + 1) * 1'000'000.0;
      const double span = c.injectionTimeUs[i] / revolutionUs * 360.0;
      disc.arc(0.7 * R - 5 * k, c.injectionStartAngle[i], span,
               Rgb{0, static_cast<std::uint8_t>(50 * k), 255}, 2);
    }
    if (layers.charge[i]) {
      const Rgb colour{255, static_cast<std::uint8_t>(50 * k), 0};
      const double radius = 0.6 * R - 5 * k;
      disc.arc(radius, c.chargeStartAngle[i], c.ignitionAngle[i], colour, 2);
      const DrawPoint end = disc.point(radius, c.chargeStartAngle[i] + c.ignitionAngle[i]);
      disc.d.circle(end.x, end.y, 2, colour, false);
    }
  }
}
}  // namespace

bool& discLayer(DiscLayers& layers, int index) {
  if (index < 3) return layers.injection[index];
  if (index < 6) return layers.charge[index - 3];
  bool* rest[] = {&layers.sensorPosition, &layers.triggerWheel,   &layers.speedPulses,
                  &layers.toothGap,       &layers.dynamicFactor1, &layers.dynamicFactor2,
                  &layers.accelCorrection};
  return *rest[index - 6];
}

double discScreenAngle(double crankDeg, int sensorAngle) {
  return crankDeg - sensorAngle + 270.0;
}

int discSpeed(int engineSpeedClamped, int quickStartRpm) {
  const int quickStart = quickStartRpm * 20;
  return engineSpeedClamped < quickStart ? quickStart : engineSpeedClamped;
}

Drawing drawSwitchingAngles(const SetupRecord& s, const VitalData& v, const ControlValues& c,
                            const DiscLayers& layers, Rgb background, int width, int height) {
  Drawing d;
  d.width = width;
  d.height = height;
  d.background = background;
  d.fillRect(0, 0, width, height, background);
  d.origin = {width / 2.0, height / 2.0};
  Disc disc{d, s.sensorAngle, static_cast<double>(height / 2)};
  const double R = disc.R;
  const int n = discSpeed(v.engineSpeedClamped, s.quickStartRpm);
  const bool turning = v.engineSpeedClamped > 0;
  const int teeth = s.triggerWheelTeeth;

  d.circle(0, 0, 0.92 * R, discColours::kBase, false);
  // Above the top of the disc, the arrow pointing the way the angles grow.
  d.text(-2, -0.92 * R - 1, "0° ->", discColours::kBase,
         TextStyle{12, false, false, HAlign::Right, VAlign::Bottom, false});

  // Without a tooth count the wheel has no pitch: no wheel and no dynamic-factor lines.
  if (layers.triggerWheel && teeth > 0)
    disc.halfPitches(0.83 * R, 360.0 / teeth, (teeth - s.triggerGapCount) * 2,
                     discColours::kTriggerWheel);
  if (teeth > 0) dynamicFactors(disc, s, layers, n);
  if (layers.toothGap && turning) {
    const double tooth = ticksToDegrees(v.toothPeriod, n);
    const double gap = ticksToDegrees(v.gapPeriod, n);
    disc.arc(0.88 * R, (teeth - s.triggerGapCount) * tooth, gap - tooth, discColours::kToothGap, 1);
  }
  if (layers.speedPulses && s.tachoPulsesPerRev > 0)
    disc.halfPitches(0.75 * R, 360.0 / s.tachoPulsesPerRev, 2 * s.tachoPulsesPerRev,
                     discColours::kSpeedPulses);
  if (layers.sensorPosition)
    disc.radial(0.92 * R, 0.95 * R, 0, discColours::kBase, 3, LineStyle::Solid);
  cylinders(disc, c, layers, n);
  if (layers.accelCorrection && turning) {
    const double length = ticksToDegrees(std::abs(c.accelTimerDiff), n);
    // A positive difference lies before the sensor position, a negative one after it.
    if (c.accelTimerDiff >= 0)
      disc.arc(0.9 * R, -length, length, discColours::kAccelPositive, 2);
    else
      disc.arc(0.9 * R, 0, length, discColours::kAccelNegative, 2);
  }
  return d;
}

}  // namespace qx
