#include "core/lambda/LambdaLogger.h"

#include <vector>

#include "core/app/MessageLog.h"
#include "core/link/SerialLink.h"
#include "core/setup/SetupRecord.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr int kLogReplyBytes = 920;  // echo, logging flag, 459 values of two bytes
constexpr int kLogReplyWaitMs = 200;
constexpr std::size_t kCommentCharacters = 100;
constexpr std::size_t kPathShownWhole = 50;
constexpr std::size_t kPathEnds = 22;

const char* memoryName(LambdaLogMemory memory) {
  return memory == LambdaLogMemory::Eeprom ? "EEPROM" : "RAM";
}

// Start of each code point of UTF-8 text, and the text's end.
std::vector<std::size_t> characterStarts(std::string_view utf8) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < utf8.size(); ++i)
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) starts.push_back(i);
  starts.push_back(utf8.size());
  return starts;
}
}  // namespace

std::string cleanLambdaComment(std::string_view text) {
  std::string out;
  for (char c : utf8Left(text, kCommentCharacters))
    if (c != '\n' && c != '\r' && c != ',') out.push_back(c);
  return out.empty() ? "..." : out;
}

bool readUnitLambdaLog(LambdaTable& table, SetupRecord& setup, SerialLink& link,
                       LambdaLogMemory memory) {
  if (!link.send('B', {Param::byte(static_cast<int>(memory))})) return false;
  // The unit needs about 175 ms to put the whole log on the line.
  link.pause(kLogReplyWaitMs);
  link.waitForReply(kLogReplyBytes, 'b');
  const std::string where = memoryName(memory);
  if (!link.succeeded()) {
    link.messages().reportStatus("Lambdadaten lesen aus " + where + " fehlgeschlagen");
    return false;
  }
  // Whichever memory was read, the flag tells whether the unit logs into its EEPROM.
  setup.lambdaLoggingActive = link.readByte() != 0 ? 1 : 0;
  for (int column = 1; column <= LambdaTable::kColumns; ++column)
    for (int row = 1; row <= LambdaTable::kRows; ++row)
      for (int probe = 1; probe <= LambdaTable::kProbes; ++probe) {
        const int high = link.readByte();
        table.at(column, row, probe) = high * 256 + link.readByte();
      }
  link.messages().reportStatus("Lambdadaten aus " + where + " gelesen");
  return true;
}

void clearUnitLambdaLog(SerialLink& link, LambdaLogMemory memory) {
  link.send('C', {Param::byte(static_cast<int>(memory))});
}

double lambdaCellMean(const LambdaTable& table, int column, int row,
                      const std::array<bool, 3>& probes) {
  double sum = 0;
  int ticked = 0;
  for (int probe = 1; probe <= LambdaTable::kProbes; ++probe) {
    if (!probes[static_cast<std::size_t>(probe - 1)]) continue;
    sum += table.at(column, row, probe);
    ++ticked;
  }
  return ticked == 0 ? 0.0 : sum / ticked;
}

std::string shortenedLambdaPath(std::string_view path) {
  const std::vector<std::size_t> starts = characterStarts(path);
  const std::size_t characters = starts.size() - 1;
  if (characters <= kPathShownWhole) return std::string(path);
  return std::string(path.substr(0, starts[kPathEnds])) + " ... " +
         std::string(path.substr(starts[characters - kPathEnds]));
}

}  // namespace qx
