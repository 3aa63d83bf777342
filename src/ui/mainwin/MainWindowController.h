#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/display/VitalDisplay.h"
#include "core/ports/StatusSink.h"
#include "core/util/Rgb.h"
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
  // What the window shows now, to touch only what changed.
  std::vector<std::string> shownPorts_;
  std::string shownDevice_ = "/";
  Rgb shownLamp_{1, 2, 3, 0};
  bool editingKeysOn_ = false;
  std::optional<VitalTexts> shownVital_;
};

}  // namespace qx
