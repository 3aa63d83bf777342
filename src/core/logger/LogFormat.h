#pragma once
// The log file (".olg") as text: its header lines, the column line, record lines, file
// names, and the date, time and number texts of the logger.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/logger/LogTable.h"
#include "core/ports/Clock.h"

namespace qx {

inline constexpr std::string_view kLogColumnLine =
    "Zeitpunkt(ms),Drehzahl (Umin),Klappe (%),Motortemp. (C),Lufttemp. (C),Lambda1 (V),"
    "Lambda2 (V),Lambda3 (V),Ausgang1,Ausgang2,Eingang1,Eingang2,Eingang3,Einspritzung (KW),"
    "Einspritzung (ms),Zuendwinkel (KW),,,";
inline constexpr int kLogHeaderLines = 11;
inline constexpr std::size_t kMaxCommentCharacters = 100;

// "orklog_YYYYMMDD_HHMMSS.olg".
std::string logFileName(const LocalDateTime& t);

// "dd.mm.yyyy" and "hh:ii:ss".
std::string logDateText(const LocalDateTime& t);
std::string logTimeText(const LocalDateTime& t);
// The same patterns read back; nothing when the text does not start with one.
std::optional<LocalDateTime> parseLogDate(std::string_view text);
std::optional<LocalDateTime> parseLogTime(std::string_view text);

// Duration as a time of day, "hh:ii:ss" (hours wrap at 24); negative counts as 0.
std::string clockText(std::int64_t seconds);
// A log time in ms as "hh:ii:ss.mmm".
std::string logInstantText(std::int64_t ms);

// What the header carries besides its fixed lines (UTF-8 texts).
struct LogHeaderFields {
  std::string fileName;
  LocalDateTime date;  // date and time of day of the log
  std::string hardware;
  std::string software;
  std::string comment;
};
// Lines 1 to 11, each ending in CR LF. Control characters in the texts become blanks, so no
// text can break a line and shift the fixed line positions.
std::string logHeader(const LogHeaderFields& fields);

// A device text of the unit (one byte per character) as it goes into the header: control
// bytes as blanks, the rest as UTF-8.
std::string deviceTextForLog(const std::string& unitBytes);

// Appends one record line with its CR LF: columns 0..4 and 8..14 as integers rounded half to
// even, 5..7 with two decimals, then four empty fields.
void appendRecordLine(std::string& out, const float* row);

// The text after the first comma of a header line (the whole line when it has none).
std::string_view afterFirstComma(std::string_view line);

// One field of a record line as a float: a decimal number with a point (leading blanks,
// sign, fraction and exponent allowed, reading stops at the first other character); text
// without a number gives 0.
float logFieldValue(std::string_view field);

// The fields 0..18 of one record line (without its line end); a field needs a comma behind
// it to be read, the others are 0.
LogRecord parseRecordLine(std::string_view line);
// The same for a line with at least kRecordLinePadding readable bytes behind its end (a
// read buffer), without copying it.
inline constexpr std::size_t kRecordLinePadding = 64;
LogRecord parseRecordLinePadded(const char* line, std::size_t size);

// The log folder as the window shows it: up to 80 characters whole, longer ones as the
// first 38, " ... " and the last 38.
std::string shortenedLogPath(const std::string& path);

// The estimates of the system window for a capacity: the longest log time "hh:ii:ss" and
// the file size "<kB> kB".
std::string logDurationText(std::int64_t capacity, int loggerIntervalMs);
std::string logFileSizeText(std::int64_t capacity);

}  // namespace qx
