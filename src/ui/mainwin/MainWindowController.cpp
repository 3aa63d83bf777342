#include "ui/mainwin/MainWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/app/Program.h"
#include "core/link/Connection.h"
#include "core/util/Text.h"
#include "forms/Canvas.h"
#include "forms/Hauptdialog.h"
#include "platform/QtText.h"
#include "ui/app/Painting.h"
#include "ui/app/UiContext.h"

namespace qx {

MainWindowController::MainWindowController(UiContext& context)
    : context_(context), form_(std::make_unique<Hauptdialog>()) {
  Program& p = context_.program;
  // Closing the main window asks to end the program; the question comes with the next tick.
  form_->onClose = [this, &p] { context_.handle([&p] { p.quitRequested = QuitRequest::Asked; }); };
  p.messages.setSink(this);
  wireCommunication();
}

MainWindowController::~MainWindowController() { context_.program.messages.setSink(nullptr); }

FormWindow& MainWindowController::window() { return *form_; }

void MainWindowController::wireCommunication() {
  Program& p = context_.program;
  Hauptdialog& f = *form_;
  // The check box and the list are read by the connection step at the next tick.
  QObject::connect(f.comCheck, &QCheckBox::toggled, [this, &p](bool on) {
    context_.handle([&p, on] { p.com.checked = on; });
  });
  QObject::connect(f.portList, &QComboBox::currentIndexChanged, [this, &p](int index) {
    context_.handle([&p, index] { p.com.selected = index; });
  });
  QObject::connect(f.refreshPortsButton, &QPushButton::clicked, [this, &p] {
    context_.handle([this, &p] { refreshPortList(p, context_.portProbe); });
  });
  f.connectionLamp->paintFunction = [this, &p](QPainter& painter) {
    const QSize size = form_->connectionLamp->size();
    paintLamp(painter, connectionLamp(size.width(), size.height(), p.com.checked, p.link));
  };
}

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
  const Program& p = context_.program;
  Hauptdialog& f = *form_;
  {
    // Show the list and the box as the program holds them, without echoing them back.
    QSignalBlocker blockList(f.portList);
    QStringList names;
    for (const std::string& n : p.com.ports) names << toQ(n);
    QStringList shown;
    for (int i = 0; i < f.portList->count(); ++i) shown << f.portList->itemText(i);
    if (names != shown) {
      f.portList->clear();
      f.portList->addItems(names);
    }
    f.portList->setCurrentIndex(p.com.selected);
    QSignalBlocker blockBox(f.comCheck);
    f.comCheck->setChecked(p.com.checked);
  }
  f.hardwareValue->setText(toQ(latin1ToUtf8(p.device.hardware)));
  f.softwareValue->setText(toQ(latin1ToUtf8(p.device.software)));
  f.connectionLamp->update();
}

void MainWindowController::showStatus(const std::string& text) {
  form_->statusLine->setText(toQ(text));
  form_->statusLine->setCursorPosition(0);
}

}  // namespace qx
