#pragma once
// The main loop's rules: what a timer tick does and in which order, when the COM timer is
// armed, that no handler or tick re-enters another, and how the program ends.
//
// The platform owns the real event loop and timers; it reports timer ticks and window
// events here and carries out what the loop asks of it through LoopControl.

#include <functional>
#include <source_location>

#include "core/app/Fault.h"
#include "core/app/MapRedraw.h"

namespace qx {

struct Program;
class Requesters;

enum class TimerId : int { Com = 1, Logger = 10 };

// The work of the program's subsystems that a pass of the loop calls, in the order the loop
// calls them. Windows and subsystems that do not exist yet keep the empty defaults.
class TickSteps {
 public:
  virtual ~TickSteps() = default;
  virtual void connectionStep() {}
  virtual void drawConnectionLamp() {}
  virtual void clearSensorLamp() {}
  virtual void drawLoggerLamp() {}
  virtual void writeLogRecord() {}
  virtual bool powerRunCountdownActive() { return false; }
  virtual void powerRunProgress() {}
  virtual void liveDataCycle() {}
  virtual void firmwareStep() {}
  virtual void updateBigDisplay() {}
  virtual void updateExpertDiagram() {}
  virtual void updateLambdaTable() {}
  virtual void updateEmergencyWindow() {}
  // The editors' check boxes and their redraw (after every event).
  virtual EditorBoxes editorBoxes() { return {}; }
  virtual void redrawEditors(const RedrawSet&) {}
  // After every pass, once the editors are redrawn: the windows show the new state.
  virtual void showState() {}
  // End of the program.
  virtual void saveSettings() {}
  virtual void closePort() {}
};

// What the loop asks of the platform's event loop.
class LoopControl {
 public:
  virtual ~LoopControl() = default;
  // Arms the COM timer to fire once after ms milliseconds.
  virtual void armComTimer(int ms) = 0;
  virtual void startLoggerTimer(int ms) = 0;
  virtual void stopLoggerTimer() = 0;
  // Leaves the event loop (the caller then ends the program).
  virtual void endLoop() = 0;
};

// Runs the steps of one timer tick in their order.
void runTimerTick(Program& program, TimerId timer, TickSteps& steps);

class MainLoop {
 public:
  MainLoop(Program& program, TickSteps& steps, LoopControl& control, Requesters& requesters);

  // Arms the COM timer for the first time.
  void begin();

  // A timer of the main window fired.
  void timerFired(TimerId timer);

  // Runs a window event's handler under the loop's rules: not while another handler or tick
  // is busy (returns false then), faults caught, editors redrawn afterwards, the loop ended
  // once the end is confirmed.
  bool dispatch(const EventInfo& event, const std::function<void()>& handler,
                std::source_location where = std::source_location::current());

  // The logger timer (timer 10), added and removed by the data logger.
  void startLoggerTimer();
  void stopLoggerTimer();
  bool loggerTimerRunning() const { return loggerRunning_; }

  // True while a tick or handler runs (or after a fatal error): nothing else may start.
  bool busy() const { return depth_ > 0 || stopped_; }

  // The fatal-error handler, for faults caught outside dispatch (for example by the
  // platform's last-resort handler): message box, status messages, loop ended.
  void fatal(const FaultReport& fault);
  bool endedByFault() const { return fault_; }

  // The orderly end after the loop has ended: settings written, goodbye, port closed.
  void orderlyEnd();

  // COM timer period in ms as currently set (never below 1 ms).
  int comPeriodMs() const;

 private:
  class Busy;
  void afterPass(const EventInfo& event);

  Program& program_;
  TickSteps& steps_;
  LoopControl& control_;
  Requesters& requesters_;
  int depth_ = 0;
  bool stopped_ = false;
  bool fault_ = false;
  bool loggerRunning_ = false;
};

}  // namespace qx
