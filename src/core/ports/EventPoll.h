#pragma once
// A look at the window events while a long test blocks the event loop: the test takes the
// next pending event without waiting and only asks whether it was one of the window's
// keyboard shortcuts.

namespace qx {

enum class PendingEvent {
  None,    // nothing was pending
  Other,   // some other event; it has been taken and is dropped
  Escape,  // the window's keyboard shortcuts
  Return,  // Return or the keypad's Enter
  Key43,   // the key with virtual-key code 43
};

class EventPoll {
 public:
  virtual ~EventPoll() = default;
  // Takes the next pending event of the window, if any, without waiting for one.
  virtual PendingEvent takePending() = 0;
};

}  // namespace qx
