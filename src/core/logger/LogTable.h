#pragma once
// The table of logged live-data records: 19 columns of 32-bit floats per record, records
// indexed from 1 (row 0 is never used). Besides the rows it holds the logger's counters:
// capacity, record counter, count and the viewer's data-point cursor.
//
// Memory is asked for only when the machine has it free (half of the physical memory that
// is still available), so a huge capacity ends in a refusal the caller reports, never in a
// failed allocation later or the kernel's out-of-memory killer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace qx {

inline constexpr int kLogColumns = 19;
using LogRecord = std::array<float, kLogColumns>;

class LogTable {
 public:
  // One record as the estimates count it (file size, memory messages).
  static constexpr std::int64_t kBytesPerRecord = 65;
  // Largest table where the system does not tell how much memory is free.
  static constexpr std::int64_t kByteLimit = 256LL * 1024 * 1024;
  static constexpr std::int64_t kStartCapacity = 100;
  static constexpr std::int64_t kMaxCapacity = INT32_MAX - 1;

  // Bytes of physical memory still available, or nothing when unknown.
  using MemoryProbe = std::function<std::optional<std::int64_t>()>;

  // A table for 100 records, as the program has it before the settings are read.
  LogTable();
  ~LogTable();
  LogTable(const LogTable&) = delete;
  LogTable& operator=(const LogTable&) = delete;

  // Sets the capacity to maxRecords (rows 1..maxRecords). The records that fit stay, count
  // becomes the smaller of count and the new capacity. False, and the table is left as it
  // was, when the memory cannot be had.
  bool sizeFor(std::int64_t maxRecords);
  // One more record of capacity; the storage grows by doubling, so this is cheap on
  // average. False when the memory cannot be had.
  bool growByOne();
  // Storage for `rows` records without changing the capacity, so that growing up to them
  // later costs nothing; best effort (false when the memory is not there).
  bool reserveStorage(std::int64_t rows);
  // Gives back storage beyond the capacity (after a read that grew the table).
  void trimStorage();

  std::int64_t capacity() const { return capacity_; }
  int count() const { return count_; }
  // Sets count (clamped to 0..capacity).
  void setCount(std::int64_t n);

  // Writes record n whole (1 <= n <= capacity) and makes count n.
  void storeRecord(int n, const LogRecord& values);
  float at(int row, int column) const { return data_[index(row) + column]; }
  const float* row(int r) const { return data_ + index(r); }

  // Changes whenever records 1..count may have changed other than by appending one record
  // after the last (so caches of the records know when to start again).
  std::uint64_t generation() const { return generation_; }

  // Bytes held for the rows.
  std::size_t storageBytes() const { return storageRows_ * sizeof(LogRecord); }

  void setMemoryProbe(MemoryProbe probe) { probe_ = std::move(probe); }

  // Records taken since the last start of recording.
  int recordCounter = 0;
  // The viewer's data-point cursor (1..count).
  int cursor = 1;

 private:
  std::size_t index(int r) const { return static_cast<std::size_t>(r) * kLogColumns; }
  // Whether `more` bytes may be taken on top of what the table holds now.
  bool mayTake(std::int64_t more) const;
  bool growStorage(std::int64_t rows);

  float* data_ = nullptr;
  std::size_t storageRows_ = 0;
  std::int64_t capacity_ = 0;
  int count_ = 0;
  std::uint64_t generation_ = 0;
  MemoryProbe probe_;
};

}  // namespace qx
