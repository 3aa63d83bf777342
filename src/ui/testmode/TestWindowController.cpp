#include "ui/testmode/TestWindowController.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>

#include "core/app/Program.h"
#include "core/setup/SetupFields.h"
#include "core/testmode/FlowTest.h"
#include "core/testmode/OutputTests.h"
#include "core/testmode/TestForm.h"
#include "forms/Canvas.h"
#include "forms/Einstellungendialog.h"
#include "platform/QtEventPoll.h"
#include "platform/QtText.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/FocusLoss.h"
#include "ui/app/UiContext.h"
#include "ui/setup/SettingsWindowController.h"

namespace qx {

namespace {
void setText(QLabel* label, const std::string& text) {
  label->setText(toQ(text));
}

// The button a test counts down on: only the button is painted anew, at once, so that no
// other event is taken while the test runs.
TestButton face(QPushButton* button) {
  return {fromQ(button->text()), [button](const std::string& text) {
            button->setText(toQ(text));
            button->repaint();
          }};
}

void showColumn(const Testdialog::UnitColumn& column, const UnitTexts& texts) {
  setText(column.device, texts.device);
  setText(column.restarts, texts.restarts);
  setText(column.hardware, texts.hardware);
  setText(column.software, texts.software);
  setText(column.bootLoader, texts.bootLoader);
}
}  // namespace

TestWindowController::TestWindowController(UiContext& context)
    : FormController(context, WindowId::Test) {
  Testdialog& f = form();
  focusWatcher_ =
      std::make_unique<FocusLoss>([this] { context_.handle([this] { takeOverFields(); }); });
  for (QLineEdit* field : f.fields()) focusWatcher_->watch(field);
  connectOutputTests();
  connectFlowTests();
  connectIgnition();

  const Program& p = context_.program;
  f.sensorLamp->paintFunction = [this, &p](QPainter& painter) {
    const QSize size = form().sensorLamp->size();
    paintDrawing(painter, sensorLamp(p.sensorCheck, p.sensorCheck.lampShown, size.width(),
                                     size.height(), colours::kCanvasBackground));
  };
}

TestWindowController::~TestWindowController() {
  // The fields are destroyed with the form; nothing may call back into this controller then.
  if (focusWatcher_) focusWatcher_->unwatchAll();
}

void TestWindowController::onClick(QPushButton* button, std::function<void()> action) {
  QObject::connect(button, &QPushButton::clicked,
                   [this, action = std::move(action)] { context_.handle(action); });
}

void TestWindowController::onTest(QPushButton* button,
                                  std::function<void(SerialLink&, const TestButton&)> test) {
  onClick(button, [this, button, test = std::move(test)] { test(context_.link, face(button)); });
}

void TestWindowController::connectOutputTests() {
  Testdialog& f = form();
  Program& p = context_.program;
  onTest(f.pumpButton, [](SerialLink& l, const TestButton& b) { runFuelPumpTest(l, b); });
  for (int k = 1; k <= 3; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    if (k <= 2)
      onTest(f.outputButtons[i],
             [k](SerialLink& l, const TestButton& b) { runSwitchedOutputTest(l, k, b); });
    onTest(f.injectorButtons[i], [k, &p](SerialLink& l, const TestButton& b) {
      runInjectorTest(l, k, p.testMode.repetitions(), b);
    });
    onTest(f.coilButtons[i], [k, &p](SerialLink& l, const TestButton& b) {
      runCoilTest(l, k, p.setup.record.coilChargeTime, p.testMode.repetitions(), b);
    });
  }
  // The speed is read from the field at the click, taken over or not.
  onTest(f.speedOutputButton, [this](SerialLink& l, const TestButton& b) {
    runSpeedOutputTest(l, fromQ(form().field(TestField::SpeedOutput)->text()), b);
  });
  QObject::connect(f.repetitionGroup, &QButtonGroup::idClicked, [this, &p](int id) {
    context_.handle([&p, id] { p.testMode.tenTimes = id == 1; });
  });
}

void TestWindowController::connectFlowTests() {
  Testdialog& f = form();
  Program& p = context_.program;
  for (int k = 1; k <= 3; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    for (const auto& [button, pulseMs] :
         {std::pair{f.longTestButtons[i], kLongPulseMs}, {f.shortTestButtons[i], kShortPulseMs}}) {
      onClick(button, [this, &p, button = button, k, pulseMs = pulseMs] {
        QtEventPoll events(&form());
        runFlowTest(p.testMode, context_.link, context_.requesters, events, flowTestChannel(k),
                    pulseMs, face(button));
      });
    }
  }
  onClick(f.takeOverButton, [&p] {
    takeOverFlowResults(p.setup.record, p.testMode);
    // Every window shows the setup anew.
    p.showSetup();
  });
  onClick(f.resetButton, [this, &p] {
    resetFlowWeights(p.testMode);
    for (const TestFieldInfo& info : testFields())
      if (info.reading == TestReading::Weight) form().field(info.id)->clear();
  });
}

void TestWindowController::connectIgnition() {
  Testdialog& f = form();
  Program& p = context_.program;
  for (const auto& [button, step] : {std::pair{f.sensorUpButton, 1}, {f.sensorDownButton, -1}}) {
    onClick(button, [this, &p, step = step] {
      moveSensorPosition(p.setup.record, context_.link, step);
      showInSettingsWindow(SetupField::SensorAngle);
    });
  }
  QObject::connect(f.ignitionGroup, &QButtonGroup::idClicked, [this, &p](int id) {
    context_.handle([this, &p, id] {
      if (id == 0)
        chooseCurveIgnition(p.sensorCheck, context_.link);
      else
        chooseConstantIgnition(p.sensorCheck, context_.link);
    });
  });
  onClick(f.restartButton, [this] { restartUnit(context_.link); });
}

TestWindowValues TestWindowController::values() {
  Program& p = context_.program;
  return {p.setup.record, p.sensorCheck, p.testMode, p.settings};
}

void TestWindowController::onShortcut(int menuNumber) {
  if (menuNumber == 1 || menuNumber == 2) takeOverFields();
}

void TestWindowController::takeOverFields() {
  takeOverTestFields(values(), context_.link,
                     [this](TestField f) { return fromQ(form().field(f)->text()); });
  showFields();
  showInSettingsWindow(SetupField::CoilChargeTime);
}

void TestWindowController::showInSettingsWindow(SetupField field) {
  auto* settings = dynamic_cast<SettingsWindowController*>(context_.controller(WindowId::Settings));
  if (!settings) return;
  if (QLineEdit* edit = settings->form().field(field))
    edit->setText(toQ(shownText(context_.program.setup.record, field)));
}

void TestWindowController::showFields() {
  const TestWindowValues v = values();
  for (const TestFieldInfo& info : testFields())
    form().field(info.id)->setText(toQ(testFieldText(v, info.id)));
  shownChargeTime_ = context_.program.setup.record.coilChargeTime;
}

void TestWindowController::fill() {
  Program& p = context_.program;
  recomputeTestResults(p.testMode, p.settings);
  showFields();
  filledRevision_ = p.setup.revision;
  shownLamp_ = Drawing{};  // painted whole with the next update
}

void TestWindowController::update() {
  const Program& p = context_.program;
  if (filledRevision_ != p.setup.revision) fill();
  // The settings window changed the charge time: shown here too, typed text or not.
  if (shownChargeTime_ != p.setup.record.coilChargeTime) {
    form()
        .field(TestField::CoilChargeTime)
        ->setText(toQ(testFieldText(values(), TestField::CoilChargeTime)));
    shownChargeTime_ = p.setup.record.coilChargeTime;
  }
  showLiveValues();
  showResults();
}

void TestWindowController::showLiveValues() {
  const Program& p = context_.program;
  Testdialog& f = form();
  showColumn(f.connectedUnit, connectedUnitTexts(p.device));
  showColumn(f.loadedSetup, loadedSetupTexts(p.setup.file.loadedHeader));
  setText(f.sensorPositionValue, sensorPositionText(p.setup.record));

  const SensorCheck& s = p.sensorCheck;
  setText(f.ignitionAngleValue, s.ignitionAngleText);
  // The unit's choice as its last sample said (or as the options set it).
  (s.testConstant ? f.constantOption : f.curveOption)->setChecked(true);
  (p.testMode.tenTimes ? f.tenTimesOption : f.onceOption)->setChecked(true);
  setText(f.signalValue, s.signalText);
  setText(f.gapValue, s.gapText);
  setText(f.teethValue, s.teethText);
  setText(f.revolutionValue, s.revolutionText);
  // The lamp is painted again only when it changed, not with every tick.
  Drawing lamp = sensorLamp(s, s.lampShown, f.sensorLamp->width(), f.sensorLamp->height(),
                            colours::kCanvasBackground);
  const QRegion changed = changedRegion(shownLamp_, lamp, *f.sensorLamp);
  if (!changed.isEmpty()) f.sensorLamp->update(changed);
  shownLamp_ = std::move(lamp);
}

void TestWindowController::showResults() {
  const TestResultTexts t = testResultTexts(context_.program.testMode);
  Testdialog& f = form();
  setText(f.fuelFlowValue, t.fuelFlow);
  setText(f.requiredOpeningValue, t.requiredOpening);
  setText(f.availableOpeningValue, t.availableOpening);
  setText(f.chargeTimeValue, t.chargeTime);
  setText(f.maxCurrentValue, t.maxChargeCurrent);
  setText(f.availableChargeValue, t.availableChargeTime);
  for (std::size_t k = 0; k < 3; ++k) {
    setText(f.switchingTimeValues[k], t.switchingTime[k]);
    setText(f.flowValues[k], t.flow[k]);
    setText(f.compensationValues[k], t.compensation[k]);
  }
  setText(f.fullLoadValue, t.fullLoad);
}

}  // namespace qx
