#pragma once
// Shift+F1 in the main window puts the main and the system window back where they can be
// found: the system window in normal state, shown centred on the screen and hidden again
// unless it was shown; then the main window, shown centred on the screen.

#include <array>

#include "core/app/Windows.h"

namespace qx {

struct WindowResetStep {
  WindowId window;
  bool toNormalState;   // leave the maximised or minimised state first
  bool hideAfterwards;  // shown only to be placed: hidden again at once
};

// The steps of Shift+F1 in order; `systemShown` is the system window's `window shown` flag.
std::array<WindowResetStep, 2> shiftF1Steps(bool systemShown);

// The top-left corner that centres a window of w x h in the screen area (x, y, width,
// height); a window larger than the area starts at its top-left corner.
struct ScreenPoint {
  int x = 0, y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};
ScreenPoint centredIn(int areaX, int areaY, int areaWidth, int areaHeight, int w, int h);

}  // namespace qx
