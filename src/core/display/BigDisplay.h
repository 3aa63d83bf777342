#pragma once
// The big workshop display ("Grossbild"): an analogue tachometer with needle and peak marker,
// big digital values, optional bar indicators, lambda ratings and a column of status lamps.
//
// Everything is computed in a virtual 640 x 480 space. The window paints two drawings on top
// of each other, scaled by fitBigDisplay's scale and anti-aliased: the static layer (scales,
// labels, row frames), rebuilt only when what it shows changes, and the live layer (needle,
// values, bars, lamps), rebuilt for every sample. Since the live layer is always painted over
// a fresh copy of the static layer, it needs no erasing of the previous needle or values.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/draw/Drawing.h"

namespace qx {

struct VitalData;
struct ProgramSettings;
struct SetupRecord;

inline constexpr int kBigDisplayWidth = 640, kBigDisplayHeight = 480;
inline constexpr int kBigDisplayMinWidth = 160, kBigDisplayMinHeight = 120;

namespace bigDisplayColours {
inline constexpr Rgb kScale{0, 150, 150};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kText{0, 0, 0};
inline constexpr Rgb kPeak{0, 0, 255};  // peak marker, value marks on the bars
inline constexpr Rgb kLimiter{140, 0, 255};
inline constexpr Rgb kCut{255, 0, 255};
inline constexpr Rgb kLearning{0, 255, 0};  // learning-window marks, lamp on
inline constexpr Rgb kLampOff{100, 100, 100};
inline constexpr Rgb kRowFrame{100, 100, 100};
inline constexpr Rgb kThrottleFrom{0, 0, 0}, kThrottleTo{150, 150, 150};
inline constexpr Rgb kTempFrom{0, 190, 255}, kTempTo{255, 70, 0};
inline constexpr Rgb kLambdaFrom{255, 255, 0}, kLambdaTo{255, 0, 0};
}  // namespace bigDisplayColours

// ---- Window size -------------------------------------------------------------------------

// The drawing area for a window's inner size: at least 160 x 120, forced to 4:3 (the longer
// side is cut, integer divisions), and the scale from virtual units to pixels (height / 480).
// The window is resized to width x height. Fitting a fitted size again may take off up to
// three more pixels of height once, then the size stays.
struct BigDisplayFit {
  int width = kBigDisplayWidth;
  int height = kBigDisplayHeight;
  double scale = 1.0;
};
BigDisplayFit fitBigDisplay(int innerWidth, int innerHeight);

// ---- Geometry ----------------------------------------------------------------------------

inline constexpr DrawPoint kTachoCentre{170, 140};

// Needle angle in degrees for an engine speed: 315 at 0 1/min (lower left), going clockwise
// over the top, 110 % of the tachometer maximum and above at 45 (lower right).
double needleAngle(int engineSpeed, int tachoMaxRpm);
// The point at radius r and needle angle theta around the tachometer's centre.
DrawPoint tachoPoint(double thetaDeg, double radius);

// The digital speed: rounded down to a multiple of the rounding setting.
int shownSpeed(int engineSpeed, int rounding);

// The rating of a probe voltage against the four thresholds ("sehr fett (++)", "fett (+)",
// "mager (-)", "sehr mager (--)", in mV): the first matching range wins.
std::string lambdaRating(double lambdaMv, const std::array<float, 4>& thresholdsMv);

// ---- Static layer ------------------------------------------------------------------------

// Everything the static layer shows. The window rebuilds the static layer whenever these
// differ from the ones it was drawn from, so a change in the system, settings or learning
// window shows at once without each window having to ask for it.
struct BigDisplayStaticInputs {
  int tachoMaxRpm = 8000;
  bool showLearningLimits = false;
  int learnRpmLow = 0, learnRpmHigh = 0;  // 100 rpm steps
  std::array<bool, 3> showLambda{true, true, true};
  int retardRpm = 0, ignitionCutRpm = 0;  // 100 rpm steps
  int output1Mode = 0, output1RpmOn = 0, output1RpmOff = 0;
  int output2Mode = 0, output2RpmOn = 0, output2RpmOff = 0;
  int input2Function = 0, input3Function = 0;
  Rgb background;

  friend bool operator==(const BigDisplayStaticInputs&, const BigDisplayStaticInputs&) = default;
};
BigDisplayStaticInputs staticInputsOf(const ProgramSettings& settings, const SetupRecord& setup,
                                      Rgb background);

// The texts after "Ausgang 1 ", "Ausgang 2 ", "Eingang 2 " and "Eingang 3 " in the status rows.
std::string output1Suffix(const BigDisplayStaticInputs& in);
std::string output2Suffix(const BigDisplayStaticInputs& in);
std::string input2Suffix(const BigDisplayStaticInputs& in);
std::string input3Suffix(const BigDisplayStaticInputs& in);

Drawing drawBigDisplayStatic(const BigDisplayStaticInputs& in);

// ---- Live layer --------------------------------------------------------------------------

struct BigDisplayState {
  int peakSpeed = 0;  // of the shown (rounded) speed
  // The layers as the window paints them, and what the static one was drawn from.
  Drawing staticLayer, liveLayer;
  std::optional<BigDisplayStaticInputs> staticDrawnFrom;
};

struct BigDisplaySources {
  const VitalData& vital;
  const ProgramSettings& settings;
  const SetupRecord& setup;
  int sensorErrorCount;  // kept by the live-data cycle
  Rgb background;        // the drawing background of every drawing area
};

// Takes the sample's shown speed into the peak, then draws the live layer. Drawn after every
// COM tick while the window is shown, after a click and after the static layer.
Drawing drawBigDisplayLive(BigDisplayState& state, const BigDisplaySources& src);

// What the window calls on every COM tick while shown and after its own events: rebuilds the
// static layer when what it shows changed (or when `forceStatic`, after a resize), then the
// live layer. Returns whether the static layer was rebuilt.
bool refreshBigDisplay(BigDisplayState& state, const BigDisplaySources& src,
                       bool forceStatic = false);

// ---- Clicks ------------------------------------------------------------------------------

enum class BigDisplayHit { None, SensorErrors, Peak };

// What a left click at a point of the virtual space hits: the "Sensor-Fehler" count
// (x 501..559, y 431..449) or the peak speed (x 461..529, y 66..84).
BigDisplayHit bigDisplayHitAt(long long virtualX, long long virtualY);

// A left click at pixel (x, y) of the drawing area drawn at `scale`: the position is taken
// to virtual units (divided by the scale, rounded) and the hit value reset to 0. The live
// layer is to be redrawn afterwards in any case.
BigDisplayHit clickBigDisplay(BigDisplayState& state, int& sensorErrorCount, double x, double y,
                              double scale);

}  // namespace qx
