#include "core/logger/LogFile.h"

#include <cerrno>
#include <random>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace qx {

namespace {
bool writeAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}
}  // namespace

bool LogFile::create(const std::string& path) {
  close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  return fd_ >= 0;
}

bool LogFile::write(std::string_view bytes) {
  return fd_ >= 0 && writeAll(fd_, bytes);
}

bool LogFile::close() {
  if (fd_ < 0) return true;
  const bool ok = ::close(fd_) == 0;
  fd_ = -1;
  return ok;
}

AtomicFileWriter::AtomicFileWriter(std::string target) : target_(std::move(target)) {
  std::random_device rd;
  temporary_ = target_ + ".tmp" + std::to_string(rd() % 1000000);
  fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd_ < 0) temporary_.clear();  // not ours: never remove it
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

bool AtomicFileWriter::write(std::string_view bytes) {
  ok_ = ok_ && fd_ >= 0 && writeAll(fd_, bytes);
  return ok_;
}

bool AtomicFileWriter::commit() {
  if (fd_ < 0) return false;
  bool ok = ok_ && ::fsync(fd_) == 0;
  ok = ::close(fd_) == 0 && ok;
  fd_ = -1;
  if (ok) ok = ::rename(temporary_.c_str(), target_.c_str()) == 0;
  committed_ = ok;
  return ok;
}

}  // namespace qx
