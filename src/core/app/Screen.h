#pragma once
// What the core asks of the windows: repainting the editors whose drawings changed, showing
// the current state in the windows that are shown, and handing over their geometry before
// the settings are written. The windows implement it; they never sit in a tick's middle.

namespace qx {

struct RedrawSet;

class Screen {
 public:
  virtual ~Screen() = default;
  // The editors in `drawn` have new drawings: their areas are painted anew.
  virtual void repaintEditors(const RedrawSet& drawn) = 0;
  // After every pass of the loop (tick or window event).
  virtual void refreshShownWindows() = 0;
  // Window positions and sizes into the program settings, before they are written.
  virtual void takeWindowGeometry() = 0;
};

}  // namespace qx
