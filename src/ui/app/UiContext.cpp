#include "ui/app/UiContext.h"

#include "core/app/MainLoop.h"
#include "ui/app/WindowController.h"

namespace qx {

UiContext::UiContext(Program& p, MainLoop& l, Requesters& r, SerialLink& s, PortProbe& probe,
                     Printer& pr, SystemInfo& sys)
    : program(p), loop(l), requesters(r), link(s), portProbe(probe), printer(pr), systemInfo(sys) {}

void UiContext::handle(const EventInfo& event, const std::function<void()>& handler,
                       std::source_location where) {
  loop.dispatch(event, handler, where);
}

void UiContext::openWindow(WindowId id) {
  if (WindowController* c = controller(id)) c->open();
}

}  // namespace qx
