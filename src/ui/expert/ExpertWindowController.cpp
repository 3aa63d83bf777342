#include "ui/expert/ExpertWindowController.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegion>

#include "core/app/Program.h"
#include "core/expert/ExpertWindow.h"
#include "forms/Canvas.h"
#include "platform/QtText.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/FocusLoss.h"
#include "ui/app/UiContext.h"

namespace qx {

namespace {
void setText(QLabel* label, const std::string& text) {
  const QString shown = toQ(text);
  if (label->text() != shown) label->setText(shown);
}
}  // namespace

ExpertWindowController::ExpertWindowController(UiContext& context)
    : FormController(context, WindowId::Expert) {
  connectControls();
  connectLayers();
  Canvas* disc = form().discCanvas;
  disc->paintFunction = [this, disc](QPainter& painter) {
    PaintOptions options;
    options.antialiased = true;
    options.fontScale = 72.0 / disc->logicalDpiY();
    discCache_.paint(painter, context_.program.expertWindow.disc, *disc, options);
  };
}

ExpertWindowController::~ExpertWindowController() {
  focusLoss_->unwatchAll();
}

void ExpertWindowController::connectControls() {
  expertdialog& f = form();
  focusLoss_ =
      std::make_unique<FocusLoss>([this] { context_.handle([this] { takeOverDeviceType(); }); });
  focusLoss_->watch(f.deviceTypeField);

  for (const auto& [button, delta] :
       {std::pair{f.calibrationUpButton, 1}, std::pair{f.calibrationDownButton, -1}}) {
    QObject::connect(button, &QPushButton::clicked, [this, delta] {
      context_.handle(
          [this, delta] { stepCalibration(context_.program.expert, delta, context_.link); });
    });
  }
  QObject::connect(f.chooseFileButton, &QPushButton::clicked, [this] {
    context_.handle([this] {
      Program& p = context_.program;
      chooseSetupFile(p.expertWindow.deviceType, context_.requesters, p.messages);
      showDeviceTypeEditor();
    });
  });
  QObject::connect(f.writeDeviceTypeButton, &QPushButton::clicked, [this] {
    context_.handle([this] {
      Program& p = context_.program;
      // The text as typed counts, also when the field still has the focus.
      takeOverDeviceType();
      writeDeviceType(p.expertWindow.deviceType, context_.requesters, p.messages);
    });
  });
  QObject::connect(f.resetTimestampButton, &QPushButton::clicked, [this] {
    context_.handle([this] { resetTimestampDifference(context_.program.expert); });
  });
}

void ExpertWindowController::connectLayers() {
  for (int k = 0; k < kDiscLayerCount; ++k) {
    QCheckBox* box = form().layerChecks[static_cast<std::size_t>(k)];
    QObject::connect(box, &QCheckBox::clicked, [this, k](bool checked) {
      context_.handle([this, k, checked] {
        discLayer(context_.program.expertWindow.layers, k) = checked;
        redrawDisc();
      });
    });
  }
}

void ExpertWindowController::onShortcut(int menuNumber) {
  if (menuNumber == 1 || menuNumber == 2) takeOverDeviceType();
}

void ExpertWindowController::takeOverDeviceType() {
  qx::takeOverDeviceType(context_.program.expertWindow.deviceType,
                         fromQ(form().deviceTypeField->text()));
  showDeviceTypeEditor();
}

void ExpertWindowController::showDeviceTypeEditor() {
  const DeviceTypeEditor& editor = context_.program.expertWindow.deviceType;
  setText(form().fileValue, editor.path);
  const QString shown = toQ(editor.deviceType);
  if (form().deviceTypeField->text() != shown) form().deviceTypeField->setText(shown);
}

// The disc as the boxes have it now, without waiting for the next tick.
void ExpertWindowController::redrawDisc() {
  Program& p = context_.program;
  p.expertWindow.disc = drawSwitchingAngles(p.setup.record, p.vital, p.expert.control,
                                            p.expertWindow.layers, p.editors.drawingBackground);
  ++p.expertWindow.discRevision;
}

void ExpertWindowController::fill() {
  Program& p = context_.program;
  for (int k = 0; k < kDiscLayerCount; ++k)
    form().layerChecks[static_cast<std::size_t>(k)]->setChecked(
        discLayer(p.expertWindow.layers, k));
  showDeviceTypeEditor();
  redrawDisc();
}

void ExpertWindowController::showValues() {
  const Program& p = context_.program;
  const ExpertData& e = p.expert;
  const ExpertTexts t = expertTexts(e, p.vital);
  expertdialog& f = form();
  for (std::size_t k = 0; k < 3; ++k) {
    const CylinderTexts& row = t.cylinders[k];
    const std::string* columns[] = {&row.startAngle,  &row.injectionUs,   &row.injectionShare,
                                    &row.chargeStart, &row.ignitionAngle, &row.chargeUs,
                                    &row.chargeShare};
    for (std::size_t c = 0; c < 7; ++c) setText(f.cylinderValues[k][c], *columns[c]);
  }
  setText(f.angleLimitValue, t.angleLimit);
  setText(f.dynamicAngle1Value, t.dynamicAngle1);
  setText(f.dynamicAngle2Value, t.dynamicAngle2);
  setText(f.accelTimerDiffValue, t.accelTimerDiff);
  setText(f.accelTimerSignedValue, t.accelTimerSigned);
  setText(f.accelDegreesValue, t.accelDegrees);
  setText(f.revsForSetValue, t.revsForSet);
  setText(f.controlValue, t.controlValue);
  setText(f.calibrationValue, t.calibration);
  setText(f.toothGapValue, t.toothGap);
  setText(f.toothWidthValue, t.toothWidth);
  setText(f.speedMeanValue, e.speedMeanText);
  setText(f.timestampValue, e.timestampText);
  setText(f.timeOfDayValue, e.timeOfDayText);
  setText(f.clockDriftValue, e.clockDriftText);
  setText(f.deviationValue, e.deviationMeanText);
  setText(f.comFrequencyValue, e.comFrequencyText);
  setText(f.comFrequencyMeanValue, e.comFrequencyMeanText);
}

void ExpertWindowController::update() {
  showValues();
  const int revision = context_.program.expertWindow.discRevision;
  if (paintedDisc_ != revision) {
    paintedDisc_ = revision;
    Canvas& area = *form().discCanvas;
    const Drawing& disc = context_.program.expertWindow.disc;
    const QRegion changed = changedRegion(shownDisc_, disc, area, 72.0 / area.logicalDpiY());
    // One box round the changes: the disc's changes are arcs all round it, and smoothed
    // arcs clipped to many small pieces cost more than the pixels the pieces leave out.
    if (!changed.isEmpty()) area.update(changed.boundingRect());
    shownDisc_ = disc;
  }
}

}  // namespace qx
