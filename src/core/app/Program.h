#pragma once
// The program-wide state. One Program object lives for the whole run and is passed by
// reference to every subsystem that needs it; there are no globals.

#include <array>
#include <string>

#include "core/app/AppInfo.h"
#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/app/Windows.h"
#include "core/display/VitalDisplay.h"
#include "core/lambda/LambdaTable.h"
#include "core/link/Connection.h"
#include "core/link/ExpertData.h"
#include "core/link/LiveData.h"
#include "core/mainwin/EditorState.h"
#include "core/link/DeviceInfo.h"
#include "core/link/LinkFlags.h"
#include "core/link/VitalData.h"
#include "core/logger/LogTable.h"
#include "core/power/PowerRun.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupRecord.h"
#include "core/testmode/SensorCheck.h"

namespace qx {

class Clock;

// 0 running, 1 the user asked to end, 2 the end is confirmed.
enum class QuitRequest : int { None = 0, Asked = 1, Confirmed = 2 };

// Which editor has the keyboard.
enum class EditingMode : int { None = 0, InjectionMap = 1, AirTemp = 2, Ignition = 3, EngineTemp = 4 };

struct Program {
  Program(Clock& clock, const std::string& programDirectory);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  void reportStatus(const std::string& message) { messages.reportStatus(message); }
  bool& windowShown(WindowId id) { return shown[static_cast<int>(id)]; }
  // After a bulk change of the setup (read from the unit, file loaded, start values): every
  // window that shows setup values fills them anew.
  void showSetup() { ++setupRevision; }

  Clock& clock;
  AppInfo info;
  ProgramSettings settings;
  LinkFlags link;
  DeviceInfo device;
  // The latest live sample and its texts in the main window.
  VitalData vital;
  VitalTexts vitalTexts;
  // What the live data feeds besides the main window.
  SensorCheck sensorCheck;
  SensorVoltages sensorVoltages;
  ExpertData expert;
  LambdaTable lambdaTable;
  PowerRun powerRun;
  // "Kennfeldaktualisierung in Quarnelix zeigen" of the learning window.
  bool learningLiveMap = false;
  ComControls com;
  MessageLog messages;
  QuitRequest quitRequested = QuitRequest::None;
  EditingMode editingMode = EditingMode::None;
  EditorState editors;
  // Set once the expert password was entered; never revoked.
  bool expertUnlocked = false;
  SetupRecord setup;
  // The setup's description ("Beschreibung:"), saved as the setup file's comment.
  std::string setupDescription;
  SetupFileState setupFile;
  // Counts the bulk changes of the setup (see showSetup).
  int setupRevision = 0;
  LogTable logTable;
  // Whether each window is shown (the main window's buttons test these).
  std::array<bool, kWindowCount> shown{};
};

}  // namespace qx
