#pragma once
// The power window's drawings: power and torque over engine speed (on the diagram area or a
// printed page) with the speed cursor and its "Werte", engine speed over time, the
// remaining-time display and the line samples of "Anzeige Kurven".

#include <optional>

#include "core/draw/Drawing.h"
#include "core/power/PowerRun.h"

namespace qx {

struct SetupRecord;

namespace powerColours {
inline constexpr Rgb kCurve1{0, 0, 255};
inline constexpr Rgb kCurve2{0, 159, 0};
inline constexpr Rgb kCurve3{255, 0, 255};
inline constexpr Rgb kBackground{128, 128, 128};  // window, diagram area, remaining time
inline constexpr Rgb kInk{0, 0, 0};               // axes, labels, raw values, print text
inline constexpr Rgb kCursor{255, 0, 0};
inline constexpr Rgb kSpeedCurve{50, 200, 50};
inline constexpr Rgb kSpeedReversal{255, 0, 0};
// The colour of curve 1..3 (0 gives black).
Rgb curve(int c);
}  // namespace powerColours

inline constexpr int kDiagramWidth = 765, kDiagramHeight = 430;
inline constexpr int kRemainingWidth = 110, kRemainingHeight = 60;
inline constexpr int kLineSampleWidth = 35, kLineSampleHeight = 15;
inline constexpr double kDiagramTextSize = 12;

// Left edge, top, width and height of a plot inside its target of size w x h.
struct PlotRect {
  double x0, top, width, height;
};
PlotRect powerPlotOnScreen(double w, double h);
PlotRect powerPlotOnPage(double w, double h);
PlotRect speedPlotOnScreen(double w, double h);

// The scales of the power/torque diagram: speed axis 0..maxSpeed; power from e to d; torque
// drawn as m * torque on the power scale (g and f are the largest and smallest torque).
struct PowerScale {
  long long maxSpeed = 1000;
  double d = 10, g = 10, e = 0, f = 0;
  double m = 1;
  double range() const { return d - e; }
};
// From every bin of curves 1..3 and every run-table row above the minimum evaluation speed.
PowerScale powerScale(const PowerRun& run, int minRpm);

// A curve's torque (kBinTorque) or power (kBinPower) at a cursor speed, interpolated between
// the two bins around it; 0 at or below the minimum evaluation speed.
double valueAtCursor(const PowerCurve& curve, int column, long long cursorRpm, int minRpm);
// Pulls the cursor into 0..maxSpeed and fills the "Werte" texts.
void updateCursorValues(PowerRun& run, const PowerScale& scale, int minRpm);

// Adds the power/torque diagram into a drawing (screen pixels or page points).
void addPowerDiagram(Drawing& d, const PowerRun& run, const PowerScale& scale, const PlotRect& plot,
                     int minRpm);

// The diagram area with the power/torque diagram, the cursor clamped and the "Werte"
// updated; nothing while "Drehzahl" is selected.
std::optional<Drawing> drawPowerDiagram(PowerRun& run, int minRpm, int w = kDiagramWidth,
                                        int h = kDiagramHeight);
// The diagram area with engine speed over time; nothing while "Messung" is selected.
std::optional<Drawing> drawSpeedDiagram(const PowerRun& run, const SetupRecord& setup,
                                        int w = kDiagramWidth, int h = kDiagramHeight);

// The mouse wheel in the diagram area: notches > 0 move the cursor up, by 1 1/min each, 10
// with Shift, 100 with Ctrl, 109 with both. The caller then redraws the power diagram.
void moveCursorByWheel(PowerRun& run, int notches, bool shift, bool ctrl);
// A left click at x in a diagram area w pixels wide sets the cursor to that speed.
void setCursorByClick(PowerRun& run, int minRpm, int mouseX, int w = kDiagramWidth);

// The remaining-time display: grey, with the remaining seconds in black while recording.
Drawing drawRemainingTime(const RunProgress& progress);
// The line samples beside "Leistung [kW]" (solid) and "Drehmoment [Nm]" (dashed).
Drawing drawLineSample(bool dashed);

}  // namespace qx
