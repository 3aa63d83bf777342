#include "LinePacer.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace orksim {

void LinePacer::enqueue(const std::vector<std::uint8_t>& bytes, double now, double byteSeconds) {
  double t = std::max(now, lastDue_);
  for (std::uint8_t b : bytes) {
    t += byteSeconds;  // a byte is there once its stop bits have passed
    queue_.push_back({t, b});
  }
  lastDue_ = t;
}

double LinePacer::flush(int fd, double now) {
  std::uint8_t buf[512];
  std::size_t n = 0;
  while (!queue_.empty() && queue_.front().due <= now && n < sizeof buf) {
    buf[n++] = queue_.front().byte;
    queue_.pop_front();
  }
  if (n > 0) {
    const ssize_t written = ::write(fd, buf, n);
    // Bytes the terminal did not take go back to the front of the queue.
    const std::size_t sent = written > 0 ? static_cast<std::size_t>(written) : 0;
    for (std::size_t i = n; i > sent; --i) queue_.push_front({now, buf[i - 1]});
  }
  return queue_.empty() ? -1 : queue_.front().due;
}

}  // namespace orksim
