#include "core/mainwin/MainWindowLogic.h"

#include <algorithm>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/expert/ExpertState.h"
#include "core/mainwin/EditorState.h"
#include "core/ports/Requesters.h"
#include "core/setup/SetupState.h"
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

void startEditing(EditorState& editors, MessageLog& messages, EditingMode mode) {
  messages.reportStatus(editingMessage(mode));
  editors.mode = mode;
  clearPointLabels(editors);
}

void endEditing(EditorState& editors, MessageLog& messages) {
  messages.reportStatus("Kennfeld bearbeiten beendet");
  editors.mode = EditingMode::None;
  clearPointLabels(editors);
}

void clearPointLabels(EditorState& e) {
  const EditingMode m = e.mode;
  if (m != EditingMode::InjectionMap) e.mapLabels.clear();
  if (m != EditingMode::AirTemp) e.airLabels.clear();
  if (m != EditingMode::EngineTemp) e.engineLabels.clear();
  if (m != EditingMode::Ignition) e.ignitionLabels.clear();
}

void takeDescription(SetupState& setup, const std::string& text) {
  setup.description = utf8Left(text, kDescriptionLength);
}

bool unlockExpertMode(ExpertWindowState& expert, Requesters& requesters) {
  if (expert.unlocked) return true;
  const auto answer = requesters.askText(
      "Expert-Modus", "Zum Aktivieren des Expert-Modus bitte Password eingeben.", "", true);
  if (answer && *answer == "Mulde") {
    expert.unlocked = true;
    return true;
  }
  requesters.message("Achtung", "Password nicht korrekt.");
  return false;
}

bool wheelOverMap(const EditorState& editors, ProgramSettings& settings, int notches) {
  if (!editors.boxes.mapKapp || notches == 0) return false;
  int& ceiling = settings.mapCeilingUs;
  const int before = ceiling;
  ceiling = std::clamp(ceiling + notches * kMapCeilingStep, kMapCeilingMin, kMapCeilingMax);
  return ceiling != before;
}

}  // namespace qx
