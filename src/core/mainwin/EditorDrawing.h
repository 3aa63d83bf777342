#pragma once
// The drawings of the four editors of the main window: the injection map as an oblique wire
// frame over speed and throttle, the two temperature corrections and the ignition curve as
// line charts. Each drawing also shows the live operating point when the editor's "pos" box
// is ticked and marks the editing point of the active editor, whose point labels it fills.

#include "core/app/MapRedraw.h"
#include "core/draw/Drawing.h"

namespace qx {

struct EditorState;
struct ProgramSettings;
struct SetupRecord;
struct SetupState;
struct VitalData;

// What the editors' drawings show. Drawing the active editor writes its point labels into
// the editor state.
struct EditorSources {
  EditorState& editors;
  const SetupState& setup;
  const VitalData& vital;
  const ProgramSettings& settings;
};

enum class EditorId { InjectionMap, AirTemp, EngineTemp, Ignition };

namespace drawingColours {
inline constexpr Rgb kText{0, 0, 0};
inline constexpr Rgb kGrid{0, 0, 255};        // map grid and curves
inline constexpr Rgb kOverTime{255, 102, 0};  // injection longer than the available time
inline constexpr Rgb kGroup{0, 150, 30};      // F3/F4 group while "Start" is ticked
inline constexpr Rgb kLiveCell{255, 0, 0};    // map cell of the live operating point
inline constexpr Rgb kLiveLine{127, 127, 0};  // live operating-point lines
inline constexpr Rgb kLiveValue{127, 127, 127};
inline constexpr Rgb kEditingPoint{255, 0, 0};
}  // namespace drawingColours

// Drawing areas in pixels.
inline constexpr int kMapDrawingWidth = 450, kMapDrawingHeight = 375;
inline constexpr int kCurveDrawingWidth = 310, kCurveDrawingHeight = 115;

// The background of every drawing area: the system's window colour, unless that is pure
// white or pure black; then the button-face colour.
Rgb chooseDrawingBackground(Rgb windowColour, Rgb buttonFaceColour);

// The top of the map's value axis in µs: with "kapp" the display ceiling of the settings,
// otherwise the largest of 100 and all map values, at most 60000.
int mapCeiling(const SetupRecord& setup, bool kapp, int displayCeiling);

// The available injection time at speed index i (i >= 1) in µs: the injection share of one
// revolution at i * 1000 rpm less the longest injector switching time.
long long availableInjectionUs(int speedIndex, int sharePercent, int switchTimeUs);
inline constexpr long long kNoLimit = 1LL << 40;

// The single drawings; drawEditor picks one.
Drawing drawInjectionMap(const EditorSources& src);
Drawing drawCurve(const EditorSources& src, EditorId curve);

// Computes an editor's drawing. When the editor is the active one, its point labels in
// the editor state are written as well.
Drawing drawEditor(const EditorSources& src, EditorId editor);

// The latest drawing of each editor, as its drawing area paints it.
struct EditorDrawings {
  Drawing injectionMap, airTemp, engineTemp, ignition;
  // The setup revision the drawings show (-1: none drawn yet).
  int drawnSetupRevision = -1;

  Drawing& of(EditorId editor);
};

// Redraws the editors in `which` and those whose data changed behind the editors' back: all
// four after a bulk change of the setup, the map after the learned map changed it. Returns
// the editors that were redrawn.
RedrawSet redrawEditors(const EditorSources& src, RedrawSet which, EditorDrawings& drawings);

// Redraws all four editors.
void redrawAllEditors(const EditorSources& src, EditorDrawings& drawings);

}  // namespace qx
