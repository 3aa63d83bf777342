#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/StatusSink.h"
#include "ui/app/WindowController.h"

class QShortcut;

namespace qx {

class Hauptdialog;
class UiContext;
enum class EditKey;
enum class EditingMode : int;

// The main window: its keys, its buttons, the live values and the status line.
class MainWindowController final : public WindowController, public StatusSink {
 public:
  explicit MainWindowController(UiContext& context);
  ~MainWindowController() override;

  FormWindow& window() override;
  Hauptdialog& form() { return *form_; }
  void onShortcut(int menuNumber) override;
  void refresh() override;
  void showStatus(const std::string& text) override;

  // Called for F1, the expert window and the editing keys of the editors.
  std::function<void()> showHelp;
  std::function<void()> showExpert;
  std::function<void()> resetWindowPositions;

 private:
  void wireCommunication();
  void wireEditors();
  void wireTransferButtons();
  void wireEditingKeys();
  void startEditingFrom(EditingMode mode);
  void showVitalTexts();
  void showPointLabels();

  UiContext& context_;
  std::unique_ptr<Hauptdialog> form_;
  // The editing keys exist only while an editor has the keyboard.
  std::vector<QShortcut*> editingKeys_;
  std::optional<std::string> shownDescription_;
};

}  // namespace qx
