#include "core/mainwin/MainWindowLogic.h"

#include <algorithm>

#include "core/app/Program.h"
#include "core/ports/Requesters.h"
#include "core/util/Text.h"

namespace qx {

namespace {
const char* editingMessage(EditingMode mode) {
  switch (mode) {
    case EditingMode::InjectionMap:
      return "Einspritzung zu Drehzahl und Drosselklappe bearbeiten";
    case EditingMode::AirTemp:
      return "Einspritzkorrektur nach Ansauglufttemperatur bearbeiten";
    case EditingMode::EngineTemp:
      return "Einspritzkorrektur nach Motortemperatur bearbeiten";
    case EditingMode::Ignition:
      return "Zündung zu Drehzahl bearbeiten";
    case EditingMode::None:
      break;
  }
  return "";
}
}  // namespace

void startEditing(Program& program, EditingMode mode) {
  program.reportStatus(editingMessage(mode));
  program.editingMode = mode;
  clearPointLabels(program);
}

void endEditing(Program& program) {
  program.reportStatus("Kennfeld bearbeiten beendet");
  program.editingMode = EditingMode::None;
  clearPointLabels(program);
}

void clearPointLabels(Program& program) {
  EditorState& e = program.editors;
  const EditingMode m = program.editingMode;
  if (m != EditingMode::InjectionMap) e.mapLabels.clear();
  if (m != EditingMode::AirTemp) e.airLabels.clear();
  if (m != EditingMode::EngineTemp) e.engineLabels.clear();
  if (m != EditingMode::Ignition) e.ignitionLabels.clear();
}

void takeDescription(Program& program, const std::string& text) {
  program.setupDescription = utf8Left(text, kDescriptionLength);
}

bool unlockExpertMode(Program& program, Requesters& requesters) {
  if (program.expertUnlocked) return true;
  const auto answer = requesters.askText(
      "Expert-Modus", "Zum Aktivieren des Expert-Modus bitte Password eingeben.", "", true);
  if (answer && *answer == "Mulde") {
    program.expertUnlocked = true;
    return true;
  }
  requesters.message("Achtung", "Password nicht korrekt.");
  return false;
}

bool wheelOverMap(Program& program, int notches) {
  if (!program.editors.boxes.mapKapp || notches == 0) return false;
  int& ceiling = program.settings.mapCeilingUs;
  const int before = ceiling;
  ceiling = std::clamp(ceiling + notches * kMapCeilingStep, kMapCeilingMin, kMapCeilingMax);
  return ceiling != before;
}

}  // namespace qx
