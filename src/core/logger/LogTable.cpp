#include "core/logger/LogTable.h"

#include <new>

namespace qx {

bool LogTable::sizeFor(std::int64_t maxRecords) {
  if (maxRecords < 0 || maxRecords > kByteLimit / kBytesPerRecord) return false;
  try {
    std::vector<LogRecord> rows(static_cast<std::size_t>(maxRecords) + 1);
    rows_.swap(rows);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace qx
