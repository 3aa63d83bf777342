#pragma once
// The settings file "Quarnelix.cfg" next to the program: a version line, then the program
// settings in a fixed order (little-endian int32 and float32, one UTF-16LE and one UTF-8 text
// line). Read once at start, written once at the end.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/app/ProgramSettings.h"
#include "core/app/Windows.h"
#include "core/util/Bytes.h"

namespace qx {

struct AppInfo;
struct Program;
class Requesters;

// The window whose geometry a stored slot keeps.
// The geometry a window gets when it is created: position (100, 100), its inner size.
WindowGeometry defaultGeometry(StoredWindow slot);

// Where the settings file lives: program directory + program name + ".cfg".
std::string settingsFilePath(const AppInfo& info);

Bytes encodeProgramSettings(const ProgramSettings& settings, const std::string& version);

struct SettingsFileRead {
  bool versionMatches = false;
  std::string versionLine;  // line 1 as read
  bool complete = false;    // every field was in the file
};

// Reads a settings file over the values in settings (the defaults). Nothing is taken when the
// version line differs; fields missing from a short file keep their values; every value read
// is clamped into the range its window allows.
SettingsFileRead decodeProgramSettings(std::span<const std::uint8_t> file,
                                       const std::string& version, ProgramSettings& settings);

// Start-up: defaults and the SetupRecord's start values, then the file if it exists and
// matches, with its message boxes and status messages; sizes the log table.
void loadProgramSettings(Program& program, Requesters& requesters);

// The end: writes the file from the current values (the caller has taken the geometry of the
// windows into the settings first).
void saveProgramSettings(Program& program, Requesters& requesters);

// Sizes the log table for the maximum number of records; falls back to the default maximum,
// with its message, when that much memory cannot be had.
void sizeLogTable(Program& program, Requesters& requesters);

// What the main window's port list does at start with the stored port: the entry to select
// (none when the stored name is not in the list) and whether to tick "COM" as if the user had
// done it (only when an entry was selected and the setting asks for it).
struct PortChoice {
  std::optional<std::size_t> entry;
  bool tickCom = false;
};
PortChoice portChoiceAtStart(const ProgramSettings& settings,
                             const std::vector<std::string>& portList);

}  // namespace qx
