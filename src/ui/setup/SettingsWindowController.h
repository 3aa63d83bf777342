#pragma once

#include <array>
#include <memory>

#include "forms/Einstellungendialog.h"
#include "ui/app/WindowController.h"

class QObject;

namespace qx {

class FocusLoss;
class UiContext;
enum class SetupField : int;

// The settings window: edits the scalar setup values of the program's SetupRecord. Nothing
// here is sent to the unit.
class SettingsWindowController final : public FormController<Einstellungendialog> {
 public:
  explicit SettingsWindowController(UiContext& context);
  ~SettingsWindowController() override;

  // Return (1) and the Execute key (2) take over every field.
  void onShortcut(int menuNumber) override;

  // Takes over every text field: converted, clamped and written back as shown.
  void takeOverFields();

 protected:
  void fill() override;
  // Fills the controls anew after a bulk change of the setup; the measured voltages.
  void update() override;

 private:
  void connectControls();

  std::unique_ptr<FocusLoss> focusWatcher_;
  int filledRevision_ = -1;
};

}  // namespace qx
