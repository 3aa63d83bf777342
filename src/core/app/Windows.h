#pragma once
// The program's windows: creation order, inner sizes, title suffixes and keyboard shortcuts.
// Adding a window means adding one row here and one factory entry in the UI's catalogue.

#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/app/AppInfo.h"
#include "core/app/ProgramSettings.h"

namespace qx {

enum class WindowId : int {
  Main,
  Settings,
  Test,
  Help,
  Expert,
  System,
  Learning,
  BigDisplay,
  Power,
  Logger,
  LambdaLogger,
  Count
};

inline constexpr int kWindowCount = static_cast<int>(WindowId::Count);

// One row per window: the single source of its size, resizability and settings slot.
struct WindowSpec {
  WindowId id;
  const char* form;    // name of the window layout
  const char* suffix;  // appended to the program title
  int innerWidth;      // the window's size when it is created
  int innerHeight;
  bool moveTo100;  // moved to screen position (100, 100) after creation
  bool resizable;
  // The slot of the window's position and size in the settings file; Count for none.
  StoredWindow stored;
  // The scroll area's inner size where it differs from the window's (0: the same).
  int areaWidth = 0;
  int areaHeight = 0;

  int contentWidth() const { return areaWidth > 0 ? areaWidth : innerWidth; }
  int contentHeight() const { return areaHeight > 0 ? areaHeight : innerHeight; }
};

// All windows in their creation order.
const std::array<WindowSpec, kWindowCount>& windowSpecs();
const WindowSpec& windowSpec(WindowId id);

// The window whose geometry a settings slot keeps.
WindowId storedWindowId(StoredWindow slot);

// Program name + version + title extra + the window's suffix.
std::string windowTitle(const AppInfo& info, WindowId id);

// Keys the windows' shortcuts use, independent of any toolkit.
enum class Key { Escape, Return, Execute, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, E };
enum Modifier : unsigned { NoModifier = 0, Shift = 1, Control = 2, Alt = 4 };

struct Shortcut {
  Key key;
  unsigned modifiers;
  int menuNumber;  // the number the window's handler receives
};

// The shortcuts registered for a window right after it is created.
std::span<const Shortcut> windowShortcuts(WindowId id);

// Main window menu numbers.
namespace MainMenu {
inline constexpr int Escape = 1, F5 = 2, F6 = 3, F8 = 4, F7 = 41, F1 = 20, Return = 21,
                     Execute = 22, Expert = 50, F9 = 49, F10 = 60, ShiftF1 = 100, F3 = 43, F4 = 44,
                     // "Vergleich mit ORK"
                     Compare = 45;
}

// The warning shown when the desktop is smaller than the largest window, or nothing.
std::optional<std::string> screenSizeWarning(const AppInfo& info, int desktopWidth,
                                             int desktopHeight, int largestWidth,
                                             int largestHeight);

}  // namespace qx
