#pragma once
// The state of the four map and curve editors of the main window: where each editing point
// is, the editors' check boxes, and the labels that show the editing point.

#include <string>

#include "core/app/MapRedraw.h"
#include "core/util/Rgb.h"

namespace qx {

// Which editor has the keyboard.
enum class EditingMode : int {
  None = 0,
  InjectionMap = 1,
  AirTemp = 2,
  Ignition = 3,
  EngineTemp = 4
};

// The editing keys that exist while an editor has the keyboard. The plain "+"/"-" keys step
// by 1, with Shift by 10.
enum class EditKey {
  Left, Right, Up, Down, Increase, IncreaseShifted, Decrease, DecreaseShifted,
  Undo, Redo,  // Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z
};

struct PointLabels {
  std::string first, second, third;  // the map has three labels, a curve two
  void clear() { first.clear(), second.clear(), third.clear(); }
};

struct EditorState {
  EditingMode mode = EditingMode::None;
  // InjectionMap editing point: speed index 0..16, throttle index 0..8.
  int mapSpeed = 0;
  int mapThrottle = 0;
  // One index 0..16 for each curve.
  int airIndex = 0;
  int engineIndex = 0;
  int ignitionIndex = 0;

  EditorBoxes boxes;
  bool mapStart = false;  // "Start": group mode for F3/F4
  bool mapX100 = false;   // "x100": the map steps times 100

  PointLabels mapLabels, airLabels, engineLabels, ignitionLabels;
  // The map changed outside the editor (learned map): its drawing needs redrawing.
  bool mapChanged = false;
  // The background of the editors' drawing areas, decided once at start from the system
  // colours.
  Rgb drawingBackground{240, 240, 240};
};

}  // namespace qx
