#pragma once
// A serial port on a POSIX terminal device, for tests against the simulated unit.

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <deque>
#include <string>

#include "core/ports/BytePort.h"

namespace qx::test {

class PosixPort final : public BytePort {
 public:
  ~PosixPort() override { close(); }
  bool open(const std::string& name, const PortBuffers&) override {
    close();
    fd_ = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return false;
    termios tio{};
    ::tcgetattr(fd_, &tio);
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B57600);
    tio.c_cflag |= CSTOPB | CLOCAL | CREAD;
    ::tcsetattr(fd_, TCSANOW, &tio);
    queue_.clear();
    return true;
  }
  void close() override {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  bool isOpen() const override { return fd_ >= 0; }
  bool write(const std::uint8_t* data, std::size_t size) override {
    if (fd_ < 0) return false;
    return ::write(fd_, data, size) == static_cast<ssize_t>(size);
  }
  std::size_t bytesAvailable() override {
    pull();
    return queue_.size();
  }
  bool readByte(std::uint8_t& byte) override {
    pull();
    if (queue_.empty()) return false;
    byte = queue_.front();
    queue_.pop_front();
    return true;
  }
  std::size_t bytesToWrite() override {
    int queued = 0;
    if (fd_ < 0 || ::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued < 0) return 0;
    return static_cast<std::size_t>(queued);
  }
  void waitForMore(int ms) override {
    if (fd_ < 0) {
      ::usleep(static_cast<useconds_t>(ms) * 1000);
      return;
    }
    pollfd p{fd_, POLLIN, 0};
    ::poll(&p, 1, ms);
  }

 private:
  void pull() {
    if (fd_ < 0) return;
    std::uint8_t buf[1024];
    ssize_t n;
    while ((n = ::read(fd_, buf, sizeof buf)) > 0) queue_.insert(queue_.end(), buf, buf + n);
  }
  int fd_ = -1;
  std::deque<std::uint8_t> queue_;
};

}  // namespace qx::test
