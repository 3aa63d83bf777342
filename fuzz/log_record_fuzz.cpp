// A record line of a log file, read the fast way, against the same line read field by
// field the general way: the same floats for every input.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "core/logger/LogFormat.h"

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const LogRecord fast = parseRecordLine(line);
  LogRecord general{};
  std::size_t at = 0;
  for (std::size_t c = 0; c < kLogColumns; ++c) {
    const std::size_t comma = line.find(',', at);
    if (comma == std::string::npos) break;
    general[c] = logFieldValue(std::string_view(line).substr(at, comma - at));
    at = comma + 1;
  }
  FUZZ_CHECK(std::memcmp(fast.data(), general.data(), sizeof(LogRecord)) == 0);
  return 0;
}
