#pragma once
// Layout of the logger window: the file frame, the recording buttons and the lamp, the
// cursor texts, zoom and slider above the fourteen channel rows and the drawing area of the
// log viewer. The rows, the drawing area and the slider move with the viewer's layout.

#include <QSpinBox>
#include <array>
#include <functional>

#include "core/logger/LogViewer.h"
#include "forms/Canvas.h"
#include "forms/FormWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;

namespace qx {

// The zoom control: its arrows double and halve the zoom (1..1024), its text is the share of
// the log in view.
class ZoomSpin final : public QSpinBox {
 public:
  explicit ZoomSpin(QWidget* parent);
  void stepBy(int steps) override;

 protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString&) const override { return value(); }
  QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }
};

// The drawing area of the strips: hands on wheel notches and left clicks.
class LogStrips final : public Canvas {
 public:
  LogStrips(QWidget* area, int x, int y, int w, int h);
  // One call per notch of the wheel; up is away from the user.
  std::function<void(bool up, Qt::KeyboardModifiers modifiers)> onWheelNotch;
  std::function<void(double x)> onLeftClick;

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int pendingDelta_ = 0;
};

class logger : public FormWindow {
 public:
  logger();

  // Places the channel rows, the drawing area and the slider and sets the window's bounds:
  // at least 920 x 300, at most 4000 wide and as high as the content.
  void layOut(const ViewerLayout& layout);
  // The width the content may take: the window's, less a vertical scroll bar when the
  // window is lower than its content.
  int usableWidth() const;

  // Called after the window's size changed.
  std::function<void()> onResized;

  // "Datei"
  QLineEdit* commentField;
  QLabel* pathValue;
  QLabel* fileNameValue;
  QLabel* dataPointValue;
  QProgressBar* progress;
  QLabel* dateValue;
  QLabel* timeValue;
  QLabel* hardwareValue;
  QLabel* softwareValue;

  QPushButton* startButton;
  QPushButton* stopButton;
  QPushButton* pathButton;
  QPushButton* saveButton;
  QPushButton* loadButton;
  Canvas* lamp;

  // Above the strips.
  QLabel* cursorValue;
  QLabel* timeMsValue;
  QLabel* timeClockValue;
  ZoomSpin* zoomSpin;
  QLabel* visibleValue;
  QSlider* slider;

  struct ChannelRow {
    QCheckBox* check;
    QLabel* label;  // "Wert:"
    QLabel* value;
  };
  std::array<ChannelRow, kLogChannels> rows{};
  LogStrips* strips;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace qx
