// The big display's live layer: needle and peak marker, the digital values, lambda ratings,
// the bar indicators and the status lamps.

#include "core/app/ProgramSettings.h"
#include "core/display/BigDisplay.h"
#include "core/display/BigDisplayParts.h"
#include "core/display/VitalDisplay.h"
#include "core/link/VitalData.h"
#include "core/setup/SetupRecord.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
namespace bc = bigDisplayColours;
using bigdisplay::font;
using bigdisplay::ring;

// Bars run from x 345 to 425; their gradients span x 340 to 430.
constexpr double kBarLeft = 345, kBarLength = 80, kBarWidth = 9;
constexpr double kGradientLeft = 340, kGradientLength = 90;

struct Live {
  Drawing& d;
  const BigDisplaySources& src;
  const BigDisplayState& state;
  int tachoMax;
  bool probeShown(int k) const {
    return src.settings.bigDisplayLambda[static_cast<std::size_t>(k - 1)];
  }
};

void needleAndPeak(const Live& l) {
  const DrawPoint tip = tachoPoint(needleAngle(l.src.vital.engineSpeed, l.tachoMax), 95);
  l.d.line(kTachoCentre.x, kTachoCentre.y, tip.x, tip.y, bc::kRed, 5);
  ring(l.d, kTachoCentre, 2, bc::kRed, 1, true);
  ring(l.d, tachoPoint(needleAngle(l.state.peakSpeed, l.tachoMax), 105), 2, bc::kPeak, 4);
}

// A value right-aligned in a box whose top-left corner is (x, y).
void value(const Live& l, double x, double y, double boxWidth, double height, std::string text,
           Rgb colour = bc::kText) {
  l.d.text(x + boxWidth, y, std::move(text), colour, font(height, HAlign::Right));
}

void values(const Live& l) {
  const VitalData& v = l.src.vital;
  const int speed = shownSpeed(v.engineSpeed, l.src.settings.speedDisplayRounding);
  value(l, 332, 10, 200, 50, intText(speed),
        v.engineSpeedClamped > l.tachoMax ? bc::kRed : bc::kText);
  value(l, 331, 60, 200, 30, intText(l.state.peakSpeed),
        l.state.peakSpeed > l.tachoMax ? bc::kRed : bc::kText);
  value(l, 431, 100, 100, 30, intText(v.throttlePercent));
  value(l, 431, 130, 100, 30, intText(roundHalfAway(v.engineTemp)));
  value(l, 431, 160, 100, 30, intText(roundHalfAway(v.airTemp)));
  for (int k = 1; k <= 3; ++k) {
    if (!l.probeShown(k)) continue;
    const double mv = v.lambdaMv[static_cast<std::size_t>(k - 1)];
    value(l, 430, 170 + 30 * k, 100, 30, fixedText(mv / 1000.0, 2));
    l.d.text(432, 170 + 30 * k, lambdaRating(mv, l.src.settings.lambdaThresholdsMv), bc::kRed,
             font(30));
  }
  value(l, 431, 300, 100, 30, intText(v.cpuTemp), v.cpuTemp > 85 ? bc::kRed : bc::kText);

  const bool tooLong =
      v.injectionTimeUs >
      availableInjectionUs(v.engineSpeedClamped, l.src.settings.injectionWarnPercent);
  value(l, 480, 360, 85, 30, intText(v.injectionTimeUs), tooLong ? bc::kRed : bc::kText);
  value(l, 480, 390, 85, 30, intText(v.ignitionAngleRaw - 50));
  value(l, 480, 420, 85, 30, intText(l.src.sensorErrorCount));
}

Rgb mix(Rgb a, Rgb b, double f) {
  auto c = [f](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(roundHalfAway(x + (y - x) * f));
  };
  return {c(a.r, b.r), c(a.g, b.g), c(a.b, b.b), 255};
}

// A bar at height y whose gradient runs from x 340 to 430, so that its visible part from
// 345 to 425 starts and ends a little inside the two colours.
void bar(const Live& l, double y, Rgb from, Rgb to) {
  const double f0 = (kBarLeft - kGradientLeft) / kGradientLength;
  const double f1 = (kBarLeft + kBarLength - kGradientLeft) / kGradientLength;
  l.d.items.emplace_back(DrawGradientRect{{kBarLeft, y - kBarWidth / 2},
                                          kBarLength,
                                          kBarWidth,
                                          mix(from, to, f0),
                                          mix(from, to, f1),
                                          false});
}

void valueMark(const Live& l, double y, double position) {
  const double x = kBarLeft + position;
  l.d.line(x, y - 10, x, y + 10, bc::kPeak, 2);
}

void learningMarks(const Live& l) {
  const SetupRecord& s = l.src.setup;
  l.d.line(kBarLeft + s.learnThrottleLow / 100.0 * kBarLength, 115,
           kBarLeft + s.learnThrottleHigh / 100.0 * kBarLength, 115, bc::kLearning, 5);
  l.d.line(kBarLeft + s.learnMinEngineTemp / 160.0 * kBarLength, 145, kBarLeft + kBarLength, 145,
           bc::kLearning, 5);
  for (int k = 1; k <= 3; ++k) {
    if (!l.probeShown(k)) continue;
    const double x = kBarLeft + s.lambdaTarget / 1000.0 / 1.5 * kBarLength;
    ring(l.d, {x, 185.0 + 30 * k}, 2.5, bc::kLearning, 1, true);
  }
}

void bars(const Live& l) {
  const VitalData& v = l.src.vital;
  bar(l, 115, bc::kThrottleFrom, bc::kThrottleTo);
  bar(l, 145, bc::kTempFrom, bc::kTempTo);
  bar(l, 175, bc::kTempFrom, bc::kTempTo);
  for (int k = 1; k <= 3; ++k)
    if (l.probeShown(k)) bar(l, 185 + 30 * k, bc::kLambdaFrom, bc::kLambdaTo);
  if (l.src.settings.showLearningLimits) learningMarks(l);

  valueMark(l, 115, v.throttlePercent / 100.0 * kBarLength);
  auto temperature = [&](double y, double celsius) {
    const double t = celsius + 20;
    if (t >= 0 && t <= 160) valueMark(l, y, t / 160.0 * kBarLength);
  };
  temperature(145, v.engineTemp);
  temperature(175, v.airTemp);
  for (int k = 1; k <= 3; ++k) {
    const double mv = v.lambdaMv[static_cast<std::size_t>(k - 1)];
    if (l.probeShown(k) && mv < 1500) valueMark(l, 185 + 30 * k, mv / 1000.0 / 1.5 * kBarLength);
  }
}

void lamps(const Live& l) {
  const VitalData& v = l.src.vital;
  const bool on[bigdisplay::kRowCount] = {v.limiterAngle == 1,
                                          v.limiterIgnitionOff == 1,
                                          v.output1 != 0,
                                          v.output2 != 0,
                                          v.input1 != 0,
                                          v.input2 != 0,
                                          v.input3 != 0,
                                          l.src.setup.learningActive == 1,
                                          v.startInjectionOff != 0,
                                          v.emergencyProgram != 0};
  for (int i = 0; i < bigdisplay::kRowCount; ++i)
    ring(l.d, {bigdisplay::kLampX, bigdisplay::lampY(i)}, 6, on[i] ? bc::kLearning : bc::kLampOff,
         1, true);
}
}  // namespace

Drawing drawBigDisplayLive(BigDisplayState& state, const BigDisplaySources& src) {
  const int speed = shownSpeed(src.vital.engineSpeed, src.settings.speedDisplayRounding);
  if (speed > state.peakSpeed) state.peakSpeed = speed;

  Drawing d;
  d.width = kBigDisplayWidth;
  d.height = kBigDisplayHeight;
  d.background = src.background;
  d.items.reserve(64);
  const Live l{d, src, state, bigdisplay::clampedTachoMax(src.settings.tachoMaxRpm)};
  needleAndPeak(l);
  values(l);
  if (src.settings.sliderDisplays) bars(l);
  lamps(l);
  return d;
}

bool refreshBigDisplay(BigDisplayState& state, const BigDisplaySources& src, bool forceStatic) {
  const BigDisplayStaticInputs in = staticInputsOf(src.settings, src.setup, src.background);
  const bool rebuild = forceStatic || !state.staticDrawnFrom || !(*state.staticDrawnFrom == in);
  if (rebuild) {
    state.staticLayer = drawBigDisplayStatic(in);
    state.staticDrawnFrom = in;
  }
  state.liveLayer = drawBigDisplayLive(state, src);
  return rebuild;
}

}  // namespace qx
