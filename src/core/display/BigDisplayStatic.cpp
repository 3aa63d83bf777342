// The big display's static layer: the tachometer's arcs, ticks and labels, the learning
// window on the scale, the labels of the values, the status rows and their frames.

#include <algorithm>
#include <initializer_list>

#include "core/app/ProgramSettings.h"
#include "core/display/BigDisplay.h"
#include "core/display/BigDisplayParts.h"
#include "core/setup/SetupRecord.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
namespace bc = bigDisplayColours;
using bigdisplay::font;
using bigdisplay::ring;

constexpr double kScaleRadius = 115;

std::string hundreds(int steps) {
  return intText(steps * 100LL);
}

// "(" + the parts + ")", appended piece by piece (chained temporaries make one compiler
// warn about overlapping copies that cannot happen).
std::string inBrackets(std::initializer_list<std::string> parts) {
  std::string out = "(";
  for (const std::string& p : parts) out += p;
  out += ')';
  return out;
}

// Scale arcs are given clockwise from the +x axis (y downwards); the drawing counts its
// angles counter-clockwise, so both signs turn over.
void clockwiseArc(Drawing& d, double fromDeg, double spanDeg, Rgb colour, double width) {
  d.arc(kTachoCentre.x, kTachoCentre.y, kScaleRadius, -fromDeg, -spanDeg, colour, width);
}

void scale(Drawing& d, int tachoMax) {
  clockwiseArc(d, 20, 25, bc::kRed, 5);      // over-speed, 20° .. 45°
  clockwiseArc(d, 135, 245, bc::kScale, 5);  // 135° clockwise over the top to 20°
  const double thousands = tachoMax / 1000.0;
  for (int i = 0; i <= tachoMax / 1000; ++i) {
    const double theta = 315.0 - i * 245.0 / thousands;
    const DrawPoint inner = tachoPoint(theta, kScaleRadius), outer = tachoPoint(theta, 120);
    d.line(inner.x, inner.y, outer.x, outer.y, bc::kScale, 5);
    const double lx = kTachoCentre.x + 1.11 * (outer.x - kTachoCentre.x) - 4;
    const double ly = kTachoCentre.y + 1.11 * (outer.y - kTachoCentre.y) - 8;
    d.text(lx, ly, intText(i), bc::kText, font(16));
  }
}

// The learning speeds as a green arc on the scale.
void learningArc(Drawing& d, const BigDisplayStaticInputs& in, int tachoMax) {
  auto angle = [&](int steps) {
    return 135.0 + std::clamp(245.0 * (steps * 100.0) / tachoMax, 5.0, 265.0);
  };
  const double from = angle(in.learnRpmLow), to = angle(in.learnRpmHigh);
  clockwiseArc(d, from, to - from, bc::kLearning, 2);
}

void valueLabels(Drawing& d, const BigDisplayStaticInputs& in) {
  const Rgb k = bc::kText;
  d.text(kTachoCentre.x - 25, kTachoCentre.y + 80, "x1000 Umin", k, font(10));
  struct Label {
    double x, y;
    const char* text;
  };
  static constexpr Label kLabels[] = {
      {540, 43, "Umin"},
      {540, 73, "Umin (max.)"},
      {540, 113, "%"},
      {565, 113, "Klappe"},
      {540, 143, "°C"},
      {565, 143, "Motor"},
      {540, 173, "°C"},
      {565, 173, "Luft"},
      {540, 313, "°C"},
      {565, 313, "CPU"},
      {350, 370, "Einspritzung [µs]"},
      {350, 400, "Zündwinkel [°KW]"},
      {350, 430, "Sensor-Fehler"},
  };
  for (const Label& l : kLabels) d.text(l.x, l.y, l.text, k, font(16));
  static constexpr const char* kProbe[] = {"Lambda1", "Lambda2", "Lambda3"};
  for (int k3 = 1; k3 <= 3; ++k3) {
    if (!in.showLambda[static_cast<std::size_t>(k3 - 1)]) continue;
    d.text(540, 183 + 30 * k3, "V", k, font(16));
    d.text(565, 183 + 30 * k3, kProbe[k3 - 1], k, font(16));
  }
}

constexpr double kRowFont = 14;

void statusRows(Drawing& d, const BigDisplayStaticInputs& in) {
  const Rgb k = bc::kText;
  auto row = [&](double x, double y, std::string text, Rgb colour = bc::kText) {
    d.text(x, y, std::move(text), colour, font(kRowFont));
  };
  row(15, 255, "Begrenzer");
  row(230, 255, "Winkel");
  row(100, 255, inBrackets({hundreds(in.retardRpm)}), bc::kLimiter);
  row(230, 277, "Z.Aus");
  row(100, 277, inBrackets({hundreds(in.ignitionCutRpm)}), bc::kCut);
  row(15, 299, "Ausgang 1 " + output1Suffix(in), k);
  row(15, 321, "Ausgang 2 " + output2Suffix(in), k);
  row(15, 343, "Eingang 1 ", k);
  row(15, 365, "Eingang 2 " + input2Suffix(in), k);
  row(15, 387, "Eingang 3 " + input3Suffix(in), k);
  row(15, 409, "Lern-Modus aktiv", k);
  row(15, 431, "Start-Einspritz Aus", k);
  row(15, 453, "Notprogramm", k);

  for (int i = 1; i <= bigdisplay::kRowCount; ++i) {
    d.frameRect(10, 233 + 22 * i, 305, 20, bc::kRowFrame, 1);
    ring(d, {bigdisplay::kLampX, 243.0 + 22 * i}, 7, bc::kText, 2);
  }
}

// Small dots on the scale at the limiter and ignition cut-off speeds.
void speedMarkers(Drawing& d, const BigDisplayStaticInputs& in, int tachoMax) {
  auto marker = [&](int steps, Rgb colour) {
    const double theta = needleAngle(steps * 100, tachoMax);
    if (theta > 45 && theta < 315) ring(d, tachoPoint(theta, 124), 2, colour, 4);
  };
  marker(in.retardRpm, bc::kLimiter);
  marker(in.ignitionCutRpm, bc::kCut);
}

std::string betweenSuffix(int on, int off) {
  return inBrackets({hundreds(on), " < Umin < ", hundreds(off)});
}
}  // namespace

BigDisplayStaticInputs staticInputsOf(const ProgramSettings& s, const SetupRecord& r,
                                      Rgb background) {
  BigDisplayStaticInputs in;
  in.tachoMaxRpm = s.tachoMaxRpm;
  in.showLearningLimits = s.showLearningLimits;
  in.learnRpmLow = r.learnRpmLow;
  in.learnRpmHigh = r.learnRpmHigh;
  in.showLambda = s.bigDisplayLambda;
  in.retardRpm = r.retardRpm;
  in.ignitionCutRpm = r.ignitionCutRpm;
  in.output1Mode = r.output1Mode;
  in.output1RpmOn = r.output1RpmOn;
  in.output1RpmOff = r.output1RpmOff;
  in.output2Mode = r.output2Mode;
  in.output2RpmOn = r.output2RpmOn;
  in.output2RpmOff = r.output2RpmOff;
  in.input2Function = r.input2Function;
  in.input3Function = r.input3Function;
  in.background = background;
  return in;
}

std::string output1Suffix(const BigDisplayStaticInputs& in) {
  if (in.output1Mode == 1) return inBrackets({"Umin > ", hundreds(in.output1RpmOn)});
  if (in.output1Mode == 2) return betweenSuffix(in.output1RpmOn, in.output1RpmOff);
  return "";
}

std::string output2Suffix(const BigDisplayStaticInputs& in) {
  if (in.output2Mode == 1) return inBrackets({"Umin > ", hundreds(in.output2RpmOn)});
  if (in.output2Mode == 2) return betweenSuffix(in.output2RpmOn, in.output2RpmOff);
  if (in.output2Mode == 3) return "(ORK lernt...)";
  return "";
}

std::string input2Suffix(const BigDisplayStaticInputs& in) {
  return in.input2Function == 1 ? "(Begrenzer AUS)" : "";
}

std::string input3Suffix(const BigDisplayStaticInputs& in) {
  return in.input3Function == 1 ? "(Lern-Modus: EEPROM)" : "";
}

Drawing drawBigDisplayStatic(const BigDisplayStaticInputs& in) {
  Drawing d;
  d.width = kBigDisplayWidth;
  d.height = kBigDisplayHeight;
  d.background = in.background;
  d.items.reserve(160);
  d.fillRect(0, 0, kBigDisplayWidth, kBigDisplayHeight, in.background);
  const int tachoMax = bigdisplay::clampedTachoMax(in.tachoMaxRpm);
  scale(d, tachoMax);
  if (in.showLearningLimits) learningArc(d, in, tachoMax);
  valueLabels(d, in);
  statusRows(d, in);
  speedMarkers(d, in, tachoMax);
  return d;
}

}  // namespace qx
