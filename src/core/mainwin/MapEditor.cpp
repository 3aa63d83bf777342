#include "core/mainwin/MapEditor.h"
#include "core/setup/MapAxes.h"

#include "core/app/MessageLog.h"
#include "core/link/SerialLink.h"
#include "core/mainwin/EditorState.h"
#include "core/mainwin/MainWindowLogic.h"
#include "core/ports/Requesters.h"
#include "core/setup/SetupState.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
bool autoFollows(const EditorState& ed) {
  const EditorBoxes& b = ed.boxes;
  switch (ed.mode) {
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

// The active editor's speed or temperature index.
int* mainIndex(EditorState& ed) {
  EditorState& e = ed;
  switch (ed.mode) {
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

void move(EditorState& ed, EditKey key) {
  if (autoFollows(ed)) return;  // the point follows the engine
  int* index = mainIndex(ed);
  if (!index) return;
  int& throttle = ed.mapThrottle;
  const bool map = ed.mode == EditingMode::InjectionMap;
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

// Sends one map point; the status message only when it went out.
void writeMapPoint(const SetupRecord& setup, SerialLink& link, int i, int j, bool withIndexes) {
  const int value = setup.mapCell(i, j);
  if (!link.send('K', {Param::byte(i + 1), Param::byte(j + 1), Param::wordLE(value)})) return;
  link.messages().reportStatus(withIndexes ? "Einspritzkennfeld aktualisiert (" + intText(i) + ":" +
                                                 intText(j) + ")"
                                           : "Einspritzkennfeld aktualisiert");
}

void writeCurvePoint(SerialLink& link, EditingMode mode, int i, int value) {
  const char letter = mode == EditingMode::AirTemp    ? 'T'
                      : mode == EditingMode::Ignition ? 'Z'
                                                      : 'M';
  if (!link.send(letter, {Param::byte(i + 1), Param::byte(value)})) return;
  link.messages().reportStatus(
      mode == EditingMode::AirTemp    ? "Einspritzkorrekturkennlinie(ASLT) aktualisiert"
      : mode == EditingMode::Ignition ? "Zündkennlinie aktualisiert"
                                      : "Einspritzkorrekturkennlinie(MT) aktualisiert");
}

std::uint8_t& curveValue(SetupRecord& setup, EditingMode mode, int i) {
  Curve& curve = mode == EditingMode::AirTemp    ? setup.airTempCorrection
                 : mode == EditingMode::Ignition ? setup.ignitionCurve
                                                 : setup.engineTempCorrection;
  return curve[static_cast<std::size_t>(i)];
}

EditedTable tableOf(EditingMode mode) {
  switch (mode) {
    case EditingMode::AirTemp:
      return EditedTable::AirTemp;
    case EditingMode::EngineTemp:
      return EditedTable::EngineTemp;
    case EditingMode::Ignition:
      return EditedTable::Ignition;
    default:
      return EditedTable::InjectionMap;
  }
}

void change(EditorState& ed, SetupState& state, SerialLink& link, EditKey key) {
  SetupRecord& setup = state.record;
  const bool up = key == EditKey::Increase || key == EditKey::IncreaseShifted;
  int step = key == EditKey::IncreaseShifted || key == EditKey::DecreaseShifted ? 10 : 1;
  const EditorState& e = ed;
  if (ed.mode == EditingMode::InjectionMap) {
    if (e.mapX100) step *= 100;
    std::uint16_t& v = setup.mapCell(e.mapSpeed, e.mapThrottle);
    const int before = v;
    if (up && v < kMapKeyLimit - step) {
      v = static_cast<std::uint16_t>(v + step);
    } else if (!up && v >= step) {
      v = static_cast<std::uint16_t>(v - step);
    } else {
      return;  // would leave the range: ignored
    }
    state.history.of(EditedTable::InjectionMap)
        .record({{{e.mapSpeed, e.mapThrottle, before, v}}, e.mapSpeed, e.mapThrottle, false});
    writeMapPoint(setup, link, e.mapSpeed, e.mapThrottle, false);
    return;
  }
  const int i = *mainIndex(ed);
  const int max = ed.mode == EditingMode::Ignition ? kIgnitionMax : kCorrectionMax;
  std::uint8_t& v = curveValue(setup, ed.mode, i);
  const int before = v;
  if (up && v + step <= max) {
    v = static_cast<std::uint8_t>(v + step);
  } else if (!up && v >= step) {
    v = static_cast<std::uint8_t>(v - step);
  } else {
    return;
  }
  state.history.of(tableOf(ed.mode)).record({{{i, 0, before, v}}, i, 0, false});
  writeCurvePoint(link, ed.mode, i, v);
}

// Puts one side of a step back into the setup and writes it to the unit as the edit did;
// the editing point goes to where the step was taken.
void apply(EditorState& ed, SetupRecord& setup, SerialLink& link, const EditStep& step, bool undo) {
  for (const PointChange& c : step.changes) {
    const int value = undo ? c.before : c.after;
    if (ed.mode == EditingMode::InjectionMap) {
      setup.mapCell(c.i, c.j) = static_cast<std::uint16_t>(value);
      writeMapPoint(setup, link, c.i, c.j, step.withIndexes);
    } else {
      curveValue(setup, ed.mode, c.i) = static_cast<std::uint8_t>(value);
      writeCurvePoint(link, ed.mode, c.i, value);
    }
  }
  if (ed.mode == EditingMode::InjectionMap) {
    ed.mapSpeed = step.pointI;
    ed.mapThrottle = step.pointJ;
  } else if (int* index = mainIndex(ed)) {
    *index = step.pointI;
  }
}

void undoOrRedo(EditorState& ed, SetupState& state, SerialLink& link, bool undo) {
  EditHistory& history = state.history.of(tableOf(ed.mode));
  if (const auto step = undo ? history.takeUndo() : history.takeRedo())
    apply(ed, state.record, link, *step, undo);
}
}  // namespace

void editingKey(EditorState& ed, SetupState& setup, SerialLink& link, EditKey key) {
  if (ed.mode == EditingMode::None) return;
  switch (key) {
    case EditKey::Left:
    case EditKey::Right:
    case EditKey::Up:
    case EditKey::Down:
      move(ed, key);
      break;
    case EditKey::Undo:
    case EditKey::Redo:
      undoOrRedo(ed, setup, link, key == EditKey::Undo);
      break;
    default:
      change(ed, setup, link, key);
      break;
  }
  clearPointLabels(ed);
}

void shiftMapGroup(EditorState& ed, SetupState& state, SerialLink& link, bool up) {
  if (ed.mode != EditingMode::InjectionMap || !ed.mapStart) return;
  SetupRecord& setup = state.record;
  const int step = ed.mapX100 ? 100 : 10;
  // The whole group is one step: undo puts back and writes every cell the shift wrote.
  EditStep done{{}, ed.mapSpeed, ed.mapThrottle, true};
  for (int i = 0; i <= ed.mapSpeed; ++i) {
    for (int j = 0; j <= ed.mapThrottle; ++j) {
      std::uint16_t& v = setup.mapCell(i, j);
      const int before = v;
      if (up)
        v = static_cast<std::uint16_t>(v >= kMapGroupLimit - step ? kMapGroupLimit : v + step);
      else
        v = static_cast<std::uint16_t>(step >= v ? 0 : v - step);
      done.changes.push_back({i, j, before, v});
      writeMapPoint(setup, link, i, j, true);
    }
  }
  state.history.of(EditedTable::InjectionMap).record(std::move(done));
}

void typeMapValue(EditorState& ed, SetupState& state, SerialLink& link, Requesters& requesters) {
  if (ed.mode != EditingMode::InjectionMap) return;
  SetupRecord& setup = state.record;
  const int i = ed.mapSpeed, j = ed.mapThrottle;
  std::uint16_t& v = setup.mapCell(i, j);
  const auto answer =
      requesters.askText("Einspritzwert [µs] für:",
                         "  Drehzahl: " + intText(axes::speedRpm(i)) +
                             "   Drosselklappe: " + intText(axes::throttleLabelRounded(j)),
                         intText(v), false);
  if (!answer) return;  // cancelled: nothing changes, nothing is sent
  const int before = v;
  v = static_cast<std::uint16_t>(clampTo<long long>(integerReading(*answer), 0, kMapGroupLimit));
  if (v != before)
    state.history.of(EditedTable::InjectionMap).record({{{i, j, before, v}}, i, j, true});
  writeMapPoint(setup, link, i, j, true);
}

}  // namespace qx
