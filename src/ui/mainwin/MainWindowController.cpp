#include "ui/mainwin/MainWindowController.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/app/Program.h"
#include "core/util/Numbers.h"
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
  QObject::connect(form_->settingsButton, &QPushButton::clicked, [this] {
    context_.handle([this] { context_.openWindow(WindowId::Settings); });
  });
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

void MainWindowController::refresh() {
  // The ignition panel shows the setup's limiter speed and retard angle.
  const SetupRecord& setup = context_.program.setup;
  form_->retardRpmValue->setText(toQ(intText(setup.retardRpm * 100)));
  form_->retardAngleValue->setText(toQ(intText(setup.retardAngle)));
}

void MainWindowController::showStatus(const std::string& text) {
  form_->statusLine->setText(toQ(text));
  form_->statusLine->setCursorPosition(0);
}

}  // namespace qx
