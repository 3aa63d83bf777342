#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/StatusSink.h"
#include "forms/Hauptdialog.h"
#include "ui/app/WindowController.h"

class QShortcut;

namespace qx {

class UiContext;
enum class EditKey;
enum class EditingMode : int;

// The main window: its keys, its buttons, the live values and the status line.
class MainWindowController final : public FormController<Hauptdialog>, public StatusSink {
 public:
  explicit MainWindowController(UiContext& context);
  ~MainWindowController() override;

  void onShortcut(int menuNumber) override;
  void showStatus(const std::string& text) override;

 protected:
  void update() override;

 private:
  void wireCommunication();
  void wireEditors();
  void wireTransferButtons();
  void wireEditingKeys();
  void startEditingFrom(EditingMode mode);
  void showVitalTexts();
  void showPointLabels();
  void resetWindowPositions();

  // The editing keys exist only while an editor has the keyboard.
  std::vector<QShortcut*> editingKeys_;
  std::optional<std::string> shownDescription_;
};

}  // namespace qx
