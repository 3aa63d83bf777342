#include "ui/power/PowerWindowController.h"

#include <algorithm>

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QWheelEvent>

#include "core/app/Program.h"
#include "core/ports/Clock.h"
#include "core/ports/Printer.h"
#include "core/power/PowerDiagram.h"
#include "core/power/PowerFileActions.h"
#include "core/power/PowerInputs.h"
#include "core/power/PowerPrint.h"
#include "forms/Canvas.h"
#include "platform/QtText.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/Painting.h"
#include "ui/app/UiContext.h"

namespace qx {

namespace {
// Calls back with the control that lost the input focus.
class FocusWatcher final : public QObject {
 public:
  explicit FocusWatcher(std::function<void(QWidget*)> onFocusLost)
      : onFocusLost_(std::move(onFocusLost)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) onFocusLost_(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(QWidget*)> onFocusLost_;
};

// The mouse in the diagram area: whole wheel notches (fine wheels add up) with Shift and
// Ctrl, and left clicks at their x.
class DiagramMouse final : public QObject {
 public:
  DiagramMouse(QObject* parent, std::function<void(int, bool, bool)> onWheel,
               std::function<void(int)> onClick)
      : QObject(parent), onWheel_(std::move(onWheel)), onClick_(std::move(onClick)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Wheel) {
      const auto* wheel = static_cast<QWheelEvent*>(event);
      // Some platforms turn a wheel with Shift into a sideways wheel.
      const QPoint delta = wheel->angleDelta();
      pending_ += delta.y() != 0 ? delta.y() : delta.x();
      const int notches = pending_ / QWheelEvent::DefaultDeltasPerStep;
      pending_ -= notches * QWheelEvent::DefaultDeltasPerStep;
      const Qt::KeyboardModifiers m = wheel->modifiers();
      if (notches != 0)
        onWheel_(notches, m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier));
      return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
      const auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() == Qt::LeftButton) onClick_(static_cast<int>(press->position().x()));
    }
    return false;
  }

 private:
  std::function<void(int, bool, bool)> onWheel_;
  std::function<void(int)> onClick_;
  int pending_ = 0;
};

// The diagrams are drawn in pixels, their text sizes too: a size 12 text is 12 pixels
// high, so that the labels keep to the margins the plot leaves them.
void paintWith(Canvas* canvas, const Drawing& drawing) {
  canvas->paintFunction = [canvas, &drawing](QPainter& painter) {
    PaintOptions options;
    options.fontScale = 72.0 / canvas->logicalDpiY();
    paintDrawing(painter, drawing, options);
  };
}

void setText(QLabel* label, const std::string& text) {
  label->setText(toQ(text));
}
}  // namespace

PowerWindowController::PowerWindowController(UiContext& context)
    : FormController(context, WindowId::Power) {
  // Comparison files are looked for in the program's folder until one was saved or loaded.
  MeasurementFile& file = run().file;
  if (file.folder.empty()) file.folder = context_.program.info.programDirectory;
  form().centreAfterMaximise = false;

  powerSample_ = drawLineSample(false);
  torqueSample_ = drawLineSample(true);
  remaining_ = drawRemainingTime(run().progress);
  paintWith(form().powerSample, powerSample_);
  paintWith(form().torqueSample, torqueSample_);
  paintWith(form().remainingTime, remaining_);
  paintWith(form().diagram, diagram_);
  for (int c = 1; c <= 3; ++c) {
    Canvas* square = form().colourSquares[static_cast<std::size_t>(c)];
    square->paintFunction = [square, c](QPainter& painter) {
      painter.fillRect(square->rect(), toQColor(powerColours::curve(c)));
    };
  }
  connectButtons();
  connectOptions();
  connectDiagram();
  watchFocus();
}

PowerWindowController::~PowerWindowController() {
  // The controls go with the form; none may call back into this controller then.
  for (QWidget* w : form().area()->findChildren<QWidget*>())
    w->removeEventFilter(focusWatcher_.get());
}

PowerRun& PowerWindowController::run() {
  return context_.program.powerRun;
}

void PowerWindowController::connectButtons() {
  Program& p = context_.program;
  leistungsvergleich& f = form();
  auto onClick = [this](QPushButton* button, std::function<void()> action) {
    QObject::connect(button, &QPushButton::clicked, [this, action = std::move(action)] {
      context_.handle([this, &action] {
        leaveFocusedControl();
        action();
      });
    });
  };
  onClick(f.startButton, [this, &p] { startPowerRun(run(), p.clock); });
  onClick(f.stopButton, [this] { stopPowerRun(run()); });
  onClick(f.saveButton, [this, &p] {
    // The file names the unit that is connected now; nothing when none is identified.
    savePowerFile(run(), context_.requesters, p.messages, p.clock,
                  p.link.unitIdentified ? p.device : DeviceInfo{});
  });
  onClick(f.loadButton,
          [this, &p] { loadPowerMeasurement(run(), context_.requesters, p.messages); });
  for (int curve = 2; curve <= 3; ++curve)
    onClick(f.loaded[static_cast<std::size_t>(curve)].load, [this, &p, curve] {
      loadPowerComparison(run(), curve, context_.requesters, p.messages);
    });
  onClick(f.printButton, [this] { print(); });
}

void PowerWindowController::connectOptions() {
  for (std::size_t o = 0; o < form().options.size(); ++o) {
    const auto option = static_cast<PowerOption>(o);
    QObject::connect(form().options[o], &QAbstractButton::clicked, [this, option](bool checked) {
      context_.handle([this, option, checked] { clickPowerOption(run(), option, checked); });
    });
  }
}

void PowerWindowController::connectDiagram() {
  Program& p = context_.program;
  Canvas* diagram = form().diagram;
  diagram->installEventFilter(new DiagramMouse(
      diagram,
      [this](int notches, bool shift, bool ctrl) {
        context_.handle(
            [this, notches, shift, ctrl] { moveCursorByWheel(run(), notches, shift, ctrl); });
      },
      [this, &p, diagram](int x) {
        context_.handle([this, &p, diagram, x] {
          setCursorByClick(run(), p.settings.powerMinRpm, x, diagram->width());
        });
      }));
}

void PowerWindowController::watchFocus() {
  focusWatcher_ = std::make_unique<FocusWatcher>(
      [this](QWidget* control) { context_.handle([this, control] { focusLeft(control); }); });
  leistungsvergleich& f = form();
  for (QLineEdit* field : f.fields) field->installEventFilter(focusWatcher_.get());
  for (QAbstractButton* option : f.options) option->installEventFilter(focusWatcher_.get());
  f.descriptionField->installEventFilter(focusWatcher_.get());
  f.diagram->installEventFilter(focusWatcher_.get());
}

void PowerWindowController::onShortcut(int menuNumber) {
  switch (menuNumber) {
    case 1:
    case 2:
      takeOverInputs();
      break;
    case 11:
      startPowerRun(run(), context_.program.clock);
      break;
    case 12:
      stopPowerRun(run());
      break;
    default:
      break;
  }
}

void PowerWindowController::takeOverInputs() {
  confirmPowerInputs(run(), [this](PowerField f) {
    return fromQ(form().fields[static_cast<std::size_t>(f)]->text());
  });
  // Shown again also where the value stayed the same (650 typed over 700 shows 700).
  showInputs();
}

void PowerWindowController::focusLeft(QWidget* control) {
  if (control == form().descriptionField) {
    takeOverPowerDescription(run(), fromQ(form().descriptionField->text()));
    shownDescription_.reset();
  }
  takeOverInputs();
}

void PowerWindowController::leaveFocusedControl() {
  QWidget* focused = form().focusWidget();
  if (!focused) return;
  const auto& fields = form().fields;
  const auto& options = form().options;
  const bool watched = focused == form().descriptionField || focused == form().diagram ||
                       std::find(fields.begin(), fields.end(), focused) != fields.end() ||
                       std::find(options.begin(), options.end(), focused) != options.end();
  if (watched) focusLeft(focused);
}

void PowerWindowController::print() {
  Program& p = context_.program;
  const PrintResult result =
      context_.printer.printPage(kPowerPrintTitle, [this, &p](double width, double height) {
        return powerPrintPage(run(), p.settings, p.clock.now(), context_.systemInfo, width, height);
      });
  reportPowerPrint(p.messages, result);
}

void PowerWindowController::fill() {
  shownFieldTexts_.reset();
  shownDescription_.reset();
  drawnFrom_.reset();
  update();
}

void PowerWindowController::showInputs() {
  std::array<std::string, 10> texts;
  for (const PowerFieldInfo& info : powerFields()) {
    const auto i = static_cast<std::size_t>(info.id);
    texts[i] = powerFieldText(run().inputs, info.id);
    form().fields[i]->setText(toQ(texts[i]));
  }
  shownFieldTexts_ = texts;
}

void PowerWindowController::showTexts() {
  const PowerRun& r = run();
  leistungsvergleich& f = form();
  setText(f.folderValue, shownFolder(r.file.folder));
  setText(f.fileValue, r.file.fileName);
  setText(f.dateValue, r.file.date);
  setText(f.timeValue, r.file.time);
  setText(f.hardwareValue, r.file.hardware);
  setText(f.softwareValue, r.file.software);
  for (std::size_t c = 2; c <= 3; ++c) {
    const ComparisonCurve& k = r.comparison[c];
    const leistungsvergleich::LoadedCurve& shown = f.loaded[c];
    setText(shown.file, k.fileName);
    setText(shown.date, k.date);
    setText(shown.time, k.time);
    setText(shown.system, k.system);
    setText(shown.correction, k.correction);
    setText(shown.drag, k.drag);
    if (shown.description->text() != toQ(k.description)) {
      shown.description->setText(toQ(k.description));
      shown.description->setCursorPosition(0);
    }
  }
}

void PowerWindowController::showOptions() {
  for (std::size_t o = 0; o < form().options.size(); ++o)
    form().options[o]->setChecked(powerOptionChecked(run(), static_cast<PowerOption>(o)));
}

void PowerWindowController::redrawDiagrams() {
  Program& p = context_.program;
  PowerRun& r = run();
  Canvas* area = form().diagram;
  const int minRpm = p.settings.powerMinRpm;
  auto key = [&] {
    return DrawnFrom{r.revision,    minRpm,         p.setup.revision, r.view.cursorRpm,
                     area->width(), area->height(), r.view.display};
  };
  if (drawnFrom_ == key()) return;
  if (auto power = drawPowerDiagram(r, minRpm, area->width(), area->height()))
    diagram_ = std::move(*power);
  else if (auto speed = drawSpeedDiagram(r, p.setup.record, area->width(), area->height()))
    diagram_ = std::move(*speed);
  drawnFrom_ = key();  // with the cursor as the drawing pulled it into the scale
  area->update();
}

void PowerWindowController::update() {
  PowerRun& r = run();
  leistungsvergleich& f = form();
  showTexts();
  showOptions();
  std::array<std::string, 10> texts;
  for (const PowerFieldInfo& info : powerFields())
    texts[static_cast<std::size_t>(info.id)] = powerFieldText(r.inputs, info.id);
  // Written when the program changed an input (a loaded file), never while the user types.
  if (shownFieldTexts_ != texts) showInputs();
  if (shownDescription_ != r.inputs.description) {
    f.descriptionField->setText(toQ(r.inputs.description));
    f.descriptionField->setCursorPosition(0);
    shownDescription_ = r.inputs.description;
  }

  f.progress->setRange(0, r.progress.barMaximum);
  f.progress->setValue(static_cast<int>(r.progress.barValue));
  const std::pair countdown{r.progress.countdownShown, r.progress.remainingSeconds};
  if (shownCountdown_ != countdown) {
    remaining_ = drawRemainingTime(r.progress);
    shownCountdown_ = countdown;
    f.remainingTime->update();
  }

  redrawDiagrams();
  setText(f.cursorValue, r.view.cursorText);
  for (std::size_t c = 1; c <= 3; ++c) {
    setText(f.kwValues[c], r.view.kwText[c]);
    setText(f.nmValues[c], r.view.nmText[c]);
  }
}

}  // namespace qx
