#pragma once
// Data as Intel HEX text: records of up to 16 bytes with CR LF, then the end record.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace qx::test {

inline std::string intelHex(const std::vector<std::uint8_t>& data) {
  std::string text;
  char hex[16];
  for (std::size_t a = 0; a < data.size(); a += 16) {
    const std::size_t n = std::min<std::size_t>(16, data.size() - a);
    // The address field keeps 16 bits; the firmware decoder does not use it.
    int sum = static_cast<int>(n + ((a >> 8) & 0xFF) + (a & 0xFF));
    std::snprintf(hex, sizeof hex, ":%02X%04X00", static_cast<unsigned>(n),
                  static_cast<unsigned>(a & 0xFFFF));
    text += hex;
    for (std::size_t i = a; i < a + n; ++i) {
      std::snprintf(hex, sizeof hex, "%02X", data[i]);
      text += hex;
      sum += data[i];
    }
    std::snprintf(hex, sizeof hex, "%02X\r\n", (256 - sum % 256) % 256);
    text += hex;
  }
  return text + ":00000001FF\r\n";
}

}  // namespace qx::test
