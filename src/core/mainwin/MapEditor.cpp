#include "core/mainwin/MapEditor.h"

#include "core/app/Program.h"
#include "core/ports/Requesters.h"
#include "core/link/SerialLink.h"
#include "core/mainwin/MainWindowLogic.h"
#include "core/util/Numbers.h"

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

// The active editor's speed or temperature index.
int* mainIndex(Program& p) {
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
  int* index = mainIndex(p);
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

// Sends one map point; the status message only when it went out.
void writeMapPoint(Program& p, SerialLink& link, int i, int j, bool withIndexes) {
  const int value = p.setup.mapCell(i, j);
  if (!link.send('K', {Param::byte(i + 1), Param::byte(j + 1), Param::wordLE(value)})) return;
  p.reportStatus(withIndexes ? "Einspritzkennfeld aktualisiert (" + intText(i) + ":" + intText(j) + ")"
                             : "Einspritzkennfeld aktualisiert");
}

void writeCurvePoint(Program& p, SerialLink& link, EditingMode mode, int i, int value) {
  const char letter = mode == EditingMode::AirTemp ? 'T' : mode == EditingMode::Ignition ? 'Z' : 'M';
  if (!link.send(letter, {Param::byte(i + 1), Param::byte(value)})) return;
  p.reportStatus(mode == EditingMode::AirTemp   ? "Einspritzkorrekturkennlinie(ASLT) aktualisiert"
                 : mode == EditingMode::Ignition ? "Zündkennlinie aktualisiert"
                                                 : "Einspritzkorrekturkennlinie(MT) aktualisiert");
}

std::uint8_t& curveValue(Program& p, EditingMode mode, int i) {
  Curve& curve = mode == EditingMode::AirTemp    ? p.setup.airTempCorrection
                 : mode == EditingMode::Ignition ? p.setup.ignitionCurve
                                                 : p.setup.engineTempCorrection;
  return curve[static_cast<std::size_t>(i)];
}

void change(Program& p, SerialLink& link, EditKey key) {
  const bool up = key == EditKey::Increase || key == EditKey::IncreaseShifted;
  int step = key == EditKey::IncreaseShifted || key == EditKey::DecreaseShifted ? 10 : 1;
  const EditorState& e = p.editors;
  if (p.editingMode == EditingMode::InjectionMap) {
    if (e.mapX100) step *= 100;
    std::uint16_t& v = p.setup.mapCell(e.mapSpeed, e.mapThrottle);
    if (up && v < kMapKeyLimit - step) {
      v = static_cast<std::uint16_t>(v + step);
    } else if (!up && v >= step) {
      v = static_cast<std::uint16_t>(v - step);
    } else {
      return;  // would leave the range: ignored
    }
    writeMapPoint(p, link, e.mapSpeed, e.mapThrottle, false);
    return;
  }
  const int i = *mainIndex(p);
  const int max = p.editingMode == EditingMode::Ignition ? kIgnitionMax : kCorrectionMax;
  std::uint8_t& v = curveValue(p, p.editingMode, i);
  if (up && v + step <= max) {
    v = static_cast<std::uint8_t>(v + step);
  } else if (!up && v >= step) {
    v = static_cast<std::uint8_t>(v - step);
  } else {
    return;
  }
  writeCurvePoint(p, link, p.editingMode, i, v);
}
}  // namespace

void editingKey(Program& program, SerialLink& link, EditKey key) {
  if (program.editingMode == EditingMode::None) return;
  switch (key) {
    case EditKey::Left:
    case EditKey::Right:
    case EditKey::Up:
    case EditKey::Down:
      move(program, key);
      break;
    default:
      change(program, link, key);
      break;
  }
  clearPointLabels(program);
}

void shiftMapGroup(Program& p, SerialLink& link, bool up) {
  if (p.editingMode != EditingMode::InjectionMap || !p.editors.mapStart) return;
  const int step = p.editors.mapX100 ? 100 : 10;
  for (int i = 0; i <= p.editors.mapSpeed; ++i) {
    for (int j = 0; j <= p.editors.mapThrottle; ++j) {
      std::uint16_t& v = p.setup.mapCell(i, j);
      if (up)
        v = static_cast<std::uint16_t>(v >= kMapGroupLimit - step ? kMapGroupLimit : v + step);
      else
        v = static_cast<std::uint16_t>(step >= v ? 0 : v - step);
      writeMapPoint(p, link, i, j, true);
    }
  }
}

void typeMapValue(Program& p, SerialLink& link, Requesters& requesters) {
  if (p.editingMode != EditingMode::InjectionMap) return;
  const int i = p.editors.mapSpeed, j = p.editors.mapThrottle;
  std::uint16_t& v = p.setup.mapCell(i, j);
  const auto answer = requesters.askText(
      "Einspritzwert [µs] für:",
      "  Drehzahl: " + intText(i * 1000) + "   Drosselklappe: " + intText(roundHalfAway(j * 12.5)),
      intText(v), false);
  if (!answer) return;  // cancelled: nothing changes, nothing is sent
  v = static_cast<std::uint16_t>(clampTo<long long>(integerReading(*answer), 0, kMapGroupLimit));
  writeMapPoint(p, link, i, j, true);
}

}  // namespace qx
