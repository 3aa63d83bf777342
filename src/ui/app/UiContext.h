#pragma once
// What every window controller needs: the program state, the main loop to run its event
// handlers through, and the requesters.

#include <functional>
#include <source_location>

#include "core/app/MapRedraw.h"
#include "core/app/Windows.h"

namespace qx {

struct Program;
class MainLoop;
class PortProbe;
class Requesters;
class SerialLink;

class UiContext {
 public:
  UiContext(Program& program, MainLoop& loop, Requesters& requesters, SerialLink& link,
            PortProbe& portProbe, std::function<void()> refreshAll);

  // Runs a window event's handler through the main loop (never while another handler or a
  // tick is busy), then shows the new state in every window.
  void handle(const EventInfo& event, const std::function<void()>& handler,
              std::source_location where = std::source_location::current());
  void handle(const std::function<void()>& handler,
              std::source_location where = std::source_location::current()) {
    handle(EventInfo{}, handler, where);
  }

  // Opens another window (the main window's buttons); set by the application.
  void openWindow(WindowId id) {
    if (openWindow_) openWindow_(id);
  }
  void setWindowOpener(std::function<void(WindowId)> opener) { openWindow_ = std::move(opener); }

  Program& program;
  MainLoop& loop;
  Requesters& requesters;
  SerialLink& link;
  PortProbe& portProbe;

 private:
  std::function<void()> refreshAll_;
  std::function<void(WindowId)> openWindow_;
};

}  // namespace qx
