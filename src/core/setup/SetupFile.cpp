#include "core/setup/SetupFile.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/ports/Clock.h"
#include "core/setup/SetupImage.h"
#include "core/util/LineReader.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr std::size_t kSwitchTimeOffset = 421;
constexpr std::size_t kSwitchTimeBytes = 6;

void appendLine(Bytes& out, const std::string& text) {
  appendText(out, text);
  appendText(out, "\r\n");
}

// A unit text for a fixed-width line: bytes that are not printable ASCII become the
// replacement (so neither a line break nor a multi-byte character from the unit can shift
// the file's layout), then cut or filled to the width.
std::string fixedWidth(const std::string& text, std::size_t width, char fill, char replacement) {
  std::string out;
  for (char c : text) {
    if (out.size() == width) break;
    const auto b = static_cast<unsigned char>(c);
    out.push_back(b >= 0x20 && b < 0x7F ? c : replacement);
  }
  out.append(width - out.size(), fill);
  return out;
}

std::string dateLine(const LocalDateTime& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "ORK-Setup %04d.%02d.%02d %02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute);
  return buf;
}

std::string trimBlanks(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}
}  // namespace

Bytes commentLine(const std::string& comment) {
  const Bytes all = utf8ToUtf16le(comment);
  Bytes out;
  out.reserve(2 * kCommentUnits + 4);
  for (std::size_t i = 0; i + 1 < all.size() && out.size() < 2 * kCommentUnits; i += 2) {
    std::uint16_t unit = readLe16(&all[i]);
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high) {
      // A pair is written whole or not at all.
      if (out.size() + 4 > 2 * kCommentUnits || i + 3 >= all.size()) break;
      appendLe16(out, unit);
      appendLe16(out, readLe16(&all[i + 2]));
      i += 2;
      continue;
    }
    if (unit < 0x20) unit = 0x20;
    appendLe16(out, unit);
  }
  while (out.size() < 2 * kCommentUnits) appendLe16(out, 0x0020);
  appendLe16(out, 0x000D);
  appendLe16(out, 0x000A);
  return out;
}

Bytes setupBlock(const SetupRecord& record) {
  Bytes image = encodeSetupImage(record);
  image.erase(image.begin() + kSwitchTimeOffset,
              image.begin() + kSwitchTimeOffset + kSwitchTimeBytes);
  return image;
}

void applySetupBlock(std::span<const std::uint8_t> block, SetupRecord& record) {
  // The record's own image supplies the switching times that the file does not hold.
  Bytes image = encodeSetupImage(record);
  const std::size_t n = std::min(block.size(), kSetupBlockSize);
  for (std::size_t i = 0; i < n; ++i)
    image[i < kSwitchTimeOffset ? i : i + kSwitchTimeBytes] = block[i];
  for (std::size_t i = n; i < kSetupBlockSize; ++i)
    image[i < kSwitchTimeOffset ? i : i + kSwitchTimeBytes] = 0;
  decodeSetupImage(image, record);
}

Bytes encodeSetupFile(const SetupRecord& record, const std::string& comment,
                      const SetupFileUnit& unit, const LocalDateTime& savedAt) {
  Bytes out;
  out.reserve(kSetupFileSize);
  appendLine(out, dateLine(savedAt));
  const Bytes line2 = commentLine(comment);
  out.insert(out.end(), line2.begin(), line2.end());
  appendLine(out, "HW:");
  appendLine(out, fixedWidth(unit.hardware, 3, ' ', ' '));
  appendLine(out, "SW:");
  appendLine(out, fixedWidth(unit.software, 3, ' ', ' '));
  appendLine(out, "BL:");
  appendLine(out, fixedWidth(unit.bootLoader, 3, ' ', ' '));
  appendLine(out, fixedWidth(unit.device, 12, '.', '.'));
  appendLine(out, fixedWidth(intText(unit.restartCount), 8, ' ', ' '));
  const Bytes block = setupBlock(record);
  out.insert(out.end(), block.begin(), block.end());
  return out;
}

SetupFileContents parseSetupFile(std::span<const std::uint8_t> file) {
  SetupFileContents c;
  c.fileSize = file.size();
  LineReader in(file);
  c.header.dateLine = in.utf8Line();
  c.header.comment = trimBlanks(in.utf16Line());
  in.utf8Line();  // "HW:"
  c.header.hardware = in.utf8Line();
  in.utf8Line();  // "SW:"
  c.header.software = in.utf8Line();
  in.utf8Line();  // "BL:"
  c.header.bootLoader = in.utf8Line();
  c.header.device = in.utf8Line();
  c.header.restartCount = in.utf8Line();
  c.headerSize = in.position();
  const std::size_t available = file.size() - c.headerSize;
  c.blockBytesRead = std::min(available, kSetupBlockSize);
  for (std::size_t i = 0; i < c.blockBytesRead; ++i) c.block[i] = file[c.headerSize + i];
  return c;
}

}  // namespace qx
