#pragma once
// The help window (F1 in the main window): the key list, filled once when it is created.

#include "forms/hilfedialog.h"
#include "ui/app/WindowController.h"

namespace qx {

class UiContext;

class HelpWindowController final : public FormController<hilfedialog> {
 public:
  explicit HelpWindowController(UiContext& context);
};

}  // namespace qx
