#pragma once
// What the computer says about itself, for the footer of printouts.

#include <cstdint>
#include <string>

namespace qx {

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual std::string processorName() = 0;
  virtual int processorCount() = 0;
  virtual std::uint64_t physicalMemoryBytes() = 0;
  virtual std::string computerName() = 0;
  virtual std::string userName() = 0;
};

}  // namespace qx
