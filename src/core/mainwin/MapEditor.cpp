#include "core/mainwin/MapEditor.h"
#include "core/setup/MapAxes.h"

#include "core/app/MessageLog.h"
#include "core/link/SerialLink.h"
#include "core/mainwin/EditorState.h"
#include "core/mainwin/MainWindowLogic.h"
#include "core/ports/Requesters.h"
#include "core/setup/SetupRecord.h"
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

void change(EditorState& ed, SetupRecord& setup, SerialLink& link, EditKey key) {
  const bool up = key == EditKey::Increase || key == EditKey::IncreaseShifted;
  int step = key == EditKey::IncreaseShifted || key == EditKey::DecreaseShifted ? 10 : 1;
  const EditorState& e = ed;
  if (ed.mode == EditingMode::InjectionMap) {
    if (e.mapX100) step *= 100;
    std::uint16_t& v = setup.mapCell(e.mapSpeed, e.mapThrottle);
    if (up && v < kMapKeyLimit - step) {
      v = static_cast<std::uint16_t>(v + step);
    } else if (!up && v >= step) {
      v = static_cast<std::uint16_t>(v - step);
    } else {
      return;  // would leave the range: ignored
    }
    writeMapPoint(setup, link, e.mapSpeed, e.mapThrottle, false);
    return;
  }
  const int i = *mainIndex(ed);
  const int max = ed.mode == EditingMode::Ignition ? kIgnitionMax : kCorrectionMax;
  std::uint8_t& v = curveValue(setup, ed.mode, i);
  if (up && v + step <= max) {
    v = static_cast<std::uint8_t>(v + step);
  } else if (!up && v >= step) {
    v = static_cast<std::uint8_t>(v - step);
  } else {
    return;
  }
  writeCurvePoint(link, ed.mode, i, v);
}
}  // namespace

void editingKey(EditorState& ed, SetupRecord& setup, SerialLink& link, EditKey key) {
  if (ed.mode == EditingMode::None) return;
  switch (key) {
    case EditKey::Left:
    case EditKey::Right:
    case EditKey::Up:
    case EditKey::Down:
      move(ed, key);
      break;
    default:
      change(ed, setup, link, key);
      break;
  }
  clearPointLabels(ed);
}

void shiftMapGroup(EditorState& ed, SetupRecord& setup, SerialLink& link, bool up) {
  if (ed.mode != EditingMode::InjectionMap || !ed.mapStart) return;
  const int step = ed.mapX100 ? 100 : 10;
  for (int i = 0; i <= ed.mapSpeed; ++i) {
    for (int j = 0; j <= ed.mapThrottle; ++j) {
      std::uint16_t& v = setup.mapCell(i, j);
      if (up)
        v = static_cast<std::uint16_t>(v >= kMapGroupLimit - step ? kMapGroupLimit : v + step);
      else
        v = static_cast<std::uint16_t>(step >= v ? 0 : v - step);
      writeMapPoint(setup, link, i, j, true);
    }
  }
}

void typeMapValue(EditorState& ed, SetupRecord& setup, SerialLink& link, Requesters& requesters) {
  if (ed.mode != EditingMode::InjectionMap) return;
  const int i = ed.mapSpeed, j = ed.mapThrottle;
  std::uint16_t& v = setup.mapCell(i, j);
  const auto answer =
      requesters.askText("Einspritzwert [µs] für:",
                         "  Drehzahl: " + intText(axes::speedRpm(i)) +
                             "   Drosselklappe: " + intText(axes::throttleLabelRounded(j)),
                         intText(v), false);
  if (!answer) return;  // cancelled: nothing changes, nothing is sent
  v = static_cast<std::uint16_t>(clampTo<long long>(integerReading(*answer), 0, kMapGroupLimit));
  writeMapPoint(setup, link, i, j, true);
}

}  // namespace qx
