#include "ui/logger/LoggerWindowController.h"

#include <QCheckBox>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <limits>

#include "core/app/Program.h"
#include "core/logger/LogReader.h"
#include "core/util/Numbers.h"
#include "platform/QtText.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/FocusLoss.h"
#include "ui/app/Painting.h"
#include "ui/app/UiContext.h"

namespace qx {

namespace {
int progressNumber(std::int64_t n) {
  return static_cast<int>(clampTo<std::int64_t>(n, 0, std::numeric_limits<int>::max()));
}
}  // namespace

LoggerWindowController::LoggerWindowController(UiContext& context)
    : FormController(context, WindowId::Logger), timer_(context.loop), folders_(&systemFolders_) {
  // Maximising gives the normal state in place; the width goes back to 920.
  form().centreAfterMaximise = false;
  wireButtons();
  wireViewer();
  layOutChannels();
}

LoggerWindowController::~LoggerWindowController() {
  // The widgets go with the form, after this controller: nothing may call back into it then.
  if (focusWatcher_) focusWatcher_->unwatchAll();
  form().onResized = nullptr;
  form().strips->onWheelNotch = nullptr;
  form().strips->onLeftClick = nullptr;
  form().strips->paintFunction = nullptr;
  form().lamp->paintFunction = nullptr;
}

LoggerPorts LoggerWindowController::ports() {
  Program& p = context_.program;
  return {p.clock, p.messages, context_.requesters, timer_, *this};
}

void LoggerWindowController::wireButtons() {
  Program& p = context_.program;
  logger& f = form();
  auto onClick = [this](QPushButton* button, std::function<void()> action) {
    QObject::connect(button, &QPushButton::clicked,
                     [this, action = std::move(action)] { context_.handle(action); });
  };
  // The header takes the comment as the field shows it, also when the field still has the
  // focus (the buttons do not take it).
  onClick(f.startButton, [this, &p] {
    takeComment();
    LoggerPorts ports = this->ports();
    startLogging(p.logger, p.logTable, p.device, p.settings, ports);
    layOutChannels();
  });
  onClick(f.stopButton, [this, &p] {
    LoggerPorts ports = this->ports();
    stopLogging(p.logger, ports);
    layOutChannels();
  });
  onClick(f.saveButton, [this, &p] {
    takeComment();
    LoggerPorts ports = this->ports();
    saveLog(p.logger, p.logTable, p.device, p.settings, ports);
  });
  onClick(f.loadButton, [this, &p] {
    LoggerPorts ports = this->ports();
    loadLog(p.logger, p.logTable, p.settings, ports);
  });
  onClick(f.pathButton, [this, &p] { chooseLogFolder(p.logger, *folders_, *this); });

  focusWatcher_ =
      std::make_unique<FocusLoss>([this] { context_.handle([this] { takeComment(); }); });
  focusWatcher_->watch(f.commentField);
  f.lamp->paintFunction = [this, &p](QPainter& painter) {
    const QSize size = form().lamp->size();
    paintLamp(painter, loggerLamp(size.width(), size.height(), p.logger.lamp));
  };
}

void LoggerWindowController::wireViewer() {
  Program& p = context_.program;
  logger& f = form();
  for (int k = 0; k < kLogChannels; ++k) {
    QObject::connect(f.rows[static_cast<std::size_t>(k)].check, &QCheckBox::clicked,
                     [this, &p, k](bool on) {
                       context_.handle([this, &p, k, on] {
                         p.logViewer.setChecked(k, on);
                         layOutChannels();
                       });
                     });
  }
  QObject::connect(f.zoomSpin, &QSpinBox::valueChanged,
                   [this](int zoom) { context_.handle([this, zoom] { zoomTo(zoom); }); });
  QObject::connect(f.slider, &QSlider::valueChanged, [this, &p](int value) {
    context_.handle([&p, value] { p.logViewer.slide(p.logTable, value); });
  });
  f.strips->onWheelNotch = [this, &p](bool up, Qt::KeyboardModifiers mods) {
    context_.handle(EventInfo{EventKind::Wheel, EventSource::None}, [&p, up, mods] {
      p.logViewer.wheel(p.logTable, up, mods.testFlag(Qt::ShiftModifier),
                        mods.testFlag(Qt::ControlModifier));
    });
  };
  f.strips->onLeftClick = [this, &p](double x) {
    context_.handle([&p, x] { p.logViewer.click(p.logTable, x); });
  };
  f.strips->paintFunction = [this](QPainter& painter) { paintStrips(painter); };
  // A new width lays the strips out anew; when the loop is busy, the next refresh does.
  f.onResized = [this, &p] {
    if (clampTo(form().usableWidth(), kViewerMinWidth, kViewerMaxWidth) !=
        p.logViewer.layout().windowWidth)
      context_.handle([this] { layOutChannels(); });
  };
}

void LoggerWindowController::onShortcut(int menuNumber) {
  if (menuNumber == 1 || menuNumber == 2) takeComment();
}

void LoggerWindowController::takeComment() {
  const std::string& comment =
      setLogComment(context_.program.logger, fromQ(form().commentField->text()));
  form().commentField->setText(toQ(comment));
  shownComment_ = comment;
}

void LoggerWindowController::zoomTo(int zoom) {
  LogViewer& v = context_.program.logViewer;
  while (v.zoom() < zoom && v.zoom() < LogViewer::kMaxZoom) v.zoomIn();
  while (v.zoom() > zoom && v.zoom() > 1) v.zoomOut();
}

void LoggerWindowController::showTexts() {
  const LoggerState& state = context_.program.logger;
  const LoggerTexts& t = state.shown;
  logger& f = form();
  f.pathValue->setText(toQ(t.path));
  f.fileNameValue->setText(toQ(t.fileName));
  f.dataPointValue->setText(toQ(t.dataPoint));
  f.dateValue->setText(toQ(t.date));
  f.timeValue->setText(toQ(t.time));
  f.hardwareValue->setText(toQ(t.hardware));
  f.softwareValue->setText(toQ(t.software));
  const int maximum = std::max(1, progressNumber(t.progressMaximum));
  f.progress->setRange(0, maximum);
  f.progress->setValue(std::min(progressNumber(t.progress), maximum));
  // The field shows a comment that came from elsewhere (a loaded log); what the user is
  // typing stays until it is taken over.
  if (state.comment != shownComment_) {
    f.commentField->setText(toQ(state.comment));
    shownComment_ = state.comment;
  }
}

void LoggerWindowController::readingProgress() {
  const LoggerTexts& t = context_.program.logger.shown;
  logger& f = form();
  f.dataPointValue->setText(toQ(t.dataPoint));
  const int maximum = std::max(1, progressNumber(t.progressMaximum));
  f.progress->setRange(0, maximum);
  f.progress->setValue(std::min(progressNumber(t.progress), maximum));
  // The read runs inside one handler: these two are painted now, nothing else runs.
  f.dataPointValue->repaint();
  f.progress->repaint();
}

void LoggerWindowController::layOutChannels() {
  LogViewer& v = context_.program.logViewer;
  v.setWindowWidth(form().usableWidth());
  form().layOut(v.layout());
  redrawViewer();
}

void LoggerWindowController::redrawViewer() {
  drawnFrom_ = DrawnFrom{};
  if (!shown()) return;  // opening the window draws
  redrawIfChanged();
  showViewerTexts();
}

LoggerWindowController::DrawnFrom LoggerWindowController::currentState() const {
  const Program& p = context_.program;
  return {p.logTable.generation(),
          p.logTable.count(),
          p.logTable.cursor,
          p.logViewer.zoom(),
          p.logViewer.layout().drawingWidth,
          p.logViewer.checked()};
}

void LoggerWindowController::redrawIfChanged() {
  const DrawnFrom now = currentState();
  if (now == drawnFrom_ && strips_) return;
  LogViewer& v = context_.program.logViewer;
  strips_ = &v.strips(context_.program.logTable);
  stripsSerial_ = v.stripsSerial();
  cursor_ = v.cursorLine(context_.program.logTable);
  drawnFrom_ = now;
  form().strips->update();
}

void LoggerWindowController::paintStrips(QPainter& painter) {
  if (!strips_) {
    painter.fillRect(painter.window(), Qt::white);
    return;
  }
  // The strips are painted once into a picture; moving the cursor over the same records
  // only paints the picture and the cursor line.
  QWidget* area = form().strips;
  const qreal ratio = area->devicePixelRatioF();
  const QSize size = area->size() * ratio;
  if (stripsPicture_.size() != size || pictureSerial_ != stripsSerial_) {
    stripsPicture_ = QImage(size, QImage::Format_RGB32);
    stripsPicture_.setDevicePixelRatio(ratio);
    QPainter picture(&stripsPicture_);
    paintDrawing(picture, *strips_);
    pictureSerial_ = stripsSerial_;
  }
  painter.drawImage(0, 0, stripsPicture_);
  PaintOptions over;
  over.fillBackground = false;
  paintDrawing(painter, cursor_, over);
}

void LoggerWindowController::showViewerTexts() {
  Program& p = context_.program;
  logger& f = form();
  const ViewerTexts t = p.logViewer.texts(p.logTable, p.setup.record.injectorSwitchTime[0]);
  for (std::size_t k = 0; k < f.rows.size(); ++k) {
    f.rows[k].value->setText(toQ(t.values[k]));
    f.rows[k].check->setChecked(p.logViewer.checked()[k]);
  }
  f.cursorValue->setText(toQ(t.dataPoint));
  f.timeMsValue->setText(toQ(t.timeMs));
  f.timeClockValue->setText(toQ(t.timeClock));
  f.visibleValue->setText(toQ(t.visibleRecords));
  // A spin box paints itself anew on every setValue, even to the value it has.
  if (f.zoomSpin->value() != p.logViewer.zoom()) {
    const QSignalBlocker block(f.zoomSpin);
    f.zoomSpin->setValue(p.logViewer.zoom());
  }
  const SliderRange s = p.logViewer.slider(p.logTable);
  const QSignalBlocker block(f.slider);
  f.slider->setRange(s.minimum, s.maximum);
  f.slider->setValue(s.value);
}

void LoggerWindowController::fill() {
  drawnFrom_ = DrawnFrom{};
  update();
}

void LoggerWindowController::update() {
  Program& p = context_.program;
  if (clampTo(form().usableWidth(), kViewerMinWidth, kViewerMaxWidth) !=
      p.logViewer.layout().windowWidth) {
    p.logViewer.setWindowWidth(form().usableWidth());
    form().layOut(p.logViewer.layout());
  }
  showTexts();
  redrawIfChanged();
  showViewerTexts();
  if (p.logger.lamp != shownLamp_) {
    shownLamp_ = p.logger.lamp;
    form().lamp->update();
  }
}

}  // namespace qx
