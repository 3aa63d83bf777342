#include "ui/lambda/LambdaLoggerController.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>

#include "core/app/Program.h"
#include "core/lambda/LambdaDrawing.h"
#include "core/lambda/LambdaFileActions.h"
#include "core/lambda/LambdaPrint.h"
#include "core/lambda/LambdaRating.h"
#include "forms/Canvas.h"
#include "platform/QtText.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/FocusLoss.h"
#include "ui/app/UiContext.h"

namespace qx {

namespace {
void setText(QLabel* label, const std::string& text) {
  label->setText(toQ(text));
}
}  // namespace

LambdaLoggerController::LambdaLoggerController(UiContext& context)
    : FormController(context, WindowId::LambdaLogger),
      legend_(lambdaLegendDrawing(colours::kCanvasBackground)) {
  form().legendCanvas->paintFunction = [this](QPainter& painter) {
    paintDrawing(painter, legend_);
  };
  // The table as the last tick or handler drew it.
  form().tableCanvas->paintFunction = [this](QPainter& painter) {
    paintDrawing(painter, context_.program.lambdaLogger.table);
  };
  wireFile();
  wireUnit();
  wireDisplay();
}

LambdaLoggerController::~LambdaLoggerController() {
  // The field goes with the form; it may not call back into this controller then.
  if (focusWatcher_) focusWatcher_->unwatchAll();
}

void LambdaLoggerController::wireFile() {
  Program& p = context_.program;
  lambdalogger& f = form();
  auto onClick = [this](QPushButton* button, std::function<void()> action) {
    QObject::connect(button, &QPushButton::clicked,
                     [this, action = std::move(action)] { context_.handle(action); });
  };
  onClick(f.loadButton, [this, &p] {
    if (!loadLambdaLog(p.lambdaLogger, p.lambdaTable, context_.requesters, p.messages)) return;
    shownComment_.reset();  // the file's comment goes into the field
    redrawTable();
  });
  // The comment goes with the file and the page as the field holds it, left or not.
  onClick(f.saveButton, [this, &p] {
    takeComment();
    saveLambdaLog(p.lambdaLogger, p.lambdaTable, p.device, p.link.unitIdentified,
                  context_.requesters, p.messages, p.clock);
  });
  onClick(f.printButton, [this, &p] {
    takeComment();
    printLambdaLog(p.lambdaTable, p.lambdaLogger, p.settings, context_.printer, context_.systemInfo,
                   p.clock, p.messages);
  });
  focusWatcher_ =
      std::make_unique<FocusLoss>([this] { context_.handle([this] { takeComment(); }); });
  focusWatcher_->watch(f.commentField);
}

void LambdaLoggerController::wireUnit() {
  Program& p = context_.program;
  lambdalogger& f = form();
  const std::pair<QPushButton*, LambdaLogMemory> reads[] = {
      {f.readEepromButton, LambdaLogMemory::Eeprom}, {f.readRamButton, LambdaLogMemory::Ram}};
  for (const auto& [button, memory] : reads)
    QObject::connect(button, &QPushButton::clicked, [this, &p, memory = memory] {
      context_.handle([this, &p, memory] {
        if (readUnitLambdaLog(p.lambdaTable, p.setup.record, context_.link, memory)) redrawTable();
      });
    });
  // Without a question or a message; nothing goes out while the unit is not identified.
  const std::pair<QPushButton*, LambdaLogMemory> clears[] = {
      {f.clearEepromButton, LambdaLogMemory::Eeprom}, {f.clearRamButton, LambdaLogMemory::Ram}};
  for (const auto& [button, memory] : clears)
    QObject::connect(button, &QPushButton::clicked, [this, memory = memory] {
      context_.handle([this, memory] { clearUnitLambdaLog(context_.link, memory); });
    });
  // The unit learns the flag with the next transfer of the setup.
  QObject::connect(f.loggingCheck, &QCheckBox::clicked, [this, &p](bool on) {
    context_.handle([&p, on] { p.setup.record.lambdaLoggingActive = on ? 1 : 0; });
  });
}

void LambdaLoggerController::wireDisplay() {
  Program& p = context_.program;
  lambdalogger& f = form();
  QObject::connect(f.clearValuesButton, &QPushButton::clicked, [this, &p] {
    context_.handle([this, &p] {
      p.lambdaTable.clear();
      redrawTable();
    });
  });
  QObject::connect(f.liveCheck, &QCheckBox::clicked, [this, &p](bool on) {
    context_.handle([&p, on] { p.lambdaTable.readLive = on; });
  });
  QObject::connect(f.cellTextGroup, &QButtonGroup::idClicked, [this, &p](int id) {
    context_.handle([this, &p, id] {
      p.lambdaLogger.cellText = id == 1 ? LambdaCellText::Symbols : LambdaCellText::Volts;
      redrawTable();
    });
  });
  for (std::size_t k = 0; k < f.probeChecks.size(); ++k)
    QObject::connect(f.probeChecks[k], &QCheckBox::clicked, [this, &p, k](bool on) {
      context_.handle([this, &p, k, on] {
        p.lambdaLogger.probes[k] = on;
        redrawTable();
      });
    });
}

void LambdaLoggerController::takeComment() {
  LambdaLoggerState& s = context_.program.lambdaLogger;
  s.comment = cleanLambdaComment(fromQ(form().commentField->text()));
  form().commentField->setText(toQ(s.comment));
  shownComment_ = s.comment;
}

void LambdaLoggerController::redrawTable() {
  const Program& p = context_.program;
  LambdaLoggerState& s = context_.program.lambdaLogger;
  s.table =
      lambdaTableDrawing(p.lambdaTable, s, p.settings, s.framed,
                         p.editors.mode == EditingMode::InjectionMap, colours::kCanvasBackground);
}

void LambdaLoggerController::fill() {
  // The table at once, not only from the next tick on.
  redrawTable();
  shownComment_.reset();
  update();
}

void LambdaLoggerController::update() {
  const Program& p = context_.program;
  const LambdaLoggerState& s = p.lambdaLogger;
  lambdalogger& f = form();
  // Thresholds may change in the system window while this one is open.
  const std::array<std::string, 4> thresholds = lambdaThresholdTexts(p.settings);
  for (std::size_t i = 0; i < thresholds.size(); ++i) setText(f.thresholdValues[i], thresholds[i]);
  // A read from the unit or a loaded setup changes the flag behind the box's back.
  f.loggingCheck->setChecked(p.setup.record.lambdaLoggingActive != 0);
  f.liveCheck->setChecked(p.lambdaTable.readLive);
  for (std::size_t k = 0; k < f.probeChecks.size(); ++k) f.probeChecks[k]->setChecked(s.probes[k]);
  (s.cellText == LambdaCellText::Volts ? f.voltsOption : f.symbolsOption)->setChecked(true);
  setText(f.pathValue, s.fields.path);
  setText(f.fileValue, s.fields.file);
  setText(f.logDateValue, s.fields.logDate);
  setText(f.logTimeValue, s.fields.logTime);
  setText(f.logHwValue, s.fields.logHw);
  setText(f.logSwValue, s.fields.logSw);
  // The comment is written into the field when the program changed it, never while typing.
  if (shownComment_ != s.comment) {
    f.commentField->setText(toQ(s.comment));
    shownComment_ = s.comment;
  }
  // A live table changes a cell or two a tick.
  const QRegion changed = changedRegion(shownTable_, s.table, *f.tableCanvas);
  if (!changed.isEmpty()) f.tableCanvas->update(changed);
  shownTable_ = s.table;
}

}  // namespace qx
