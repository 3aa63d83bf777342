#pragma once
// The logger timer as the main loop runs it: the data logger adds and removes it through
// the LoggerTimer port.

#include "core/app/MainLoop.h"
#include "core/ports/LoggerTimer.h"

namespace qx {

class LoopLoggerTimer final : public LoggerTimer {
 public:
  explicit LoopLoggerTimer(MainLoop& loop) : loop_(loop) {}
  // The loop takes the period from the program settings, the same logger interval the
  // logger passes here.
  void start(int) override { loop_.startLoggerTimer(); }
  void stop() override { loop_.stopLoggerTimer(); }

 private:
  MainLoop& loop_;
};

}  // namespace qx
