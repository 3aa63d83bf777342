#pragma once

#include <QApplication>
#include <functional>

#include "core/app/Fault.h"

namespace qx {

// The QApplication that catches whatever escapes an event handler and hands it to the
// fatal-error handler, instead of letting it tear through Qt's event loop.
class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  std::function<void(const FaultReport&)> onFault;
};

}  // namespace qx
