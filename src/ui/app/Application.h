#pragma once
// The running program: the state, the platform adapters, every window, the main loop's
// timers, and the start-up and end sequences.

#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/app/MainLoop.h"
#include "core/app/Program.h"
#include "core/app/ProgramTick.h"
#include "core/app/Screen.h"
#include "core/app/Windows.h"
#include "core/link/SerialLink.h"
#include "platform/PreciseTimer.h"
#include "platform/QtClock.h"
#include "platform/QtPrinter.h"
#include "platform/QtSystemInfo.h"
#include "platform/QtSerialPort.h"
#include "ui/app/UiContext.h"

namespace qx {

class Clock;
class EditorCanvases;
class MainWindowController;
class Requesters;
class StartSound;
class WindowController;

struct StartOptions {
  std::string programDirectory;
  // Show the start logo (tests switch it off to save time).
  bool startLogo = true;
  // --port PATH: added to the port list and selected.
  std::vector<std::string> extraPorts;
  // --connect: tick "COM" at start.
  bool connect = false;
  // The clock the program and its link use, or nullptr for the real one (tests shorten the
  // whole-second waits of the output tests with their own).
  Clock* clock = nullptr;
  // --open-all-windows: every window opens after the main window (for measuring a tick
  // with everything on screen).
  bool openAllWindows = false;
};

class Application final : public Screen, public LoopControl {
 public:
  // requesters: the dialogs to use, or nullptr for the real ones.
  Application(StartOptions options, Requesters* requesters = nullptr);
  ~Application() override;

  // Start-up, the event loop and the end; returns the process exit code.
  int run();

  // Start-up only (everything before the event loop); false after a fatal error.
  bool start();
  // The end after the loop has ended: the orderly end, unless a fault ended the program.
  int finish();

  Program& program() { return program_; }
  MainLoop& loop() { return loop_; }
  UiContext& context() { return context_; }
  // Print jobs go to this PDF file instead of a printer (tests, scripts).
  QtPrinter& printer() { return printer_; }
  WindowController* controller(WindowId id) { return controllers_[static_cast<int>(id)].get(); }
  MainWindowController& mainWindow();
  int largestWidth() const { return largestWidth_; }
  int largestHeight() const { return largestHeight_; }

  // Timer ticks of the main window, as the platform timers deliver them.
  void comTimerFired();
  void loggerTimerFired();
  // Shows the current state in every shown window (what the loop does after every pass).
  void refreshWindows();

  SerialLink& link() { return link_; }

  // The editors' drawings: all four drawn anew (at start, after a setup came in).
  void redrawAllEditors();

  // Screen
  void repaintEditors(const RedrawSet& drawn) override;
  void refreshShownWindows() override;
  void takeWindowGeometry() override;

  // LoopControl
  void armComTimer(int ms) override;
  void startLoggerTimer(int ms) override;
  void stopLoggerTimer() override;
  void endLoop() override;

 private:
  void applyLook();
  void createWindows();
  void registerShortcuts(WindowId id, WindowController& controller);
  void setTitles();
  void checkScreenSize();
  void initialFills();
  // Window geometry from the program settings into the windows that exist.
  void applyWindowGeometry();
  void showStartLogo();
  void showMainWindow();

  StartOptions options_;
  QtClock qtClock_;
  Clock& clock_;
  Program program_;
  std::unique_ptr<Requesters> ownRequesters_;
  Requesters& requesters_;
  QtSerialPort port_;
  SerialLink link_;
  QtPortProbe portProbe_;
  QtPrinter printer_;
  QtSystemInfo systemInfo_;
  ProgramTick tick_;
  MainLoop loop_;
  UiContext context_;
  // Declared before the windows, so that it outlives the drawing areas that paint from it.
  std::unique_ptr<EditorCanvases> editorCanvases_;
  std::array<std::unique_ptr<WindowController>, kWindowCount> controllers_;
  // Single-shot, re-armed after each tick: ticks at least one period apart, exactly.
  PreciseTimer comTimer_;
  QTimer loggerTimer_;
  int largestWidth_ = 0;
  int largestHeight_ = 0;
  bool loopEnded_ = false;
  bool inEventLoop_ = false;
};

}  // namespace qx
