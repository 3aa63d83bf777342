#include "ui/mainwin/EmergencyWindowController.h"

#include <QPushButton>

#include "core/app/Program.h"
#include "core/mainwin/EmergencyWindow.h"
#include "ui/app/UiContext.h"

namespace qx {

EmergencyWindowController::EmergencyWindowController(UiContext& context)
    : FormController(context, WindowId::Emergency) {
  form().onClose = [this] { context_.handle([this] { closeIfAllowed(); }); };
  QObject::connect(form().closeButton, &QPushButton::clicked,
                   [this] { context_.handle([this] { closeIfAllowed(); }); });
}

void EmergencyWindowController::closeIfAllowed() {
  Program& p = context_.program;
  if (!emergencyWindowClosable(p.emergency, p.link)) return;
  closeEmergencyWindow(p.emergency);
  close();
}

void EmergencyWindowController::update() {
  const Program& p = context_.program;
  if (!p.emergency.shown) {
    close();
    return;
  }
  if (!form().isVisible()) {
    form().centerOnScreen();
    form().show();
  }
  form().closeButton->setVisible(emergencyWindowClosable(p.emergency, p.link));
}

}  // namespace qx
