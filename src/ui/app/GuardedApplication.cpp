#include "ui/app/GuardedApplication.h"

#include <QEvent>
#include <string>

namespace qx {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    FaultReport report = describeCurrentException(std::source_location::current());
    // Name what was being handled, to help find the fault.
    report.description += " (Ereignis " + std::to_string(static_cast<int>(event->type())) +
                          " an " + readableTypeName(typeid(*receiver)) + ")";
    if (onFault) onFault(report);
    return false;
  }
}

}  // namespace qx
