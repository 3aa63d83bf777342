#pragma once
// Time as the core sees it: an elapsed-milliseconds clock, sleeping, and the local date and time.

#include <cstdint>

namespace qx {

struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary fixed start; never goes backwards.
  virtual std::int64_t elapsedMs() = 0;
  // Blocks the calling thread for about ms milliseconds (1 ms resolution).
  virtual void sleepMs(int ms) = 0;
  virtual LocalDateTime now() = 0;
};

// The system's steady clock, sleep and local time; usable by the core and the simulator.
class SystemClock final : public Clock {
 public:
  std::int64_t elapsedMs() override;
  void sleepMs(int ms) override;
  LocalDateTime now() override;
};

}  // namespace qx
