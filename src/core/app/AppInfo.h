#pragma once
// Program-wide identity: the first parts of every window title and of several messages.

#include <string>

namespace qx {

inline constexpr const char* kProgramName = "Quarnelix";
inline constexpr const char* kVersion = "1.E";

struct AppInfo {
  std::string programName = kProgramName;
  std::string version = kVersion;
  std::string titleExtra;
  // Folder of the settings file, the message file and the start sound, with a trailing '/'.
  std::string programDirectory;

  // Program name, version and title extra without separators ("Quarnelix1.E").
  std::string programTitle() const { return programName + version + titleExtra; }
};

// Makes sure a folder path ends with exactly one trailing separator.
std::string withTrailingSeparator(std::string folder);

}  // namespace qx
