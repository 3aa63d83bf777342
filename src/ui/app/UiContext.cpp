#include "ui/app/UiContext.h"

#include "core/app/MainLoop.h"

namespace qx {

UiContext::UiContext(Program& p, MainLoop& l, Requesters& r, SerialLink& s, PortProbe& probe,
                     std::function<void()> refreshAll)
    : program(p),
      loop(l),
      requesters(r),
      link(s),
      portProbe(probe),
      refreshAll_(std::move(refreshAll)) {}

void UiContext::handle(const EventInfo& event, const std::function<void()>& handler,
                       std::source_location where) {
  if (loop.dispatch(event, handler, where) && refreshAll_) refreshAll_();
}

}  // namespace qx
