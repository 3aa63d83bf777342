#pragma once

namespace qx {

class FormWindow;

// The controller of one window: it turns the window's events into core calls and shows the
// core's state in the window.
class WindowController {
 public:
  virtual ~WindowController() = default;
  virtual FormWindow& window() = 0;
  // A keyboard shortcut of the window, by its menu number.
  virtual void onShortcut(int menuNumber) { (void)menuNumber; }
  // Shows the current state; called after every pass of the loop.
  virtual void refresh() {}
  // Opens the window from the main window's buttons: shown (and filled, where the window
  // has fields) when it was hidden, then made the active window.
  virtual void open() {}
};

}  // namespace qx
