#include "core/util/Files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace qx {

namespace fs = std::filesystem;

namespace {
FileFaultHook& faultHook() {
  static FileFaultHook hook;
  return hook;
}

bool faulted(FileStep step, const std::string& path) {
  const FileFaultHook& hook = faultHook();
  return hook && hook(step, path);
}
}  // namespace

void setFileFaultHook(FileFaultHook hook) {
  faultHook() = std::move(hook);
}

std::string temporarySibling(const std::string& path) {
  std::random_device rd;
  return path + ".tmp" + std::to_string(rd() % 1000000);
}

int createExclusive(const std::string& path) {
  if (faulted(FileStep::Create, path)) {
    errno = EACCES;
    return -1;
  }
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
}

bool writeAllBytes(int fd, const std::string& path, const std::uint8_t* data, std::size_t size) {
  if (faulted(FileStep::Write, path)) {
    // The disk fills up half way.
    const std::size_t part = size / 2;
    if (part > 0 && ::write(fd, data, part) < 0) return false;
    errno = ENOSPC;
    return false;
  }
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool syncAndClose(int fd, const std::string& path) {
  bool ok = ::fsync(fd) == 0 && !faulted(FileStep::Sync, path);
  ok = ::close(fd) == 0 && ok;
  return ok && !faulted(FileStep::Close, path);
}

bool renameFile(const std::string& from, const std::string& to) {
  if (faulted(FileStep::Rename, to)) {
    errno = EXDEV;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool writeFileAtomically(const std::string& path, const Bytes& content) {
  const std::string tmp = temporarySibling(path);
  const int fd = createExclusive(tmp);
  if (fd < 0) return false;
  bool ok = writeAllBytes(fd, tmp, content.data(), content.size());
  ok = syncAndClose(fd, tmp) && ok;
  if (ok) ok = renameFile(tmp, path);
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

bool appendToFile(const std::string& path, const std::string& bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok =
      writeAllBytes(fd, path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  ok = (::close(fd) == 0) && ok;
  return ok;
}

std::optional<Bytes> readWholeFile(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes out((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return out;
}

std::optional<Bytes> readFileStart(const std::string& path, std::size_t maxBytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes out(maxBytes);
  in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return std::nullopt;
  out.resize(static_cast<std::size_t>(in.gcount()));
  return out;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::optional<std::uintmax_t> fileSize(const std::string& path) {
  std::error_code ec;
  auto size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  return size;
}

}  // namespace qx
