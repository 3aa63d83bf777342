#include "ui/mainwin/MainWindowController.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "core/app/Program.h"
#include "core/link/Connection.h"
#include "core/link/SetupCompare.h"
#include "core/link/SetupTransfer.h"
#include "core/mainwin/EditorState.h"
#include "core/mainwin/MainWindowLogic.h"
#include "core/mainwin/MapEditor.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupFileActions.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"
#include "forms/Canvas.h"
#include "forms/Hauptdialog.h"
#include "platform/QtText.h"
#include "ui/app/Painting.h"
#include "ui/app/UiContext.h"

namespace qx {

namespace {
void setValue(QLabel* label, const std::string& text) {
  label->setText(toQ(text));
}

void setColouredValue(QLabel* label, const std::string& text, const Rgb& colour) {
  // A new palette costs a style pass: only when the colour changes.
  const QColor wanted = toQColor(colour);
  if (label->palette().color(QPalette::WindowText) != wanted) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, wanted);
    label->setPalette(palette);
  }
  label->setText(toQ(text));
}

// Forwards the mouse wheel over the map to a handler while `wanted` says so; otherwise the
// wheel scrolls the window as usual. Touchpads and fine wheels send fractions of a notch:
// they add up until a whole notch is there.
class WheelFilter : public QObject {
 public:
  WheelFilter(QObject* parent, std::function<bool()> wanted, std::function<void(int)> onWheel)
      : QObject(parent), wanted_(std::move(wanted)), onWheel_(std::move(onWheel)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    if (!wanted_()) {
      pending_ = 0;
      return false;
    }
    pending_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    const int notches = pending_ / QWheelEvent::DefaultDeltasPerStep;
    pending_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) onWheel_(notches);
    return true;
  }

 private:
  std::function<bool()> wanted_;
  std::function<void(int)> onWheel_;
  int pending_ = 0;
};

// While an editor has the keyboard its keys act whatever control of the window has the
// focus: a text field must not take "+", "-" or the arrows for itself. The field asks for
// such keys with a shortcut override; refusing it lets the window's shortcut have the key.
class EditingKeysFirst : public QObject {
 public:
  EditingKeysFirst(QWidget* window, const std::vector<QShortcut*>& keys)
      : QObject(window), window_(window), keys_(keys) {}
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget || widget->window() != window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    const QKeySequence plain(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    for (const QShortcut* s : keys_) {
      if (s->isEnabled() && (s->key() == pressed || s->key() == plain)) {
        event->ignore();
        return true;
      }
    }
    return false;
  }

 private:
  QWidget* window_;
  const std::vector<QShortcut*>& keys_;
};
}  // namespace

MainWindowController::MainWindowController(UiContext& context)
    : FormController(context, WindowId::Main) {
  Program& p = context_.program;
  // The home window: shown from the end of start-up to the end of the program.
  p.windowShown(WindowId::Main) = true;
  // Closing the main window asks to end the program; the question comes with the next tick.
  form().onClose = [this, &p] { context_.handle([&p] { p.quitRequested = QuitRequest::Asked; }); };
  p.messages.setSink(this);
  wireCommunication();
  wireEditors();
  wireEditingKeys();
  wireTransferButtons();
}

MainWindowController::~MainWindowController() {
  context_.program.messages.setSink(nullptr);
}

void MainWindowController::wireCommunication() {
  Program& p = context_.program;
  Hauptdialog& f = form();
  // The check box and the list are read by the connection step at the next tick.
  QObject::connect(f.comCheck, &QCheckBox::toggled,
                   [this, &p](bool on) { context_.handle([&p, on] { p.com.checked = on; }); });
  QObject::connect(f.portList, &QComboBox::currentIndexChanged, [this, &p](int index) {
    context_.handle([&p, index] { p.com.selected = index; });
  });
  QObject::connect(f.refreshPortsButton, &QPushButton::clicked, [this, &p] {
    context_.handle([this, &p] { refreshPortList(p.com, p.link, context_.portProbe); });
  });
  // The lamp shows the colour of the tick's lamp step, not the state at painting time.
  f.connectionLamp->paintFunction = [this, &p](QPainter& painter) {
    const QSize size = form().connectionLamp->size();
    paintLamp(painter, connectionLamp(size.width(), size.height(), p.com.lamp));
  };
}

void MainWindowController::wireTransferButtons() {
  Program& p = context_.program;
  Hauptdialog& f = form();
  auto onClick = [this](QPushButton* button, std::function<void()> action) {
    QObject::connect(button, &QPushButton::clicked,
                     [this, action = std::move(action)] { context_.handle(action); });
  };
  const std::pair<QPushButton*, WindowId> opens[] = {{f.lambdaLoggerButton, WindowId::LambdaLogger},
                                                     {f.vitalLoggerButton, WindowId::Logger},
                                                     {f.bigDisplayButton, WindowId::BigDisplay},
                                                     {f.settingsButton, WindowId::Settings},
                                                     {f.testButton, WindowId::Test},
                                                     {f.learningButton, WindowId::Learning},
                                                     {f.powerButton, WindowId::Power},
                                                     {f.systemButton, WindowId::System}};
  for (const auto& [button, id] : opens)
    onClick(button, [this, id = id] { context_.openWindow(id); });
  onClick(f.toPcButton, [this, &p] {
    readSetupFromUnit(p.setup, context_.link, context_.requesters);
    clearPointLabels(p.editors);
  });
  onClick(f.toUnitButton, [this, &p] { writeSetupToUnit(p.setup.record, context_.link); });
  onClick(f.toEepromButton, [this, &p] { storeSetupInEeprom(context_.link); });
  onClick(f.loadButton, [this, &p] {
    // A loaded file's comment replaces whatever the field holds, also an empty one.
    if (loadSetupFile(p.setup, p.editors.mode, context_.requesters, p.messages))
      shownDescription_.reset();
    clearPointLabels(p.editors);
  });
  onClick(f.saveButton, [this, &p] {
    // The file's comment is the field's text as it stands, confirmed with Return or not.
    takeDescription(p.setup, fromQ(form().descriptionField->text()));
    shownDescription_.reset();
    // The file names the unit that is connected now; nothing when none is identified.
    SetupFileUnit unit;
    if (p.link.unitIdentified) {
      unit = {p.device.device, p.device.hardware, p.device.software, p.device.bootLoader,
              p.device.restartCount};
    }
    saveSetupFile(p.setup, unit, context_.requesters, p.messages, p.clock);
  });
}

void MainWindowController::wireEditors() {
  Program& p = context_.program;
  Hauptdialog& f = form();
  EditorBoxes& b = p.editors.boxes;
  // Each box sets its flag at once; its own click may redraw its editor.
  auto box = [this](QCheckBox* check, bool* flag, EventSource source) {
    QObject::connect(check, &QCheckBox::toggled, [this, flag, source](bool on) {
      context_.handle(EventInfo{EventKind::Other, source}, [flag, on] { *flag = on; });
    });
  };
  box(f.mapStartCheck, &p.editors.mapStart, EventSource::MapStart);
  box(f.mapKappCheck, &b.mapKapp, EventSource::MapKapp);
  box(f.mapX100Check, &p.editors.mapX100, EventSource::None);
  box(f.mapAutoCheck, &b.mapAuto, EventSource::None);
  box(f.mapPosCheck, &b.mapPos, EventSource::MapPos);
  box(f.airEditor.autoCheck, &b.airAuto, EventSource::None);
  box(f.airEditor.posCheck, &b.airPos, EventSource::AirPos);
  box(f.engineEditor.autoCheck, &b.engineAuto, EventSource::None);
  box(f.engineEditor.posCheck, &b.enginePos, EventSource::EngineTempPos);
  box(f.ignitionEditor.autoCheck, &b.ignitionAuto, EventSource::None);
  box(f.ignitionEditor.posCheck, &b.ignitionPos, EventSource::IgnitionPos);

  f.mapCanvas->installEventFilter(new WheelFilter(
      f.mapCanvas, [&p] { return p.editors.boxes.mapKapp; },
      [this, &p](int notches) {
        context_.handle(EventInfo{EventKind::Wheel, EventSource::None},
                        [&p, notches] { wheelOverMap(p.editors, p.settings, notches); });
      }));
}

void MainWindowController::wireEditingKeys() {
  struct Binding {
    QKeyCombination keys;
    EditKey key;
  };
  const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
  const Binding bindings[] = {
      {QKeyCombination(Qt::Key_Left), EditKey::Left},
      {QKeyCombination(Qt::Key_Right), EditKey::Right},
      {QKeyCombination(Qt::Key_Up), EditKey::Up},
      {QKeyCombination(Qt::Key_Down), EditKey::Down},
      {QKeyCombination(pad, Qt::Key_Plus), EditKey::Increase},
      {QKeyCombination(pad, Qt::Key_Minus), EditKey::Decrease},
      {QKeyCombination(Qt::Key_Plus), EditKey::Increase},
      {QKeyCombination(Qt::Key_Minus), EditKey::Decrease},
      {QKeyCombination(pad | shift, Qt::Key_Plus), EditKey::IncreaseShifted},
      {QKeyCombination(pad | shift, Qt::Key_Minus), EditKey::DecreaseShifted},
      {QKeyCombination(shift, Qt::Key_Plus), EditKey::IncreaseShifted},
      {QKeyCombination(shift, Qt::Key_Minus), EditKey::DecreaseShifted},
      // On a German keyboard Shift turns the "+" and "-" keys into "*" and "_".
      {QKeyCombination(shift, Qt::Key_Asterisk), EditKey::IncreaseShifted},
      {QKeyCombination(shift, Qt::Key_Underscore), EditKey::DecreaseShifted},
      {QKeyCombination(Qt::ControlModifier, Qt::Key_Z), EditKey::Undo},
      {QKeyCombination(Qt::ControlModifier, Qt::Key_Y), EditKey::Redo},
      {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z), EditKey::Redo},
  };
  for (const Binding& b : bindings) {
    auto* shortcut = new QShortcut(QKeySequence(b.keys), &form());
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setEnabled(false);
    const EditKey key = b.key;
    QObject::connect(shortcut, &QShortcut::activated, [this, key] {
      context_.handle(EventInfo{EventKind::Shortcut, EventSource::None}, [this, key] {
        Program& p = context_.program;
        editingKey(p.editors, p.setup, context_.link, key);
      });
    });
    editingKeys_.push_back(shortcut);
  }
  qApp->installEventFilter(new EditingKeysFirst(&form(), editingKeys_));
}

void MainWindowController::startEditingFrom(EditingMode mode) {
  startEditing(context_.program.editors, context_.program.messages, mode);
  // The keys go to the editors now: a text field keeps no focus that could take them.
  form().mapCanvas->setFocus(Qt::ShortcutFocusReason);
}

void MainWindowController::onShortcut(int menuNumber) {
  Program& p = context_.program;
  switch (menuNumber) {
    case MainMenu::Escape:
      endEditing(p.editors, p.messages);
      break;
    case MainMenu::F5:
      startEditingFrom(EditingMode::InjectionMap);
      break;
    case MainMenu::F6:
      startEditingFrom(EditingMode::AirTemp);
      break;
    case MainMenu::F7:
      startEditingFrom(EditingMode::EngineTemp);
      break;
    case MainMenu::F8:
      startEditingFrom(EditingMode::Ignition);
      break;
    case MainMenu::Return:
    case MainMenu::Execute:
      takeDescription(p.setup, fromQ(form().descriptionField->text()));
      shownDescription_.reset();  // written back, cut
      break;
    case MainMenu::F1:
      context_.openWindow(WindowId::Help);
      break;
    case MainMenu::Expert:
      if (unlockExpertMode(p.expertWindow, context_.requesters))
        context_.openWindow(WindowId::Expert);
      break;
    case MainMenu::ShiftF1:
      resetWindowPositions();
      break;
    case MainMenu::F10:
      p.quitRequested = QuitRequest::Asked;
      break;
    case MainMenu::F3:
      shiftMapGroup(p.editors, p.setup, context_.link, true);
      break;
    case MainMenu::F4:
      shiftMapGroup(p.editors, p.setup, context_.link, false);
      break;
    case MainMenu::Compare:
      compareSetupWithUnit(p.setup.record, context_.link, context_.requesters);
      break;
    case MainMenu::F9:
      typeMapValue(p.editors, p.setup, context_.link, context_.requesters);
      break;
    default:
      break;
  }
}

void MainWindowController::update() {
  const Program& p = context_.program;
  Hauptdialog& f = form();
  // What changes on every tick is shown; what stays is left alone, so that a short COM timer
  // is not spent on the window.
  if (p.com.ports != shownPorts_ || p.com.selected != f.portList->currentIndex()) {
    // Show the list as the program holds it, without echoing it back.
    QSignalBlocker blockList(f.portList);
    if (p.com.ports != shownPorts_) {
      QStringList names;
      for (const std::string& n : p.com.ports) names << toQ(n);
      f.portList->clear();
      f.portList->addItems(names);
      shownPorts_ = p.com.ports;
    }
    f.portList->setCurrentIndex(p.com.selected);
  }
  if (f.comCheck->isChecked() != p.com.checked) {
    QSignalBlocker blockBox(f.comCheck);
    f.comCheck->setChecked(p.com.checked);
  }
  if (shownLamp_ != p.com.lamp) {
    f.connectionLamp->update();
    shownLamp_ = p.com.lamp;
  }
  if (shownDevice_ != p.device.hardware + '/' + p.device.software) {
    f.hardwareValue->setText(toQ(latin1ToUtf8(p.device.hardware)));
    f.softwareValue->setText(toQ(latin1ToUtf8(p.device.software)));
    shownDevice_ = p.device.hardware + '/' + p.device.software;
  }

  const bool editing = p.editors.mode != EditingMode::None;
  if (editing != editingKeysOn_) {
    for (QShortcut* s : editingKeys_) s->setEnabled(editing);
    editingKeysOn_ = editing;
  }
  if (!shownVital_ || !(*shownVital_ == p.vitalTexts)) {
    showVitalTexts();
    shownVital_ = p.vitalTexts;
  }
  showPointLabels();
  // The description is written into the field when the program changed it (taken over,
  // loaded, read), never while the user is typing.
  if (shownDescription_ != p.setup.description) {
    f.descriptionField->setText(toQ(p.setup.description));
    shownDescription_ = p.setup.description;
  }
  f.fileNameValue->setText(toQ(p.setup.file.loadedName));
  // The ignition panel shows the setup's limiter speed and retard angle.
  f.retardRpmValue->setText(toQ(intText(p.setup.record.retardRpm * 100)));
  f.retardAngleValue->setText(toQ(intText(p.setup.record.retardAngle)));
}

void MainWindowController::resetWindowPositions() {
  // The system window in its normal state, centred, and hidden again unless it is open;
  // then the main window, centred.
  if (WindowController* system = context_.controller(WindowId::System)) {
    FormWindow& w = system->window();
    w.setWindowState(w.windowState() & ~Qt::WindowMaximized);
    w.centerOnScreen();
    w.show();
    if (!system->shown()) w.hide();
  }
  form().centerOnScreen();
  form().show();
}

void MainWindowController::showVitalTexts() {
  const VitalTexts& t = context_.program.vitalTexts;
  Hauptdialog& f = form();
  setValue(f.engineSpeedValue, t.engineSpeed);
  setValue(f.throttleValue, t.throttle);
  setValue(f.engineTempValue, t.engineTemp);
  setValue(f.airTempValue, t.airTemp);
  setValue(f.ignitionBaseValue, t.ignitionBase);
  setValue(f.ignitionAngleValue, t.ignitionAngle);
  setValue(f.injectionBaseValue, t.injectionBase);
  setValue(f.airCorrPercentValue, t.airCorrPercent);
  setValue(f.airCorrUsValue, t.airCorrUs);
  setValue(f.engineCorrPercentValue, t.engineCorrPercent);
  setValue(f.engineCorrUsValue, t.engineCorrUs);
  setColouredValue(f.injectionTimeValue, t.injectionTime, t.injectionTimeColour);
  const std::string* switches[] = {&t.output1, &t.output2, &t.input1, &t.input2, &t.input3};
  for (std::size_t k = 0; k < 5; ++k) setValue(f.switchValues[k], *switches[k]);
  for (std::size_t k = 0; k < 3; ++k) setValue(f.lambdaValues[k], t.lambda[k]);
  setColouredValue(f.cpuTempValue, t.cpuTemp, t.cpuTempColour);
}

void MainWindowController::showPointLabels() {
  const EditorState& e = context_.program.editors;
  Hauptdialog& f = form();
  setValue(f.mapSpeedValue, e.mapLabels.first);
  setValue(f.mapThrottleValue, e.mapLabels.second);
  setValue(f.mapInjectionValue, e.mapLabels.third);
  setValue(f.airEditor.axisValue, e.airLabels.first);
  setValue(f.airEditor.valueValue, e.airLabels.second);
  setValue(f.engineEditor.axisValue, e.engineLabels.first);
  setValue(f.engineEditor.valueValue, e.engineLabels.second);
  setValue(f.ignitionEditor.axisValue, e.ignitionLabels.first);
  setValue(f.ignitionEditor.valueValue, e.ignitionLabels.second);
}

void MainWindowController::showStatus(const std::string& text) {
  form().statusLine->setText(toQ(text));
  form().statusLine->setCursorPosition(0);
}

}  // namespace qx
