#pragma once
// The emergency-program warning. It is never opened by the user: the tick marks it shown
// while the identified unit runs its emergency program, and this controller then puts it on
// screen, shows "Fenster schliessen" only while no unit is identified, and takes it off
// screen once the unit has left the emergency program.

#include "forms/notprogramm.h"
#include "ui/app/WindowController.h"

namespace qx {

class UiContext;

class EmergencyWindowController final : public FormController<notprogramm> {
 public:
  explicit EmergencyWindowController(UiContext& context);

 protected:
  void update() override;

 private:
  // "Fenster schliessen" or the close box: closes the window, only while it may be closed.
  void closeIfAllowed();
};

}  // namespace qx
