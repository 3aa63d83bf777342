#include "core/mainwin/EmergencyWindow.h"

#include "core/app/AppInfo.h"
#include "core/link/LinkFlags.h"
#include "core/link/VitalData.h"

namespace qx {

EmergencyWindowView updateEmergencyWindow(EmergencyWindowState& state, const LinkFlags& link,
                                          const VitalData& vital) {
  EmergencyWindowView view;
  if (link.unitIdentified) {
    if (vital.emergencyProgram >= 1 && !state.shown) {
      state.shown = true;
      view.change = EmergencyChange::Open;
    } else if (vital.emergencyProgram < 1 && state.shown) {
      state.shown = false;
      view.change = EmergencyChange::Close;
    }
  }
  view.shown = state.shown;
  view.closeButtonVisible = emergencyWindowClosable(state, link);
  return view;
}

bool emergencyWindowClosable(const EmergencyWindowState& state, const LinkFlags& link) {
  return state.shown && !link.unitIdentified;
}

void closeEmergencyWindow(EmergencyWindowState& state) {
  state.shown = false;
}

std::string emergencyWindowTitle(const AppInfo& info) {
  return info.programTitle() + " - Notprogramm";
}

}  // namespace qx
