#include "ui/system/SystemWindowController.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "core/app/MainLoop.h"
#include "core/app/Program.h"
#include "core/display/BigDisplay.h"
#include "core/firmware/FirmwareUpdate.h"
#include "core/logger/Logger.h"
#include "core/ports/LoggerTimer.h"
#include "core/system/SystemForm.h"
#include "forms/FormWindow.h"
#include "platform/QtText.h"
#include "ui/app/FocusLoss.h"
#include "ui/app/UiContext.h"

namespace qx {

namespace {
// The logger timer as the main loop runs it (a capacity change leaves it alone).
class LoopLoggerTimer final : public LoggerTimer {
 public:
  explicit LoopLoggerTimer(MainLoop& loop) : loop_(loop) {}
  void start(int) override { loop_.startLoggerTimer(); }
  void stop() override { loop_.stopLoggerTimer(); }

 private:
  MainLoop& loop_;
};
}  // namespace

SystemWindowController::SystemWindowController(UiContext& context)
    : FormController(context, WindowId::System) {
  // Maximising gives the normal state at the content size, in place.
  form().centreAfterMaximise = false;
  connectControls();
}

SystemWindowController::~SystemWindowController() {
  // The fields are destroyed with the form; nothing may call back into this controller then.
  if (focusWatcher_) focusWatcher_->unwatchAll();
}

void SystemWindowController::connectControls() {
  systemdialog& f = form();
  focusWatcher_ =
      std::make_unique<FocusLoss>([this] { context_.handle([this] { takeOverFields(); }); });
  for (QLineEdit* edit : f.fields()) focusWatcher_->watch(edit);

  for (const SystemCheckInfo& info : systemChecks()) {
    QObject::connect(f.check(info.id), &QCheckBox::clicked, [this, info](bool checked) {
      context_.handle([this, info, checked] {
        setSystemChecked(context_.program.settings, info.id, checked);
        if (info.refreshesBigDisplay) refreshBigDisplay();
      });
    });
  }

  Program& p = context_.program;
  const auto onClick = [this](QPushButton* button, std::function<void()> handler) {
    QObject::connect(button, &QPushButton::clicked,
                     [this, handler = std::move(handler)] { context_.handle(handler); });
  };
  onClick(f.chooseButton, [this, &p] { chooseFirmwareFile(p.firmware, context_.requesters); });
  onClick(f.updateButton,
          [this, &p] { firmwareButtonPressed(p.firmware, context_.link, context_.requesters); });
  onClick(f.eraseButton, [this, &p] {
    eraseUnitEeprom(context_.link, p.settings, context_.requesters, p.info.programName);
  });
  const auto resets = windowResetButtons();
  for (std::size_t i = 0; i < resets.size(); ++i) {
    const WindowId id = resets[i].window;
    onClick(f.resetButtons()[i], [this, id] { resetWindow(id); });
  }
}

void SystemWindowController::onShortcut(int menuNumber) {
  if (menuNumber == 1 || menuNumber == 2) takeOverFields();
}

void SystemWindowController::takeOverFields() {
  Program& p = context_.program;
  takeOverSystemFields(
      p.settings, [this](std::int64_t requested) { return changeLogCapacity(requested); },
      [this](SystemField field) { return fromQ(form().field(field)->text()); });
  fill();
  refreshBigDisplay();
}

std::int64_t SystemWindowController::changeLogCapacity(std::int64_t requested) {
  Program& p = context_.program;
  LoopLoggerTimer timer(context_.loop);
  // The logger window, once the program has one, shows the new capacity.
  LoggerScreen noLoggerWindow;
  auto* loggerWindow = dynamic_cast<LoggerScreen*>(context_.controller(WindowId::Logger));
  LoggerPorts ports{p.clock, p.messages, context_.requesters, timer,
                    loggerWindow ? *loggerWindow : noLoggerWindow};
  return qx::changeLogCapacity(p.logger, p.logTable, p.settings, requested, ports);
}

void SystemWindowController::fill() {
  for (int i = 0; i < kSystemFieldCount; ++i) showField(static_cast<SystemField>(i));
  update();
}

void SystemWindowController::showField(SystemField field) {
  std::string& shown = shownTexts_[static_cast<std::size_t>(field)];
  shown = systemShownText(context_.program.settings, field);
  QLineEdit* edit = form().field(field);
  edit->setText(toQ(shown));
  edit->setCursorPosition(0);
}

void SystemWindowController::update() {
  const ProgramSettings& s = context_.program.settings;
  // A value that changed elsewhere (a log file read, the settings at start) is shown; what
  // the user is typing stays until then.
  for (int i = 0; i < kSystemFieldCount; ++i) {
    const auto field = static_cast<SystemField>(i);
    if (systemShownText(s, field) != shownTexts_[static_cast<std::size_t>(i)]) showField(field);
  }
  for (const SystemCheckInfo& info : systemChecks())
    form().check(info.id)->setChecked(systemChecked(s, info.id));
  form().lambdaWarning->setText(toQ(lambdaWarningText(s)));
  showComputedLines();
  showFirmware();
}

void SystemWindowController::showComputedLines() {
  const ProgramSettings& s = context_.program.settings;
  form().logTime->setText(toQ(maxLogTimeText(s.maxLogRecords, s.loggerTimerMs)));
  form().logSize->setText(toQ(logFileSizeText(s.maxLogRecords)));
}

void SystemWindowController::showFirmware() {
  const FirmwareUpdate& u = context_.program.firmware;
  systemdialog& f = form();
  f.folderText->setText(toQ(firmwareFolderText(u)));
  f.nameText->setText(toQ(firmwareNameText(u)));
  f.updateButton->setText(toQ(u.buttonCaption));
  f.progress->setMaximum(std::max(u.progressMaximum, 1));
  f.progress->setValue(std::clamp(u.progressValue, 0, f.progress->maximum()));
  f.statusText->setText(toQ(u.statusText));
}

void SystemWindowController::refreshBigDisplay() {
  Program& p = context_.program;
  if (!p.windowShown(WindowId::BigDisplay)) return;
  qx::refreshBigDisplay(p.bigDisplay, {p.vital, p.settings, p.setup.record,
                                       p.sensorCheck.errorCount, p.editors.drawingBackground});
}

void SystemWindowController::resetWindow(WindowId id) {
  WindowController* controller = context_.controller(id);
  if (!controller) return;
  FormWindow& w = controller->window();
  const bool wasHidden = !w.isVisible();
  // The standard size directly: the window's own maximise handling would show it again
  // after this handler has hidden it.
  const WindowResetSize size = windowResetSize(id);
  w.setWindowState(w.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
  w.resize(size.width, size.height);
  w.centerOnScreen();
  w.show();
  if (wasHidden) w.hide();
}

}  // namespace qx
