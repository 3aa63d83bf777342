#include "core/app/MainLoop.h"

#include <algorithm>

#include "core/app/Program.h"
#include "core/ports/Requesters.h"

namespace qx {

class MainLoop::Busy {
 public:
  explicit Busy(int& depth) : depth_(depth) { ++depth_; }
  ~Busy() { --depth_; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  int& depth_;
};

void runTimerTick(Program& program, TimerId timer, TickSteps& steps) {
  steps.connectionStep();
  steps.drawConnectionLamp();
  if (!program.link.unitIdentified) steps.clearSensorLamp();
  steps.drawLoggerLamp();
  if (timer == TimerId::Logger) steps.writeLogRecord();
  if (timer == TimerId::Com) {
    if (steps.powerRunCountdownActive()) steps.powerRunProgress();
    if (program.link.firmwareTransferActive)
      steps.firmwareStep();
    else
      steps.liveDataCycle();
  }
  // Display updates run on every timer event, whatever its number.
  steps.updateBigDisplay();
  steps.updateExpertDiagram();
  steps.updateLambdaTable();
  steps.updateEmergencyWindow();
}

MainLoop::MainLoop(Program& program, TickSteps& steps, LoopControl& control, Requesters& requesters)
    : program_(program), steps_(steps), control_(control), requesters_(requesters) {}

int MainLoop::comPeriodMs() const {
  return std::max(1, static_cast<int>(program_.settings.comTimerMs));
}

void MainLoop::begin() {
  control_.armComTimer(comPeriodMs());
}

void MainLoop::timerFired(TimerId timer) {
  if (busy()) {
    // A requester or another handler is open: the tick waits for the next period.
    if (timer == TimerId::Com && !stopped_) control_.armComTimer(comPeriodMs());
    return;
  }
  const auto where = std::source_location::current();
  {
    Busy guard(depth_);
    try {
      runTimerTick(program_, timer, steps_);
      // Re-armed only now, after the tick's work: ticks are at least one period apart, and
      // other events in between do not delay the next tick. Showing the tick's results on
      // the windows (below) is display work like painting and runs within the period; a
      // confirmed end arms nothing.
      if (timer == TimerId::Com && program_.quitRequested != QuitRequest::Confirmed)
        control_.armComTimer(comPeriodMs());
      afterPass(EventInfo{EventKind::Timer, EventSource::None});
    } catch (...) {
      fatal(describeCurrentException(where));
    }
  }
}

bool MainLoop::dispatch(const EventInfo& event, const std::function<void()>& handler,
                        std::source_location where) {
  if (busy()) return false;
  Busy guard(depth_);
  try {
    handler();
    afterPass(event);
  } catch (...) {
    fatal(describeCurrentException(where));
  }
  return true;
}

void MainLoop::afterPass(const EventInfo& event) {
  if (stopped_) return;
  RedrawSet redraw = mapRedrawRule(event, steps_.editorBoxes(), program_.link.unitIdentified);
  if (redraw.any()) steps_.redrawEditors(redraw);
  steps_.showState();
  if (program_.quitRequested == QuitRequest::Confirmed) {
    stopped_ = true;
    control_.endLoop();
  }
}

void MainLoop::startLoggerTimer() {
  control_.startLoggerTimer(std::max(1, static_cast<int>(program_.settings.loggerTimerMs)));
  loggerRunning_ = true;
}

void MainLoop::stopLoggerTimer() {
  control_.stopLoggerTimer();
  loggerRunning_ = false;
}

void MainLoop::fatal(const FaultReport& fault) {
  if (fault_) return;  // a fault while reporting a fault: the first one counts
  fault_ = true;
  stopped_ = true;
  try {
    requesters_.message(kFatalTitle, fatalErrorText(program_.info.programName, fault));
    program_.reportStatus(fatalStatusText(fault));
    program_.reportStatus(kGoodbye);
    steps_.closePort();
  } catch (...) {
    // Nothing more can be done; the program ends below in any case.
  }
  control_.endLoop();
}

void MainLoop::orderlyEnd() {
  stopped_ = true;
  steps_.saveSettings();
  program_.reportStatus(kGoodbye);
  steps_.closePort();
}

}  // namespace qx
