#pragma once
// What the unit says about itself when it identifies.

#include <string>

namespace qx {

// The texts keep the unit's bytes exactly, one byte per character, padding included (so a
// file that stores them keeps its fixed layout); latin1ToUtf8 turns them into display text.
struct DeviceInfo {
  std::string device;      // 12 bytes
  std::string hardware;    // 3 bytes
  std::string software;    // 3 bytes
  std::string bootLoader;  // 3 bytes
  int restartCount = 0;
};

}  // namespace qx
