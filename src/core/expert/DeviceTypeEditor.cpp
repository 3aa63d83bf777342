#include "core/expert/DeviceTypeEditor.h"

#include <fcntl.h>
#include <unistd.h>

#include "core/app/MessageLog.h"
#include "core/ports/Requesters.h"
#include "core/setup/SetupFile.h"
#include "core/util/Files.h"
#include "core/util/LineReader.h"

namespace qx {

namespace {
constexpr std::size_t kDeviceLineOffset = 262;
constexpr std::size_t kDeviceLineEnd = kDeviceLineOffset + kDeviceTypeLength;  // its CR LF
// Line 9 lies well inside the first kilobyte of any setup file worth reading.
constexpr std::size_t kReadLimit = 64 * 1024;

void reportUnreadable(Requesters& requesters, MessageLog& messages) {
  requesters.message("Achtung", "Datei konnte nicht gelesen werden.");
  messages.reportStatus("Datei konnte nicht gelesen werden");
}

// Whether the file may be opened for writing (a read-only file is refused, although the
// new content would be renamed over it).
bool writable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}
}  // namespace

std::string deviceTypeText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && out.size() < kDeviceTypeLength; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x20 && b < 0x7F) {
      out.push_back(static_cast<char>(b));
      continue;
    }
    // One "." for each character: the continuation bytes of a UTF-8 sequence go with its
    // lead byte; any other byte stands for itself.
    const std::size_t length = b >= 0xF0 && b < 0xF8   ? 4
                               : b >= 0xE0 && b < 0xF0 ? 3
                               : b >= 0xC0 && b < 0xE0 ? 2
                                                       : 1;
    for (std::size_t n = 1; n < length && i + 1 < text.size() &&
                            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
         ++n)
      ++i;
    out.push_back('.');
  }
  out.append(kDeviceTypeLength - out.size(), '.');
  return out;
}

std::string readDeviceTypeLine(std::span<const std::uint8_t> file) {
  LineReader in(file);
  in.utf8Line();
  in.utf16Line();  // the comment
  for (int line = 3; line <= 8; ++line) in.utf8Line();
  return deviceTypeText(in.utf8Line());
}

std::optional<Bytes> withDeviceType(std::span<const std::uint8_t> file,
                                    std::string_view deviceType) {
  if (!parseSetupFile(file).nominal()) return std::nullopt;
  // The header may still have shifted lines that add up to its length: line 9 must begin
  // and end where the layout has it.
  LineReader in(file);
  in.utf8Line();
  in.utf16Line();
  for (int line = 3; line <= 8; ++line) in.utf8Line();
  if (in.position() != kDeviceLineOffset) return std::nullopt;
  in.utf8Line();
  if (in.position() != kDeviceLineEnd + 2 || file[kDeviceLineEnd] != '\r') return std::nullopt;

  Bytes out(file.begin(), file.end());
  const std::string text = deviceTypeText(deviceType);
  for (std::size_t i = 0; i < kDeviceTypeLength; ++i)
    out[kDeviceLineOffset + i] = static_cast<std::uint8_t>(text[i]);
  out[kDeviceLineEnd] = '\r';
  out[kDeviceLineEnd + 1] = '\n';
  return out;
}

void takeOverDeviceType(DeviceTypeEditor& editor, std::string_view typed) {
  editor.deviceType = deviceTypeText(typed);
}

void chooseSetupFile(DeviceTypeEditor& editor, Requesters& requesters, MessageLog& messages) {
  const auto chosen = requesters.openFile("Setup-Datei wählen", "", "ORK-Dateien|*.ork");
  if (!chosen || chosen->empty()) return;
  editor.path = *chosen;
  const auto bytes = readFileStart(editor.path, kReadLimit);
  if (!bytes) {
    reportUnreadable(requesters, messages);
    return;
  }
  editor.deviceType = readDeviceTypeLine(*bytes);
}

bool writeDeviceType(DeviceTypeEditor& editor, Requesters& requesters, MessageLog& messages) {
  if (editor.path.empty()) {
    requesters.message("Achtung", "Datei erst wählen.");
    return false;
  }
  editor.deviceType = deviceTypeText(editor.deviceType);
  // The whole file is read, changed in memory and written back through a temporary file,
  // so that a failed write never leaves a half-written file.
  const auto bytes = readFileStart(editor.path, kSetupFileSize + 1);
  const auto changed = bytes ? withDeviceType(*bytes, editor.deviceType) : std::nullopt;
  if (!changed || !writable(editor.path) || !writeFileAtomically(editor.path, *changed)) {
    reportUnreadable(requesters, messages);
    return false;
  }
  requesters.message("Achtung", "Datei wurde überschrieben");
  messages.reportStatus("Datei wurde überschrieben");
  return true;
}

}  // namespace qx
