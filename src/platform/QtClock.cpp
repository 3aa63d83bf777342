#include "platform/QtClock.h"

#include <QDateTime>
#include <QThread>

namespace qx {

QtClock::QtClock() { timer_.start(); }

std::int64_t QtClock::elapsedMs() { return timer_.elapsed(); }

void QtClock::sleepMs(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

LocalDateTime QtClock::now() {
  const QDateTime t = QDateTime::currentDateTime();
  return {t.date().year(), t.date().month(), t.date().day(),
          t.time().hour(), t.time().minute(), t.time().second()};
}

}  // namespace qx
