#pragma once
// Calls back when one of the widgets it watches loses the keyboard focus: windows take over
// their fields then, as they do on Return.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

namespace qx {

class FocusLoss final : public QObject {
 public:
  explicit FocusLoss(std::function<void()> onFocusLost) : onFocusLost_(std::move(onFocusLost)) {}
  ~FocusLoss() override { unwatchAll(); }

  void watch(QWidget* widget) {
    widget->installEventFilter(this);
    watched_.push_back(widget);
  }
  // Before the widgets go: nothing may call back into a controller that is being destroyed.
  void unwatchAll() {
    for (QWidget* w : watched_) w->removeEventFilter(this);
    watched_.clear();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) onFocusLost_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onFocusLost_;
  std::vector<QWidget*> watched_;
};

}  // namespace qx
