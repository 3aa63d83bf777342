#pragma once

#include <array>
#include <memory>

#include "ui/app/WindowController.h"

class QObject;

namespace qx {

class Einstellungendialog;
class UiContext;
enum class SetupField : int;

// The settings window: edits the scalar setup values of the program's SetupRecord. Nothing
// here is sent to the unit.
class SettingsWindowController final : public WindowController {
 public:
  explicit SettingsWindowController(UiContext& context);
  ~SettingsWindowController() override;

  FormWindow& window() override;
  Einstellungendialog& form() { return *form_; }

  // Return (1) and the Execute key (2) take over every field.
  void onShortcut(int menuNumber) override;
  // Fills the controls anew after a bulk change of the setup.
  void refresh() override;
  // The main window's "Einstellungen": filled and shown when hidden, then brought to the front.
  void open() override;

  // Takes over every text field: converted, clamped and written back as shown.
  void takeOverFields();

 private:
  void fill();
  void connectControls();

  UiContext& context_;
  std::unique_ptr<Einstellungendialog> form_;
  std::unique_ptr<QObject> focusWatcher_;
  int filledRevision_ = -1;
};

}  // namespace qx
