#pragma once

#include <QElapsedTimer>

#include "core/ports/Clock.h"

namespace qx {

// Elapsed time from a monotonic Qt timer, sleeping, and the local date and time.
class QtClock final : public Clock {
 public:
  QtClock();
  std::int64_t elapsedMs() override;
  void sleepMs(int ms) override;
  LocalDateTime now() override;

 private:
  QElapsedTimer timer_;
};

}  // namespace qx
