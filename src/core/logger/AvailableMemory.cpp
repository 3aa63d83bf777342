#include "core/logger/AvailableMemory.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace qx {

std::optional<std::int64_t> parseMemAvailable(std::string_view meminfo) {
  constexpr std::string_view kKey = "MemAvailable:";
  std::size_t at = 0;
  while (at < meminfo.size()) {
    const std::size_t end = std::min(meminfo.find('\n', at), meminfo.size());
    std::string_view line = meminfo.substr(at, end - at);
    at = end + 1;
    if (line.substr(0, kKey.size()) != kKey) continue;
    line.remove_prefix(kKey.size());
    std::int64_t kb = 0;
    bool digits = false;
    for (char c : line) {
      if (c == ' ' || c == '\t') {
        if (digits) break;
        continue;
      }
      if (c < '0' || c > '9') break;
      digits = true;
      if (kb > (INT64_MAX / 1024 - 9) / 10) return std::nullopt;
      kb = kb * 10 + (c - '0');
    }
    if (!digits) return std::nullopt;
    return kb * 1024;
  }
  return std::nullopt;
}

std::optional<std::int64_t> availableMemoryBytes() {
  std::ifstream in("/proc/meminfo");
  if (!in) return std::nullopt;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return parseMemAvailable(text);
}

}  // namespace qx
