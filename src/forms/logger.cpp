#include "forms/logger.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

#include "forms/ControlTable.h"
#include "platform/QtText.h"

namespace qx {

namespace {
using K = ControlKind;

enum Key : int {
  Comment,
  Path,
  FileName,
  DataPoint,
  Progress,
  Date,
  Time,
  Hardware,
  Software,
  Start,
  Stop,
  PathButton,
  Save,
  Load,
  Lamp,
  Cursor,
  TimeMs,
  TimeClock,
  Visible,
  Slider,
};

constexpr ControlSpec kControls[] = {
    {K::Frame, "Datei", 10, 10, 610, 115},
    {K::Label, "Kommentar:", 20, 30},
    {K::Field, "", 100, 28, 510, 20, nullptr, Comment},
    {K::Label, "Log-Pfad:", 20, 50},
    {K::Label, "", 100, 50, 510, 20, nullptr, Path},
    {K::Label, "Datei:", 20, 70},
    {K::Label, "", 100, 70, 200, 20, nullptr, FileName},
    {K::Label, "Datenpunkt:", 20, 90},
    {K::Label, "", 100, 90, 200, 20, nullptr, DataPoint},
    {K::Progress, "", 100, 110, 200, 10, nullptr, Progress},
    {K::Label, "Log_Datum:", 310, 70},
    {K::Label, "", 410, 70, 95, 20, nullptr, Date},
    {K::Label, "Log_Zeitpunkt:", 310, 90},
    {K::Label, "", 410, 90, 95, 20, nullptr, Time},
    {K::Label, "Log_HW:", 510, 70},
    {K::Label, "", 580, 70, 35, 20, nullptr, Hardware},
    {K::Label, "Log_SW:", 510, 90},
    {K::Label, "", 580, 90, 35, 20, nullptr, Software},

    // The lamp between the frame and the recording buttons.
    {K::Canvas, "", 630, 30, 41, 41, nullptr, Lamp},
    {K::Button, "START Log", 680, 20, 110, 60, "Startet einen Mitschnitt", Start},
    {K::Button, "STOPP Log", 800, 20, 110, 60, "Stoppt einen Mitschnitt", Stop},
    {K::Button, "Log-Datei Pfad", 630, 90, 100, 30, "Legt den Speicherpfd für eine Log-Datei fest",
     PathButton},
    {K::Button, "Log sichern", 740, 90, 80, 30,
     "Sichert den aktuellen Mitschnitt im Log-Datei-Pfad", Save},
    {K::Button, "Log laden", 830, 90, 80, 30, "Läd einen Mitschnitt", Load},

    {K::Label, "Datenpunkt:", 160, 130},
    {K::Label, "", 240, 130, 55, 20, nullptr, Cursor},
    {K::Label, "Log-Zeitpunkt(ms):", 300, 130},
    {K::Label, "", 420, 130, 65, 20, nullptr, TimeMs},
    {K::Label, "", 490, 130, 135, 20, nullptr, TimeClock},
    {K::Label, "Zoom:", 630, 130},
    {K::Label, "= Datenpunkte:", 750, 130},
    {K::Label, "", 850, 130, 65, 20, nullptr, Visible},
    {K::Slider, "", 155, 150, 760, 15, nullptr, Slider},
};
// The zoom control sits on the row of the cursor texts.
constexpr int kZoomX = 670, kZoomY = 128, kZoomW = 80, kZoomH = 20;
constexpr int kRowLine = 15;
constexpr int kCheckWidth = 150;
}  // namespace

ZoomSpin::ZoomSpin(QWidget* parent) : QSpinBox(parent) {
  setRange(1, LogViewer::kMaxZoom);
  // Only the arrows change the zoom; the text is not typed.
  lineEdit()->setReadOnly(true);
  setValue(1);
}

void ZoomSpin::stepBy(int steps) {
  int zoom = value();
  for (int i = 0; i < std::abs(steps); ++i)
    zoom = steps > 0 ? std::min(zoom * 2, LogViewer::kMaxZoom) : std::max(zoom / 2, 1);
  setValue(zoom);
}

QString ZoomSpin::textFromValue(int value) const {
  return toQ(zoomText(value));
}

LogStrips::LogStrips(QWidget* area, int x, int y, int w, int h) : Canvas(area, x, y, w, h) {
  setFocusPolicy(Qt::StrongFocus);
}

void LogStrips::wheelEvent(QWheelEvent* event) {
  event->accept();
  // A turned wheel gives 120 a notch; fine-grained wheels and pads add up to notches. Some
  // systems turn the wheel sideways while Shift is held.
  const QPoint delta = event->angleDelta();
  pendingDelta_ += delta.y() != 0 ? delta.y() : delta.x();
  while (std::abs(pendingDelta_) >= 120) {
    const bool up = pendingDelta_ > 0;
    pendingDelta_ += up ? -120 : 120;
    if (onWheelNotch) onWheelNotch(up, event->modifiers());
  }
}

void LogStrips::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::LeftButton && onLeftClick) onLeftClick(event->position().x());
}

logger::logger() : FormWindow(WindowId::Logger) {
  setWindowTitle(QStringLiteral("Quarnelix - Loggen"));
  const PlacedControls c = placeControls(area(), kControls);
  commentField = c.get<QLineEdit>(Comment);
  pathValue = c.get<QLabel>(Path);
  fileNameValue = c.get<QLabel>(FileName);
  dataPointValue = c.get<QLabel>(DataPoint);
  progress = c.get<QProgressBar>(Progress);
  dateValue = c.get<QLabel>(Date);
  timeValue = c.get<QLabel>(Time);
  hardwareValue = c.get<QLabel>(Hardware);
  softwareValue = c.get<QLabel>(Software);
  startButton = c.get<QPushButton>(Start);
  stopButton = c.get<QPushButton>(Stop);
  pathButton = c.get<QPushButton>(PathButton);
  saveButton = c.get<QPushButton>(Save);
  loadButton = c.get<QPushButton>(Load);
  lamp = c.get<Canvas>(Lamp);
  cursorValue = c.get<QLabel>(Cursor);
  timeMsValue = c.get<QLabel>(TimeMs);
  timeClockValue = c.get<QLabel>(TimeClock);
  visibleValue = c.get<QLabel>(Visible);
  slider = c.get<QSlider>(Slider);
  slider->setRange(1, 1);
  zoomSpin = new ZoomSpin(area());
  zoomSpin->setGeometry(kZoomX, kZoomY, kZoomW, kZoomH);

  for (int k = 0; k < kLogChannels; ++k) {
    ChannelRow& row = rows[static_cast<std::size_t>(k)];
    row.check =
        new QCheckBox(QString::fromUtf8(logChannels()[static_cast<std::size_t>(k)].name), area());
    row.label = new QLabel(QStringLiteral("Wert:"), area());
    row.value = new QLabel(area());
  }
  // Created after the rows, so that it lies above the last pixels of their check boxes.
  strips = new LogStrips(area(), 155, 170, 760, 415);
  setMinimumSize(kViewerMinWidth, kViewerMinHeight);
  layOut(LogViewer().layout());
}

void logger::layOut(const ViewerLayout& l) {
  for (int k = 0; k < kLogChannels; ++k) {
    const auto& place = l.channels[static_cast<std::size_t>(k)];
    const ChannelRow& row = rows[static_cast<std::size_t>(k)];
    row.check->setGeometry(10, place.rowY, kCheckWidth, kRowLine);
    row.label->setGeometry(place.labelX, place.valueY, place.valueX - place.labelX, kRowLine);
    row.value->setGeometry(place.valueX, place.valueY, 155 - place.valueX, kRowLine);
  }
  strips->setGeometry(l.drawingX, l.drawingY, l.drawingWidth, l.drawingHeight);
  slider->setGeometry(l.sliderX, l.sliderY, l.sliderWidth, l.sliderHeight);
  area()->setFixedSize(l.windowWidth, l.windowHeight);
  setMaximumSize(kViewerMaxWidth, l.windowHeight);
  if (height() != l.windowHeight) resize(width(), l.windowHeight);
}

int logger::usableWidth() const {
  int w = width();
  if (height() < area()->height()) w -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return w;
}

void logger::resizeEvent(QResizeEvent* event) {
  FormWindow::resizeEvent(event);
  if (onResized) onResized();
}

}  // namespace qx
