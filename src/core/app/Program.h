#pragma once
// The program-wide state. One Program object lives for the whole run; there are no globals.
// It only aggregates: each subsystem owns its state in a struct of its own folder, and the
// subsystems' rule functions take just the pieces they use. Only the application frame
// (core/app), the windows and the tests see the whole Program.

#include <array>
#include <string>

#include "core/app/AppInfo.h"
#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/app/QuitQuestion.h"
#include "core/app/Windows.h"
#include "core/display/BigDisplay.h"
#include "core/display/VitalDisplay.h"
#include "core/expert/ExpertState.h"
#include "core/firmware/FirmwareUpdate.h"
#include "core/lambda/LambdaLogger.h"
#include "core/lambda/LambdaTable.h"
#include "core/learning/LearningWindow.h"
#include "core/link/Connection.h"
#include "core/link/DeviceInfo.h"
#include "core/link/ExpertData.h"
#include "core/link/LinkFlags.h"
#include "core/link/LiveData.h"
#include "core/link/VitalData.h"
#include "core/logger/LogTable.h"
#include "core/logger/Logger.h"
#include "core/mainwin/EditorDrawing.h"
#include "core/mainwin/EditorState.h"
#include "core/mainwin/EmergencyWindow.h"
#include "core/power/PowerRun.h"
#include "core/setup/SetupState.h"
#include "core/testmode/SensorCheck.h"
#include "core/testmode/TestModeState.h"

namespace qx {

class Clock;

struct Program {
  Program(Clock& clock, const std::string& programDirectory);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  void reportStatus(const std::string& message) { messages.reportStatus(message); }
  bool& windowShown(WindowId id) { return shown[static_cast<int>(id)]; }
  bool windowShown(WindowId id) const { return shown[static_cast<int>(id)]; }
  void showSetup() { setup.showSetup(); }
  // What the editors' drawings show.
  EditorSources editorSources() { return {editors, setup, vital, settings}; }

  // Application frame.
  Clock& clock;
  AppInfo info;
  ProgramSettings settings;
  MessageLog messages;
  QuitRequest quitRequested = QuitRequest::None;
  // Whether each window is shown (the main window's buttons test these).
  std::array<bool, kWindowCount> shown{};

  // Device link: the link flags, the port controls, the identified unit, the latest sample.
  LinkFlags link;
  ComControls com;
  DeviceInfo device;
  VitalData vital;
  SensorVoltages sensorVoltages;
  FirmwareUpdate firmware;

  // Setup data.
  SetupState setup;

  // Main window, map editing and the small windows.
  EditorState editors;
  // The editors' latest drawings, as their drawing areas paint them.
  EditorDrawings editorDrawings;
  LearningWindow learning;
  EmergencyWindowState emergency;
  EmergencyWindowView emergencyView;

  // Live displays.
  VitalTexts vitalTexts;
  BigDisplayState bigDisplay;

  // Expert window.
  ExpertData expert;
  ExpertWindowState expertWindow;

  // Test mode.
  SensorCheck sensorCheck;
  TestModeState testMode;

  // Data logger.
  LogTable logTable;
  LoggerState logger;

  // Power measurement.
  PowerRun powerRun;

  // Lambda logger.
  LambdaTable lambdaTable;
  LambdaLoggerState lambdaLogger;
};

}  // namespace qx
