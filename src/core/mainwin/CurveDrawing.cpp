// The curve drawings (the two temperature corrections and the ignition curve) and the
// redrawing of all four editors.

#include <string>

#include "core/app/ProgramSettings.h"
#include "core/link/VitalData.h"
#include "core/mainwin/EditorDrawing.h"
#include "core/mainwin/EditorState.h"
#include "core/setup/MapAxes.h"
#include "core/setup/SetupState.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
namespace dc = drawingColours;

constexpr int kLastPoint = kSpeedPoints - 1;

struct CurveView {
  const Curve& values;
  double scale;  // px per unit of the stored value
  int step;      // px per index
  bool correction;
  const int* editingIndex;  // nullptr unless this editor is active
  PointLabels& labels;

  double y(double v) const { return static_cast<double>(roundHalfAway(-scale * v)); }
};

std::string lastChars(const std::string& text, std::size_t n) {
  return text.size() > n ? text.substr(text.size() - n) : text;
}

void drawAxes(Drawing& d, const CurveView& c) {
  const Rgb k = dc::kText;
  const int right = 16 * c.step;
  d.line(0, 0, right, 0, k);
  d.line(0, 0, 0, c.y(c.correction ? 150 : 50), k);
  for (int i = 0; i <= kLastPoint; ++i) {
    d.line(i * c.step, 0, i * c.step, 5, k);
    if (!c.correction)
      d.text(i * c.step - 3, 10, intText(i), k);
    else if (i % 2 == 0)
      d.text(i * c.step - 3, 10, intText(axes::temperatureCelsius(i)), k);
  }
  if (c.correction)
    d.text(17 * c.step + 5, 10, "°C", k);
  else
    d.text(17 * c.step - 17, 10, "kUmin", k);

  // The corrections show the stored value v as v + 85 %.
  const int valueStep = c.correction ? 50 : 15;
  const int labelX = c.correction ? -30 : -25;
  const int shownOffset = c.correction ? 85 : 0;
  for (int v = 0; v <= 3 * valueStep; v += valueStep) {
    d.line(0, c.y(v), -5, c.y(v), k);
    const double labelY = static_cast<double>(roundHalfAway(-c.scale * v - 8));
    d.text(labelX, labelY, lastChars("  " + intText(v + shownOffset), 3), k);
  }
  if (c.correction)
    d.text(-15, c.y(200), "%", k);
  else
    d.text(-15, c.y(60), "°KW", k);
}

void curveLine(Drawing& d, const CurveView& c) {
  for (int i = 0; i < kLastPoint; ++i)
    d.line(i * c.step, c.y(c.values[static_cast<std::size_t>(i)]), (i + 1) * c.step,
           c.y(c.values[static_cast<std::size_t>(i + 1)]), dc::kGrid);
}

// The live position as a vertical line, only while it lies inside the curve's range.
void positionLine(Drawing& d, const CurveView& c, const VitalData& vital, double temperature) {
  double x = 0;
  if (c.correction) {
    if (!(temperature > -20 && temperature < 140)) return;
    x = (temperature + 20) / 10 * c.step;
  } else {
    if (vital.engineSpeedClamped > kMaxComputedSpeed || vital.engineSpeedClamped < 0) return;
    x = axes::speedPosition(vital.engineSpeedClamped) * c.step;
  }
  const double top = c.correction ? c.y(150) : c.y(45);
  d.line(x, 0, x, top, dc::kLiveLine);
}

void editingPoint(Drawing& d, const CurveView& c) {
  const int i = clampTo(*c.editingIndex, 0, kLastPoint);
  const int v = c.values[static_cast<std::size_t>(i)];
  if (c.correction) {
    c.labels.first = intText(axes::temperatureCelsius(i));
    c.labels.second = intText(v + 85);
  } else {
    c.labels.first = intText(axes::speedRpm(i));
    c.labels.second = intText(v);
  }
  d.circle(i * c.step, c.y(v), 3, dc::kEditingPoint, false);
  d.circle(i * c.step, c.y(v), 4, dc::kEditingPoint, false);
}
}  // namespace

Drawing drawCurve(const EditorSources& p, EditorId curve) {
  Drawing d;
  d.width = kCurveDrawingWidth;
  d.height = kCurveDrawingHeight;
  d.background = p.editors.drawingBackground;
  d.origin = {30, kCurveDrawingHeight - 25.0};

  EditorState& e = p.editors;
  const EditorBoxes& b = e.boxes;
  const bool air = curve == EditorId::AirTemp;
  const bool engine = curve == EditorId::EngineTemp;
  const bool correction = air || engine;
  const Curve& values = air      ? p.setup.record.airTempCorrection
                        : engine ? p.setup.record.engineTempCorrection
                                 : p.setup.record.ignitionCurve;
  const EditingMode mode = air      ? EditingMode::AirTemp
                           : engine ? EditingMode::EngineTemp
                                    : EditingMode::Ignition;
  const int& index = air ? e.airIndex : engine ? e.engineIndex : e.ignitionIndex;
  PointLabels& labels = air ? e.airLabels : engine ? e.engineLabels : e.ignitionLabels;
  const bool pos = air ? b.airPos : engine ? b.enginePos : b.ignitionPos;

  const CurveView c{values,
                    correction ? 0.45 : 1.5,
                    (kCurveDrawingWidth - 55) / 16,
                    correction,
                    p.editors.mode == mode ? &index : nullptr,
                    labels};
  drawAxes(d, c);
  curveLine(d, c);
  if (pos) positionLine(d, c, p.vital, air ? p.vital.airTemp : p.vital.engineTemp);
  if (c.editingIndex) editingPoint(d, c);
  return d;
}

Rgb chooseDrawingBackground(Rgb windowColour, Rgb buttonFaceColour) {
  const bool plain = windowColour == Rgb{255, 255, 255} || windowColour == Rgb{0, 0, 0};
  return plain ? buttonFaceColour : windowColour;
}

Drawing drawEditor(const EditorSources& program, EditorId editor) {
  return editor == EditorId::InjectionMap ? drawInjectionMap(program) : drawCurve(program, editor);
}

Drawing& EditorDrawings::of(EditorId editor) {
  switch (editor) {
    case EditorId::AirTemp:
      return airTemp;
    case EditorId::EngineTemp:
      return engineTemp;
    case EditorId::Ignition:
      return ignition;
    case EditorId::InjectionMap:
      break;
  }
  return injectionMap;
}

RedrawSet redrawEditors(const EditorSources& p, RedrawSet which, EditorDrawings& drawings) {
  if (drawings.drawnSetupRevision != p.setup.revision) which = {true, true, true, true};
  if (p.editors.mapChanged) which.injectionMap = true;
  p.editors.mapChanged = false;
  drawings.drawnSetupRevision = p.setup.revision;
  // The order of the first drawing at start: the curves, then the map.
  if (which.ignition) drawings.ignition = drawEditor(p, EditorId::Ignition);
  if (which.engineTemp) drawings.engineTemp = drawEditor(p, EditorId::EngineTemp);
  if (which.airTemp) drawings.airTemp = drawEditor(p, EditorId::AirTemp);
  if (which.injectionMap) drawings.injectionMap = drawEditor(p, EditorId::InjectionMap);
  return which;
}

void redrawAllEditors(const EditorSources& program, EditorDrawings& drawings) {
  redrawEditors(program, {true, true, true, true}, drawings);
}

}  // namespace qx
