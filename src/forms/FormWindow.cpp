#include "forms/FormWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace qx {

FormWindow::FormWindow(int innerWidth, int innerHeight, bool resizable)
    : QWidget(nullptr), innerWidth_(innerWidth), innerHeight_(innerHeight) {
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(false);
  area_ = new QWidget;
  area_->setFixedSize(innerWidth, innerHeight);
  scroll_->setWidget(area_);
  scroll_->verticalScrollBar()->setSingleStep(1);
  scroll_->horizontalScrollBar()->setSingleStep(1);
  resize(innerWidth, innerHeight);
  scroll_->setGeometry(0, 0, innerWidth, innerHeight);
  if (!resizable) {
    setFixedSize(innerWidth, innerHeight);
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
  }
}

FormWindow::FormWindow(WindowId id)
    : FormWindow(windowSpec(id).contentWidth(), windowSpec(id).contentHeight(),
                 windowSpec(id).resizable) {
  const WindowSpec& spec = windowSpec(id);
  resize(spec.innerWidth, spec.innerHeight);
}

void FormWindow::centerOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect avail = screen->availableGeometry();
  move(avail.x() + (avail.width() - width()) / 2, avail.y() + (avail.height() - height()) / 2);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  scroll_->setGeometry(0, 0, width(), height());
}

void FormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (!normalAfterMaximise || event->type() != QEvent::WindowStateChange ||
      !(windowState() & Qt::WindowMaximized))
    return;
  // Never shown maximised: back to normal state at the inner size, centred. Deferred,
  // because the platform is still applying the state change.
  QTimer::singleShot(0, this, [this] {
    setWindowState(windowState() & ~Qt::WindowMaximized);
    resize(innerWidth_, innerHeight_);
    if (centreAfterMaximise) centerOnScreen();
    show();
  });
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (onClose) {
    onClose();
    return;
  }
  hide();
  if (onHidden) onHidden();
}

}  // namespace qx
