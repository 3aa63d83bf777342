#include "core/logger/LogTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/logger/AvailableMemory.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace qx {

namespace {
constexpr std::int64_t kRowBytes = static_cast<std::int64_t>(sizeof(LogRecord));

// A big table is filled front to back as a file is read: large pages spare the system
// thousands of page faults.
void adviseLargePages(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kLarge = 2u << 20;
  if (bytes < 2 * kLarge) return;
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kLarge - 1) & ~(kLarge - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kLarge - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}
}  // namespace

LogTable::LogTable() : probe_(&availableMemoryBytes) {
  sizeFor(kStartCapacity);
}

LogTable::~LogTable() {
  std::free(data_);
}

bool LogTable::mayTake(std::int64_t more) const {
  if (more <= 0) return true;
  const std::optional<std::int64_t> free = probe_ ? probe_() : std::nullopt;
  if (!free) return static_cast<std::int64_t>(storageBytes()) + more <= kByteLimit;
  // Half of what is free: the rest of the system and the program keep room to breathe.
  return more <= *free / 2;
}

bool LogTable::sizeFor(std::int64_t maxRecords) {
  if (maxRecords < 0 || maxRecords > kMaxCapacity) return false;
  const std::int64_t rows = maxRecords + 1;
  // A fresh zeroed block: the system hands out its pages only when they are written, so a
  // large capacity costs memory only as records arrive.
  if (!mayTake(rows * kRowBytes)) return false;
  auto* fresh = static_cast<float*>(std::calloc(static_cast<std::size_t>(rows), sizeof(LogRecord)));
  if (!fresh) return false;
  adviseLargePages(fresh, static_cast<std::size_t>(rows) * sizeof(LogRecord));
  const int kept = static_cast<int>(std::min<std::int64_t>(count_, maxRecords));
  if (data_ && kept > 0)
    std::memcpy(fresh + kLogColumns, data_ + kLogColumns,
                static_cast<std::size_t>(kept) * sizeof(LogRecord));
  std::free(data_);
  data_ = fresh;
  storageRows_ = static_cast<std::size_t>(rows);
  capacity_ = maxRecords;
  count_ = kept;
  ++generation_;
  return true;
}

bool LogTable::growStorage(std::int64_t rows) {
  rows = std::min<std::int64_t>(rows, kMaxCapacity + 1);
  if (!mayTake((rows - static_cast<std::int64_t>(storageRows_)) * kRowBytes)) return false;
  if (count_ == 0) {
    // Nothing to keep: a fresh block, advised for large pages before its first write (a
    // block moved by realloc would get small pages only).
    auto* fresh =
        static_cast<float*>(std::calloc(static_cast<std::size_t>(rows), sizeof(LogRecord)));
    if (!fresh) return false;
    adviseLargePages(fresh, static_cast<std::size_t>(rows) * sizeof(LogRecord));
    std::free(data_);
    data_ = fresh;
    storageRows_ = static_cast<std::size_t>(rows);
    return true;
  }
  // realloc moves large blocks by remapping pages, without copying them. Rows beyond
  // count are never read, so the new ones need not be cleared.
  void* grown = std::realloc(data_, static_cast<std::size_t>(rows) * sizeof(LogRecord));
  if (!grown) return false;
  data_ = static_cast<float*>(grown);
  storageRows_ = static_cast<std::size_t>(rows);
  adviseLargePages(data_, storageBytes());
  return true;
}

bool LogTable::growByOne() {
  if (capacity_ >= kMaxCapacity) return false;
  const std::int64_t needed = capacity_ + 2;
  const auto rows = static_cast<std::int64_t>(storageRows_);
  if (rows < needed && !growStorage(std::max(needed, 2 * rows))) return false;
  ++capacity_;
  return true;
}

bool LogTable::reserveStorage(std::int64_t rows) {
  return rows + 1 <= static_cast<std::int64_t>(storageRows_) || growStorage(rows + 1);
}

void LogTable::trimStorage() {
  const auto rows = static_cast<std::size_t>(capacity_ + 1);
  if (rows >= storageRows_) return;
  void* smaller = std::realloc(data_, rows * sizeof(LogRecord));
  if (!smaller) return;  // the larger block stays; nothing is lost
  data_ = static_cast<float*>(smaller);
  storageRows_ = rows;
}

void LogTable::setCount(std::int64_t n) {
  count_ = static_cast<int>(std::clamp<std::int64_t>(n, 0, capacity_));
  ++generation_;
}

void LogTable::storeRecord(int n, const LogRecord& values) {
  if (n < 1 || n > capacity_) return;
  std::memcpy(data_ + index(n), values.data(), sizeof(LogRecord));
  if (n != count_ + 1) ++generation_;
  count_ = n;
}

}  // namespace qx
