#include "core/app/ProgramTick.h"

#include "core/app/Lamps.h"
#include "core/app/LiveDataCycle.h"
#include "core/app/Program.h"
#include "core/app/ProgramSettingsFile.h"
#include "core/app/QuitQuestion.h"
#include "core/app/Screen.h"
#include "core/expert/SwitchingAngleDisc.h"
#include "core/firmware/FirmwareUpdate.h"
#include "core/lambda/LambdaDrawing.h"
#include "core/link/Connection.h"
#include "core/link/SerialLink.h"
#include "core/link/SetupTransfer.h"

namespace qx {

ProgramTick::ProgramTick(Program& program, SerialLink& link, Requesters& requesters, Screen& screen)
    : p_(program), link_(link), requesters_(requesters), screen_(screen) {}

void ProgramTick::connectionStep() {
  qx::connectionStep(p_.com, p_.device, link_, p_.settings.readSetupAfterIdentify,
                     [this] { readSetupFromUnit(p_.setup, link_, requesters_); });
  askQuitQuestion(p_.quitRequested, requesters_);
}

void ProgramTick::drawConnectionLamp() {
  // The colour of this moment of the tick; the window paints it afterwards.
  p_.com.lamp = connectionLampColour(p_.com.checked, p_.link);
}

void ProgramTick::clearSensorLamp() {
  qx::clearSensorLamp(p_.sensorCheck);
}

bool ProgramTick::powerRunCountdownActive() {
  return qx::powerRunCountdownActive(p_.powerRun);
}

void ProgramTick::powerRunProgress() {
  qx::powerRunProgress(p_.powerRun, p_.clock);
}

void ProgramTick::liveDataCycle() {
  qx::liveDataCycle(p_, link_);
}

void ProgramTick::firmwareStep() {
  firmwareUpdateStep(p_.firmware, link_);
}

void ProgramTick::updateBigDisplay() {
  if (!p_.windowShown(WindowId::BigDisplay)) return;
  refreshBigDisplay(p_.bigDisplay, {p_.vital, p_.settings, p_.setup.record,
                                    p_.sensorCheck.errorCount, p_.editors.drawingBackground});
}

void ProgramTick::updateExpertDiagram() {
  if (!p_.windowShown(WindowId::Expert)) return;
  p_.expertWindow.disc = drawSwitchingAngles(p_.setup.record, p_.vital, p_.expert.control,
                                             p_.expertWindow.layers, p_.editors.drawingBackground);
  ++p_.expertWindow.discRevision;
}

void ProgramTick::updateLambdaTable() {
  if (!p_.windowShown(WindowId::LambdaLogger)) return;
  p_.lambdaLogger.table =
      drawLambdaTable(p_.lambdaLogger, p_.lambdaTable, p_.vital, p_.settings,
                      p_.editors.mode == EditingMode::InjectionMap, colours::kCanvasBackground);
}

void ProgramTick::updateEmergencyWindow() {
  p_.emergencyView = qx::updateEmergencyWindow(p_.emergency, p_.link, p_.vital);
}

EditorBoxes ProgramTick::editorBoxes() {
  return p_.editors.boxes;
}

void ProgramTick::redrawEditors(const RedrawSet& which) {
  const RedrawSet drawn = qx::redrawEditors(p_.editorSources(), which, p_.editorDrawings);
  if (drawn.any()) screen_.repaintEditors(drawn);
}

void ProgramTick::showState() {
  // Drawings whose data changed behind the editors' back (a setup came in, the learned map).
  redrawEditors({});
  screen_.refreshShownWindows();
}

void ProgramTick::saveSettings() {
  screen_.takeWindowGeometry();
  // The port list's selected entry, empty when none is selected.
  p_.settings.comPort = p_.com.selectedName();
  saveProgramSettings(p_, requesters_);
}

void ProgramTick::closePort() {
  link_.closePort();
  p_.link.portOpen = false;
  p_.link.unitIdentified = false;
}

}  // namespace qx
