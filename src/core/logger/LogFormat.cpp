#include "core/logger/LogFormat.h"

#include <charconv>
#include <cstdio>

#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

// Control characters (line breaks above all) as blanks.
std::string oneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return out;
}

void appendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append("\r\n");
}

bool digitsAt(std::string_view text, std::size_t at, std::size_t n, int& value) {
  if (text.size() < at + n) return false;
  value = 0;
  for (std::size_t i = at; i < at + n; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

void appendInteger(std::string& out, float v) {
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, roundHalfEven(static_cast<double>(v)));
  out.append(buf, res.ptr);
}

}  // namespace

std::string logFileName(const LocalDateTime& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "orklog_%04d%02d%02d_%02d%02d%02d.olg", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return buf;
}

std::string logDateText(const LocalDateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", t.day, t.month, t.year);
  return buf;
}

std::string logTimeText(const LocalDateTime& t) {
  return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::optional<LocalDateTime> parseLogDate(std::string_view text) {
  LocalDateTime t;
  if (text.size() < 10) return std::nullopt;
  if (!digitsAt(text, 0, 2, t.day) || text[2] != '.' || !digitsAt(text, 3, 2, t.month) ||
      text[5] != '.' || !digitsAt(text, 6, 4, t.year))
    return std::nullopt;
  if (t.day < 1 || t.day > 31 || t.month < 1 || t.month > 12) return std::nullopt;
  return t;
}

std::optional<LocalDateTime> parseLogTime(std::string_view text) {
  LocalDateTime t;
  if (text.size() < 8) return std::nullopt;
  if (!digitsAt(text, 0, 2, t.hour) || text[2] != ':' || !digitsAt(text, 3, 2, t.minute) ||
      text[5] != ':' || !digitsAt(text, 6, 2, t.second))
    return std::nullopt;
  if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
  return t;
}

std::string clockText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const int h = static_cast<int>(seconds / 3600 % 24);
  const int m = static_cast<int>(seconds / 60 % 60);
  const int s = static_cast<int>(seconds % 60);
  return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(s);
}

std::string logInstantText(std::int64_t ms) {
  if (ms < 0) ms = 0;
  char buf[8];
  std::snprintf(buf, sizeof buf, "%03d", static_cast<int>(ms % 1000));
  return clockText(ms / 1000) + "." + buf;
}

std::string logHeader(const LogHeaderFields& f) {
  std::string out;
  appendLine(out, "ORK-Log-Datei," + oneLine(f.fileName));
  appendLine(out, "Datum," + logDateText(f.date));
  appendLine(out, "Uhrzeit," + logTimeText(f.date));
  appendLine(out, "");
  appendLine(out, "ORK HW," + oneLine(f.hardware));
  appendLine(out, "ORK SW," + oneLine(f.software));
  appendLine(out, "");
  appendLine(out, "Kommentar," + oneLine(f.comment));
  appendLine(out, "");
  appendLine(out, "");
  appendLine(out, kLogColumnLine);
  return out;
}

std::string deviceTextForLog(const std::string& unitBytes) {
  return latin1ToUtf8(oneLine(unitBytes));
}

void appendRecordLine(std::string& out, const float* row) {
  for (int c = 0; c <= 14; ++c) {
    if (c >= 5 && c <= 7)
      out.append(fixedText(static_cast<double>(row[c]), 2));
    else
      appendInteger(out, row[c]);
    out.push_back(',');
  }
  out.append(",,,\r\n");
}

std::string_view afterFirstComma(std::string_view line) {
  const auto comma = line.find(',');
  return comma == std::string_view::npos ? line : line.substr(comma + 1);
}

std::string shortenedLogPath(const std::string& path) {
  const std::size_t n = utf8Length(path);
  if (n <= 80) return path;
  const std::size_t tailStart = utf8Left(path, n - 38).size();
  return utf8Left(path, 38) + " ... " + path.substr(tailStart);
}

std::string logDurationText(std::int64_t capacity, int loggerIntervalMs) {
  return clockText(capacity * loggerIntervalMs / 1000);
}

std::string logFileSizeText(std::int64_t capacity) {
  return intText(capacity * LogTable::kBytesPerRecord / 1000) + " kB";
}

}  // namespace qx
