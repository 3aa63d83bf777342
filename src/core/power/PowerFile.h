#pragma once
// The power comparison file (".olv"): 1054 CR LF lines of UTF-8 text, except line 8 (the
// comment), which is UTF-16LE with its line end. It holds who and when, the air and vehicle
// data, all 700 sample rows, the evaluation settings and all 320 bins of curve 1.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/power/PowerRun.h"
#include "core/util/Bytes.h"

namespace qx {

struct LocalDateTime;

inline constexpr int kPowerFileLines = 1054;

// What a save writes besides the run: the file name without folder, the save time and the
// unit's version texts (one byte per character, as the unit sent them).
struct PowerFileHeader {
  std::string fileName;
  std::string hardware;
  std::string software;
};

// "dd.mm.yyyy" and "hh:ii:ss".
std::string powerFileDate(const LocalDateTime& t);
std::string powerFileTime(const LocalDateTime& t);
// A unit text for a name-value line: bytes below 0x20 become blanks, so that nothing the
// unit sends can break a line; the rest is taken one byte per character.
std::string unitTextForFile(const std::string& bytes);

Bytes encodePowerFile(const PowerRun& run, const PowerFileHeader& header,
                      const LocalDateTime& savedAt);

// A file as read by line position. Never fails: missing lines read as empty, numbers that do
// not parse as 0.
struct PowerFileContents {
  std::string date, time, hardware, software, description;
  PowerInputs inputs;  // numbers, description, system and options as stored, unclamped
  std::string system;  // the value of line 728 as it stands
  bool ewgValue = false, dinValue = false, dragValue = false;  // lines 729..731 as stored
  std::array<std::array<float, 2>, kRunRows + 1> samples{};    // rows 1..700: time, speed
  std::array<std::array<float, 3>, kPowerBins + 1> bins{};     // bins 1..320: speed, Nm, kW
};
PowerFileContents parsePowerFile(std::span<const std::uint8_t> file);

// The second comma-separated field of a line (empty when there is none).
std::string lineValue(const std::string& line);

}  // namespace qx
