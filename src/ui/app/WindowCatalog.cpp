#include "ui/app/WindowCatalog.h"

#include "ui/app/WindowController.h"
#include "ui/mainwin/MainWindowController.h"
#include "ui/setup/SettingsWindowController.h"
#include "ui/system/SystemWindowController.h"

namespace qx {

std::unique_ptr<WindowController> createWindowController(WindowId id, UiContext& context) {
  switch (id) {
    case WindowId::Main:
      return std::make_unique<MainWindowController>(context);
    case WindowId::Settings:
      return std::make_unique<SettingsWindowController>(context);
    case WindowId::System:
      return std::make_unique<SystemWindowController>(context);
    default:
      return nullptr;
  }
}

}  // namespace qx
