#pragma once
// The command catalogue: every one-letter command the PC sends to the unit, with what
// follows it on the line and what comes back.

#include <optional>

namespace qx {

// What must hold before a command may be sent.
enum class Requires {
  PortOpen,        // only the open port ("V", "E", and "I", which identifies the unit)
  UnitIdentified,  // the unit has identified itself
};

struct CommandSpec {
  char letter;
  int parameterBytes;  // fixed parameter bytes after the pause; -1 varies (see below)
  int pauseMs;         // between the letter and the first parameter byte
  int replyBytes;      // including the echo; 0 for no reply
  Requires precondition;
};

// All commands of the catalogue. "S" is followed by the 435-byte setup image, "X" by a
// sub-command byte and that sub-command's values; "G" has no fixed reply length.
inline constexpr CommandSpec kCommands[] = {
    {'I', 0, 0, 24, Requires::PortOpen},       {'D', 0, 0, 44, Requires::UnitIdentified},
    {'A', 0, 0, 7, Requires::UnitIdentified},  {'P', 0, 0, 36, Requires::UnitIdentified},
    {'G', 0, 0, 307, Requires::UnitIdentified}, {'L', 0, 0, 436, Requires::UnitIdentified},
    {'S', 435, 10, 0, Requires::UnitIdentified}, {'E', 0, 20, 0, Requires::PortOpen},
    {'K', 4, 20, 0, Requires::UnitIdentified}, {'T', 2, 20, 0, Requires::UnitIdentified},
    {'Z', 2, 20, 0, Requires::UnitIdentified}, {'M', 2, 20, 0, Requires::UnitIdentified},
    {'W', 2, 20, 0, Requires::UnitIdentified}, {'V', 3, 20, 0, Requires::PortOpen},
    {'N', 0, 0, 0, Requires::UnitIdentified},  {'B', 1, 0, 920, Requires::UnitIdentified},
    {'C', 1, 0, 0, Requires::UnitIdentified},  {'U', 0, 200, 0, Requires::UnitIdentified},
    {'X', -1, 20, 0, Requires::UnitIdentified},
};

inline constexpr int kSetupImageBytes = 435;

// Sub-commands of "X" and how many value bytes follow each.
inline constexpr int kExpertEraseEeprom = 3;     // no value
inline constexpr int kExpertCalibration = 4;     // one value: the oscillator calibration byte
inline constexpr int expertValueBytes(int subCommand) {
  return subCommand == kExpertCalibration ? 1 : 0;
}

inline std::optional<CommandSpec> findCommand(char letter) {
  for (const auto& c : kCommands)
    if (c.letter == letter) return c;
  return std::nullopt;
}

}  // namespace qx
