#include "ui/mainwin/MainWindowController.h"

#include <QLineEdit>

#include "core/app/Program.h"
#include "forms/Hauptdialog.h"
#include "platform/QtText.h"
#include "ui/app/UiContext.h"

namespace qx {

MainWindowController::MainWindowController(UiContext& context)
    : context_(context), form_(std::make_unique<Hauptdialog>()) {
  // Closing the main window asks to end the program; the question comes with the next tick.
  form_->onClose = [this] {
    context_.handle([this] { context_.program.quitRequested = QuitRequest::Asked; });
  };
  context_.program.messages.setSink(this);
}

MainWindowController::~MainWindowController() {
  context_.program.messages.setSink(nullptr);
}

FormWindow& MainWindowController::window() { return *form_; }

void MainWindowController::onShortcut(int menuNumber) {
  switch (menuNumber) {
    case MainMenu::F10:
      context_.program.quitRequested = QuitRequest::Asked;
      break;
    default:
      break;
  }
}

void MainWindowController::showStatus(const std::string& text) {
  form_->statusLine->setText(toQ(text));
  form_->statusLine->setCursorPosition(0);
}

}  // namespace qx
