#pragma once
// The logger timer of the main window: while it runs, the event loop calls the logger tick
// once a period.

namespace qx {

class LoggerTimer {
 public:
  virtual ~LoggerTimer() = default;
  // Adds the timer with the period in ms (a running timer takes the new period).
  virtual void start(int ms) = 0;
  // Removes it; nothing happens when it does not run.
  virtual void stop() = 0;
};

}  // namespace qx
