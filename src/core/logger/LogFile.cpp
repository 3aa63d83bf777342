#include "core/logger/LogFile.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include "core/util/Files.h"

namespace qx {

namespace {
bool writeAll(int fd, const std::string& path, std::string_view bytes) {
  return writeAllBytes(fd, path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}
}  // namespace

bool LogFile::create(const std::string& path) {
  close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  path_ = path;
  return fd_ >= 0;
}

bool LogFile::write(std::string_view bytes) {
  return fd_ >= 0 && writeAll(fd_, path_, bytes);
}

bool LogFile::close() {
  if (fd_ < 0) return true;
  const bool ok = ::close(fd_) == 0;
  fd_ = -1;
  return ok;
}

AtomicFileWriter::AtomicFileWriter(std::string target) : target_(std::move(target)) {
  temporary_ = temporarySibling(target_);
  fd_ = createExclusive(temporary_);
  if (fd_ < 0) temporary_.clear();  // not ours: never remove it
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

bool AtomicFileWriter::write(std::string_view bytes) {
  ok_ = ok_ && fd_ >= 0 && writeAll(fd_, temporary_, bytes);
  return ok_;
}

bool AtomicFileWriter::commit() {
  if (fd_ < 0) return false;
  bool ok = syncAndClose(fd_, temporary_) && ok_;
  fd_ = -1;
  if (ok) ok = renameFile(temporary_, target_);
  committed_ = ok;
  return ok;
}

}  // namespace qx
