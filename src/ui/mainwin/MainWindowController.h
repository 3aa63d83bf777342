#pragma once

#include <memory>

#include "core/app/StatusSink.h"
#include "ui/app/WindowController.h"

namespace qx {

class Hauptdialog;
class UiContext;

// The main window: its keys, its buttons and the status line.
class MainWindowController final : public WindowController, public StatusSink {
 public:
  explicit MainWindowController(UiContext& context);
  ~MainWindowController() override;

  FormWindow& window() override;
  Hauptdialog& form() { return *form_; }
  void onShortcut(int menuNumber) override;
  void refresh() override;
  void showStatus(const std::string& text) override;

 private:
  UiContext& context_;
  std::unique_ptr<Hauptdialog> form_;
};

}  // namespace qx
