#include "ui/app/WindowController.h"

#include "core/app/Program.h"
#include "forms/FormWindow.h"
#include "ui/app/UiContext.h"

namespace qx {

WindowController::WindowController(UiContext& context, WindowId id,
                                   std::unique_ptr<FormWindow> window)
    : context_(context), id_(id), window_(std::move(window)) {
  // The close box hides the window through the loop's rule (never inside another handler).
  window_->onClose = [this] { context_.handle([this] { close(); }); };
}

WindowController::~WindowController() = default;

bool WindowController::shown() const {
  return context_.program.windowShown(id_);
}

void WindowController::open() {
  if (!shown()) {
    fill();
    window_->show();
    context_.program.windowShown(id_) = true;
  }
  window_->raise();
  window_->activateWindow();
}

void WindowController::close() {
  context_.program.windowShown(id_) = false;
  window_->hide();
}

void WindowController::refresh() {
  if (shown()) update();
}

}  // namespace qx
