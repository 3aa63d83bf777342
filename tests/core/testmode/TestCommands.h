#pragma once
// The commands a test wrote to the scripted port, one text per command ("V 01 00 01").

#include <cstdio>
#include <string>
#include <vector>

#include "support/ScriptedPort.h"

namespace qx::test {

inline std::vector<std::string> writtenCommands(const ScriptedPort& port) {
  const auto bytes = port.writtenBytes();
  std::vector<std::string> out;
  for (std::size_t i = 0; i < bytes.size();) {
    const char letter = static_cast<char>(bytes[i++]);
    const std::size_t n = letter == 'V' ? 3 : letter == 'W' ? 2 : 0;
    std::string c(1, letter);
    for (std::size_t k = 0; k < n && i < bytes.size(); ++k) {
      char hex[4];
      std::snprintf(hex, sizeof hex, " %02x", bytes[i++]);
      c += hex;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace qx::test
