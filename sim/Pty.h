#pragma once
// The simulator's end of the serial line: a pseudo terminal whose device path is linked to
// a stable name that the program opens like any serial port.

#include <string>

namespace orksim {

class Pty {
 public:
  Pty() = default;
  ~Pty();
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  // Opens a new pseudo terminal (raw, non-blocking master) and points `link` at its device,
  // replacing an older link. Returns false with a message in error().
  bool open(const std::string& link);
  void close();

  int masterFd() const { return master_; }
  const std::string& devicePath() const { return device_; }
  const std::string& error() const { return error_; }

 private:
  int master_ = -1;
  int slave_ = -1;  // kept open so that the master never reads EIO while no program is attached
  std::string device_;
  std::string error_;
};

}  // namespace orksim
