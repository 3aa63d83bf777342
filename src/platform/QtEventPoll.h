#pragma once
// The window events that arrived while a long test blocks its handler: the window system's
// pending events are taken without waiting, and only the test window's shortcut keys (Esc,
// Return or the keypad's Enter, the Execute key) are reported. Every other input event is
// dropped, so no handler of any window runs; timers and the serial port are not served.

#include "core/ports/EventPoll.h"

class QWidget;

namespace qx {

class QtEventPoll final : public EventPoll {
 public:
  explicit QtEventPoll(QWidget* window) : window_(window) {}
  PendingEvent takePending() override;

 private:
  QWidget* window_;
};

}  // namespace qx
