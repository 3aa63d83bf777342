#include "ui/app/WindowCatalog.h"

#include "ui/app/WindowController.h"
#include "ui/display/BigDisplayController.h"
#include "ui/expert/ExpertWindowController.h"
#include "ui/lambda/LambdaLoggerController.h"
#include "ui/learning/LearningWindowController.h"
#include "ui/logger/LoggerWindowController.h"
#include "ui/mainwin/EmergencyWindowController.h"
#include "ui/mainwin/HelpWindowController.h"
#include "ui/mainwin/MainWindowController.h"
#include "ui/power/PowerWindowController.h"
#include "ui/setup/SettingsWindowController.h"
#include "ui/system/SystemWindowController.h"
#include "ui/testmode/TestWindowController.h"

namespace qx {

std::unique_ptr<WindowController> createWindowController(WindowId id, UiContext& context) {
  switch (id) {
    case WindowId::Main:
      return std::make_unique<MainWindowController>(context);
    case WindowId::Settings:
      return std::make_unique<SettingsWindowController>(context);
    case WindowId::System:
      return std::make_unique<SystemWindowController>(context);
    case WindowId::Test:
      return std::make_unique<TestWindowController>(context);
    case WindowId::Logger:
      return std::make_unique<LoggerWindowController>(context);
    case WindowId::Help:
      return std::make_unique<HelpWindowController>(context);
    case WindowId::BigDisplay:
      return std::make_unique<BigDisplayController>(context);
    case WindowId::Emergency:
      return std::make_unique<EmergencyWindowController>(context);
    case WindowId::Power:
      return std::make_unique<PowerWindowController>(context);
    case WindowId::LambdaLogger:
      return std::make_unique<LambdaLoggerController>(context);
    case WindowId::Learning:
      return std::make_unique<LearningWindowController>(context);
    case WindowId::Expert:
      return std::make_unique<ExpertWindowController>(context);
    default:
      return nullptr;
  }
}

}  // namespace qx
