#pragma once
// The one place where the program reports what it did or what went wrong: the status line
// of the main window and, when switched on, the message file next to the program.

#include <string>

namespace qx {

class Clock;
class StatusSink;
struct LinkFlags;
struct ProgramSettings;

class MessageLog {
 public:
  MessageLog(const LinkFlags& link, const ProgramSettings& settings, Clock& clock);

  // Shows the message in the status line and appends it to the message file when that is
  // switched on. Damps floods of repeated link errors. Never blocks on the user.
  void reportStatus(const std::string& message);

  void setSink(StatusSink* sink) { sink_ = sink; }
  void setFilePath(std::string path) { filePath_ = std::move(path); }
  const std::string& filePath() const { return filePath_; }

  // The message the status line shows now.
  const std::string& statusLine() const { return statusLine_; }
  int repeatCounter() const { return repeatCounter_; }

 private:
  const LinkFlags& link_;
  const ProgramSettings& settings_;
  Clock& clock_;
  StatusSink* sink_ = nullptr;
  std::string filePath_;
  std::string statusLine_;
  int repeatCounter_ = 0;
};

// One line of the message file, without its line end: "2018.05.07 14:03:09 : COM aus".
struct LocalDateTime;
std::string messageFileLine(const LocalDateTime& when, const std::string& message);

}  // namespace qx
