#pragma once
// The emergency-program warning: it pops up by itself while the identified unit reports its
// emergency program, cannot be dismissed while connected, disappears when the unit leaves
// the emergency program, and stays after the connection is lost until the user closes it.

#include <string>

namespace qx {

struct AppInfo;
struct LinkFlags;
struct VitalData;

inline constexpr int kEmergencyWindowWidth = 205, kEmergencyWindowHeight = 80;

struct EmergencyWindowState {
  bool shown = false;
};

enum class EmergencyChange { None, Open, Close };

struct EmergencyWindowView {
  EmergencyChange change = EmergencyChange::None;  // what the window does now
  bool shown = false;                              // after the change
  bool closeButtonVisible = false;                 // "Fenster schliessen"
};

// Checked on every pass of the main loop. Only an identified unit opens or closes the
// window; without one, the last received sample changes nothing.
EmergencyWindowView updateEmergencyWindow(EmergencyWindowState& state, const LinkFlags& link,
                                          const VitalData& vital);

// Whether the user may close the window now: only while no unit is identified. The window's
// own close box follows this as well as the button does.
bool emergencyWindowClosable(const EmergencyWindowState& state, const LinkFlags& link);

// "Fenster schliessen" clicked (or the close box while closable): the window is closed.
void closeEmergencyWindow(EmergencyWindowState& state);

// The program title followed by " - Notprogramm".
std::string emergencyWindowTitle(const AppInfo& info);

}  // namespace qx
