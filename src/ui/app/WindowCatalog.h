#pragma once

#include <memory>

#include "core/app/Windows.h"

namespace qx {

class UiContext;
class WindowController;

// Creates the controller (and with it the window) of a window; nothing for windows the
// program does not have yet.
std::unique_ptr<WindowController> createWindowController(WindowId id, UiContext& context);

}  // namespace qx
