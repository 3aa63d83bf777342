#include "platform/QtEventPoll.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace qx {

namespace {

bool isInput(QEvent::Type t) {
  switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

PendingEvent shortcutKey(const QKeyEvent& key) {
  if (key.modifiers() & ~Qt::KeypadModifier) return PendingEvent::Other;
  switch (key.key()) {
    case Qt::Key_Escape:
      return PendingEvent::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return PendingEvent::Return;
    case Qt::Key_Execute:
      return PendingEvent::Key43;
    default:
      return PendingEvent::Other;
  }
}

// Installed on the application for one poll: keeps the first shortcut key of the window
// and swallows every input event, of this window and of all others.
class InputCatcher final : public QObject {
 public:
  explicit InputCatcher(QWidget* window) : window_(window) {}
  PendingEvent result = PendingEvent::None;

  bool eventFilter(QObject* target, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (!isInput(type)) return false;
    PendingEvent seen = PendingEvent::Other;
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && onWindow(target))
      seen = shortcutKey(static_cast<const QKeyEvent&>(*event));
    // An accepted override keeps the key from any shortcut; the key press itself follows
    // and is swallowed here too.
    if (type == QEvent::ShortcutOverride) event->accept();
    if (result == PendingEvent::None || result == PendingEvent::Other) result = seen;
    return true;
  }

 private:
  bool onWindow(QObject* target) const {
    if (target->isWidgetType()) return static_cast<QWidget*>(target)->window() == window_;
    if (auto* w = qobject_cast<QWindow*>(target)) return w == window_->windowHandle();
    return false;
  }
  QWidget* window_;
};

}  // namespace

PendingEvent QtEventPoll::takePending() {
  InputCatcher catcher(window_);
  QCoreApplication::instance()->installEventFilter(&catcher);
  // Paints and the window system's bookkeeping go on; the input is caught above. Timer
  // events and the port's notifications wait until the test has ended.
  QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers |
                                  QEventLoop::X11ExcludeTimers);
  QCoreApplication::instance()->removeEventFilter(&catcher);
  return catcher.result;
}

}  // namespace qx
