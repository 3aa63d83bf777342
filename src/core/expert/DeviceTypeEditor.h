#pragma once
// The expert window's editor of the device type line of a setup file on disk. It works on
// the file directly: the loaded setup and the file's comment stay as they are, and the file
// keeps its size.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/util/Bytes.h"

namespace qx {

class MessageLog;
class Requesters;

inline constexpr std::size_t kDeviceTypeLength = 12;

// "Setup bearbeiten": the chosen file and the device type being edited.
struct DeviceTypeEditor {
  std::string path;        // "Datei:" (empty until a file was chosen)
  std::string deviceType;  // "Gerätetyp:"
};

// A typed or read device type as the field shows it and the file takes it: each character
// outside printable ASCII becomes ".", then cut or filled with "." to 12 characters.
std::string deviceTypeText(std::string_view text);

// The device type line (line 9) of a setup file, as deviceTypeText shows it.
std::string readDeviceTypeLine(std::span<const std::uint8_t> file);

// The file with its device type line replaced by the 12 characters and CR LF. Nothing when
// the file does not have the nominal layout (715 bytes, line 9 at its place), so that no
// other part of a file is ever overwritten.
std::optional<Bytes> withDeviceType(std::span<const std::uint8_t> file,
                                    std::string_view deviceType);

// Return (or the second shortcut) or the field lost the focus.
void takeOverDeviceType(DeviceTypeEditor& editor, std::string_view typed);

// "Setup-Datei wählen": the open-file requester; the chosen file's device type line is read
// into the field. A file that cannot be read gives the message box and status.
void chooseSetupFile(DeviceTypeEditor& editor, Requesters& requesters, MessageLog& messages);

// "Gerätetyp in Setup-Datei schreiben". Returns whether the file was written.
bool writeDeviceType(DeviceTypeEditor& editor, Requesters& requesters, MessageLog& messages);

}  // namespace qx
