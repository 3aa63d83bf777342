#pragma once
// The table of logged live-data records, indexed from 1. Its size follows the maximum number
// of records of the program settings.

#include <cstdint>
#include <vector>

namespace qx {

// One logged sample. The data logger fills in its channels.
struct LogRecord {};

class LogTable {
 public:
  // Largest table the program asks memory for, in bytes of the 65-byte file records; a
  // larger request is refused as if the memory were not there.
  static constexpr std::int64_t kByteLimit = 256LL * 1024 * 1024;
  static constexpr std::int64_t kBytesPerRecord = 65;

  // Makes room for records 1..maxRecords (row 0 is unused). False, and the table is left as
  // it was, when the memory cannot be had.
  bool sizeFor(std::int64_t maxRecords);
  // Highest record index the table holds.
  std::int64_t capacity() const {
    return rows_.empty() ? 0 : static_cast<std::int64_t>(rows_.size()) - 1;
  }

 private:
  std::vector<LogRecord> rows_;
};

}  // namespace qx
