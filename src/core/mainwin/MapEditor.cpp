#include "core/mainwin/MapEditor.h"

#include "core/app/Program.h"
#include "core/mainwin/MainWindowLogic.h"

namespace qx {

namespace {
bool autoFollows(const Program& p) {
  const EditorBoxes& b = p.editors.boxes;
  switch (p.editingMode) {
    case EditingMode::InjectionMap:
      return b.mapAuto;
    case EditingMode::AirTemp:
      return b.airAuto;
    case EditingMode::EngineTemp:
      return b.engineAuto;
    case EditingMode::Ignition:
      return b.ignitionAuto;
    case EditingMode::None:
      break;
  }
  return false;
}

int* speedOrTemperatureIndex(Program& p) {
  EditorState& e = p.editors;
  switch (p.editingMode) {
    case EditingMode::InjectionMap:
      return &e.mapSpeed;
    case EditingMode::AirTemp:
      return &e.airIndex;
    case EditingMode::EngineTemp:
      return &e.engineIndex;
    case EditingMode::Ignition:
      return &e.ignitionIndex;
    case EditingMode::None:
      break;
  }
  return nullptr;
}

void move(Program& p, EditKey key) {
  if (autoFollows(p)) return;  // the point follows the engine
  int* index = speedOrTemperatureIndex(p);
  if (!index) return;
  int& throttle = p.editors.mapThrottle;
  const bool map = p.editingMode == EditingMode::InjectionMap;
  switch (key) {
    case EditKey::Left:
      if (*index >= 1) --*index;
      break;
    case EditKey::Right:
      if (*index < 16) ++*index;
      break;
    case EditKey::Up:
      if (map && throttle < 8) ++throttle;
      break;
    case EditKey::Down:
      if (map && throttle >= 1) --throttle;
      break;
    default:
      break;
  }
}
}  // namespace

void editingKey(Program& program, SerialLink& link, EditKey key) {
  (void)link;
  if (program.editingMode == EditingMode::None) return;
  switch (key) {
    case EditKey::Left:
    case EditKey::Right:
    case EditKey::Up:
    case EditKey::Down:
      move(program, key);
      break;
    default:
      break;
  }
  clearPointLabels(program);
}

}  // namespace qx
