#pragma once
// The controller of one window: it turns the window's events into core calls and shows the
// core's state in the window. The base does what every window does alike: open (shown and
// filled when it was hidden, then made active), close (hidden, its shown flag cleared) and
// refresh only while shown.

#include <memory>

#include "core/app/Windows.h"

namespace qx {

class FormWindow;
class UiContext;

class WindowController {
 public:
  WindowController(UiContext& context, WindowId id, std::unique_ptr<FormWindow> window);
  virtual ~WindowController();
  WindowController(const WindowController&) = delete;
  WindowController& operator=(const WindowController&) = delete;

  FormWindow& window() { return *window_; }
  WindowId id() const { return id_; }
  bool shown() const;

  void open();
  void close();
  // Shows the current state; after every pass of the loop, only while the window is shown.
  void refresh();

  // A keyboard shortcut of the window, by its menu number.
  virtual void onShortcut(int menuNumber) { (void)menuNumber; }

 protected:
  // The window's fields from the program state, when it is opened.
  virtual void fill() {}
  // The current state, while the window is shown.
  virtual void update() {}

  UiContext& context_;

 private:
  WindowId id_;
  std::unique_ptr<FormWindow> window_;
};

// A controller of a window with its own form class.
template <class Form>
class FormController : public WindowController {
 public:
  FormController(UiContext& context, WindowId id)
      : WindowController(context, id, std::make_unique<Form>()) {}
  Form& form() { return static_cast<Form&>(window()); }
};

}  // namespace qx
