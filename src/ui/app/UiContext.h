#pragma once
// What every window controller needs: the program state, the main loop to run its event
// handlers through, the requesters and the link, and the one way to open another window.

#include <functional>
#include <source_location>

#include "core/app/MapRedraw.h"
#include "core/app/Windows.h"

namespace qx {

struct Program;
class MainLoop;
class PortProbe;
class Printer;
class Requesters;
class SerialLink;
class SystemInfo;
class WindowController;

class UiContext {
 public:
  UiContext(Program& program, MainLoop& loop, Requesters& requesters, SerialLink& link,
            PortProbe& portProbe, Printer& printer, SystemInfo& systemInfo);

  // Runs a window event's handler through the main loop (never while another handler or a
  // tick is busy); the loop then shows the new state in every shown window.
  void handle(const EventInfo& event, const std::function<void()>& handler,
              std::source_location where = std::source_location::current());
  void handle(const std::function<void()>& handler,
              std::source_location where = std::source_location::current()) {
    handle(EventInfo{}, handler, where);
  }

  // Windows open each other only through this (a window that does not exist yet stays shut).
  void openWindow(WindowId id);
  // The controller of a window, or nullptr while the program has none.
  WindowController* controller(WindowId id) const {
    return findController_ ? findController_(id) : nullptr;
  }
  void setControllers(std::function<WindowController*(WindowId)> find) {
    findController_ = std::move(find);
  }

  Program& program;
  MainLoop& loop;
  Requesters& requesters;
  SerialLink& link;
  PortProbe& portProbe;
  Printer& printer;
  SystemInfo& systemInfo;

 private:
  std::function<WindowController*(WindowId)> findController_;
};

}  // namespace qx
