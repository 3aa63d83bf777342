#pragma once
// What the computer says about itself (printout footers): processor, memory, names.

#include "core/ports/SystemInfo.h"

namespace qx {

class QtSystemInfo final : public SystemInfo {
 public:
  std::string processorName() override;
  int processorCount() override;
  std::uint64_t physicalMemoryBytes() override;
  std::string computerName() override;
  std::string userName() override;
};

}  // namespace qx
