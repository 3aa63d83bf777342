#pragma once
// Sends the unit's replies no faster than the serial line would carry them: 57600 baud,
// 8 data bits, 2 stop bits, 11 bits a byte, about 0.19 ms per byte.

#include <cstdint>
#include <deque>
#include <vector>

namespace orksim {

inline constexpr double kByteSeconds = 11.0 / 57600.0;

class LinePacer {
 public:
  // Queues a reply that starts leaving `start` seconds from now at `byteSeconds` per byte.
  void enqueue(const std::vector<std::uint8_t>& bytes, double now, double byteSeconds);
  // Writes every byte whose time has come; returns the time of the next one (or -1).
  double flush(int fd, double now);
  bool empty() const { return queue_.empty(); }
  void clear() { queue_.clear(); }

 private:
  struct Pending {
    double due;
    std::uint8_t byte;
  };
  std::deque<Pending> queue_;
  double lastDue_ = 0;
};

}  // namespace orksim
