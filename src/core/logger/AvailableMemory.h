#pragma once
// How much physical memory the machine can still give without swapping or waking the
// kernel's out-of-memory killer.

#include <cstdint>
#include <optional>
#include <string_view>

namespace qx {

// "MemAvailable" of /proc/meminfo in bytes; nothing where the system does not say.
std::optional<std::int64_t> availableMemoryBytes();

// The "MemAvailable:" line of a meminfo text in bytes (the file gives kB).
std::optional<std::int64_t> parseMemAvailable(std::string_view meminfo);

}  // namespace qx
