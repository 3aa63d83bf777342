#include "Pty.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace orksim {

Pty::~Pty() { close(); }

void Pty::close() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

bool Pty::open(const std::string& link) {
  close();
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    error_ = std::string("posix_openpt: ") + std::strerror(errno);
    close();
    return false;
  }
  const char* name = ::ptsname(master_);
  if (!name) {
    error_ = "ptsname failed";
    close();
    return false;
  }
  device_ = name;
  slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ >= 0) {
    termios tio{};
    if (::tcgetattr(slave_, &tio) == 0) {
      ::cfmakeraw(&tio);
      ::tcsetattr(slave_, TCSANOW, &tio);
    }
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);

  if (!link.empty()) {
    // Replace the link in one step: a program that opens it never sees it missing.
    const std::string tmp = link + ".new";
    ::unlink(tmp.c_str());
    if (::symlink(device_.c_str(), tmp.c_str()) != 0 || ::rename(tmp.c_str(), link.c_str()) != 0) {
      error_ = "cannot link " + link + ": " + std::strerror(errno);
      close();
      return false;
    }
  }
  return true;
}

}  // namespace orksim
