#pragma once
// The data logger: recording live samples into the log table and the open log file, saving
// and sizing the table. Reading a log back is in LogReader.h, the viewer in LogViewer.h.

#include <cstdint>
#include <optional>
#include <string>

#include "core/logger/LogFile.h"
#include "core/logger/LogTable.h"
#include "core/ports/Clock.h"
#include "core/util/Rgb.h"

namespace qx {

class MessageLog;
class Requesters;
class LoggerTimer;
class FolderRequester;
struct DeviceInfo;
struct LinkFlags;
struct ProgramSettings;
struct VitalData;

// What the logger window shows besides the viewer; the window takes them over when told
// through LoggerScreen::showTexts.
struct LoggerTexts {
  std::string path;  // the folder, shortened
  std::string fileName;
  std::string dataPoint;  // "n / capacity", or the reading progress
  std::string date, time, hardware, software;
  std::int64_t progress = 0;
  std::int64_t progressMaximum = LogTable::kStartCapacity;
};

struct LoggerState {
  bool logging = false;
  // Elapsed-milliseconds clock when recording started.
  std::int64_t startValueMs = 0;
  // Date and time of day of the log: from the clock when a file is made, from the file when
  // one is read (nothing when its header held none).
  std::optional<LocalDateTime> logDate, logTime;
  std::string path;  // folder of log files, with the trailing separator
  std::string fileName;
  std::string comment;  // at most 100 characters
  std::string logHardware, logSoftware;
  LoggerTexts shown;
  LogFile file;
  // The logger lamp's colour as the tick's lamp step left it; the window paints it.
  Rgb lamp = colours::kLampGrey;
};

// The logger window as the logger needs it. Every call is a hint to show state anew.
class LoggerScreen {
 public:
  virtual ~LoggerScreen() = default;
  // LoggerState::shown changed.
  virtual void showTexts() {}
  // The records or the cursor changed: lay out the channels and redraw the strips.
  virtual void layOutChannels() {}
  virtual void redrawViewer() {}
  // While a file is read: show the texts and progress bar now (repaint), it may take a while.
  virtual void readingProgress() {}
  // The capacity changed (the system window shows it with its estimates).
  virtual void capacityChanged() {}
};

// What the logger's operations talk to.
struct LoggerPorts {
  Clock& clock;
  MessageLog& messages;
  Requesters& requesters;
  LoggerTimer& timer;
  LoggerScreen& screen;
};

// The progress bar's maximum follows the capacity (after the settings sized the table).
void showLogCapacity(LoggerState& state, const LogTable& table);

// Sets the folder (a separator is added when missing) and shows it.
void setLogPath(LoggerState& state, const std::string& folder);
// The comment field lost the focus: the comment is cut to 100 characters; returns it for the
// field.
const std::string& setLogComment(LoggerState& state, const std::string& text);

// The logger tick: with logging on and no firmware transfer, takes one record from the live
// sample and writes it to the log file; a full table ends recording.
void writeLogRecord(LoggerState& state, LogTable& table, const VitalData& vital,
                    const LinkFlags& link, LoggerPorts& ports);

// "START Log" (only while not recording): a new file named after the clock, header written,
// recording armed. The old records stay until overwritten.
void startLogging(LoggerState& state, LogTable& table, const DeviceInfo& device,
                  const ProgramSettings& settings, LoggerPorts& ports);

// "STOPP Log" (only while recording).
void stopLogging(LoggerState& state, LoggerPorts& ports);

// "Log sichern" (only while not recording): a fresh header and records 1..count under the
// current folder and file name. The file is replaced only once it is complete.
void saveLog(LoggerState& state, const LogTable& table, const DeviceInfo& device,
             const ProgramSettings& settings, LoggerPorts& ports);

// "Log-Datei Pfad" (only while not recording).
void chooseLogFolder(LoggerState& state, FolderRequester& folders, LoggerScreen& screen);

// A new record maximum (system window): the table is sized for it, keeping the records that
// fit. On failure the message box says so and the previous capacity stays. Returns the
// capacity in effect; settings.maxLogRecords follows it.
std::int64_t changeLogCapacity(LoggerState& state, LogTable& table, ProgramSettings& settings,
                               std::int64_t requested, LoggerPorts& ports);

// One record of the live sample (columns 0..14; 15..18 stay 0).
LogRecord recordFromVitalData(const VitalData& vital, std::int64_t msSinceStart);

// The message boxes of the logger (title "Achtung").
inline constexpr const char* kLoggerTitle = "Achtung";

}  // namespace qx
