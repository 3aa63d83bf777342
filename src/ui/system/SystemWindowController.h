#pragma once

#include <array>
#include <memory>
#include <string>

#include "forms/systemdialog.h"
#include "ui/app/WindowController.h"

class QObject;

namespace qx {

class FocusLoss;
class UiContext;

// The system window: the program options that no other window edits, the firmware update,
// erasing the unit's EEPROM and putting windows back to their standard size and place.
class SystemWindowController final : public FormController<systemdialog> {
 public:
  explicit SystemWindowController(UiContext& context);
  ~SystemWindowController() override;

  // Return (1) and the Execute key (2) take over every field.
  void onShortcut(int menuNumber) override;

  // Takes over every text field in order: converted, clamped and written back as shown.
  void takeOverFields();

 protected:
  void fill() override;
  // The firmware frame after every pass (an upload moves on with every COM tick), and fields
  // whose values changed elsewhere.
  void update() override;

 private:
  void connectControls();
  void showField(SystemField f);
  void showComputedLines();
  void showFirmware();
  void refreshBigDisplay();
  void resetWindow(WindowId id);
  std::int64_t changeLogCapacity(std::int64_t requested);

  std::unique_ptr<FocusLoss> focusWatcher_;
  // What each field was last given, so that typing is kept until the value changes.
  std::array<std::string, kSystemFieldCount> shownTexts_;
};

}  // namespace qx
