#include "core/app/MessageLog.h"

#include <cstdio>

#include "core/ports/Clock.h"
#include "core/app/ProgramSettings.h"
#include "core/ports/StatusSink.h"
#include "core/link/LinkFlags.h"
#include "core/util/Files.h"

namespace qx {

namespace {
constexpr const char* kProtocolError = "Protokollfehler";
constexpr const char* kUnknownReply = "unbekannte Antwort";
constexpr const char* kRetrying = "Verbindungsversuch...";
}  // namespace

MessageLog::MessageLog(const LinkFlags& link, const ProgramSettings& settings, Clock& clock)
    : link_(link), settings_(settings), clock_(clock) {}

void MessageLog::reportStatus(const std::string& message) {
  std::string m = message;
  if (m == kProtocolError || m == kUnknownReply) {
    ++repeatCounter_;
    if (repeatCounter_ >= 3) m = kRetrying;
  } else {
    repeatCounter_ = 0;
  }
  if (repeatCounter_ >= 4) return;
  // While the boot loader talks, protocol errors are expected and not worth showing.
  if (m == kProtocolError && link_.firmwareTransferActive) return;

  statusLine_ = m;
  if (sink_) sink_->showStatus(m);

  if (settings_.recordMessages && !filePath_.empty()) {
    // Opened and closed per message so that the file can be read or deleted meanwhile.
    // A file that cannot be opened is silently skipped.
    appendToFile(filePath_, messageFileLine(clock_.now(), m) + "\r\n");
  }
}

std::string messageFileLine(const LocalDateTime& t, const std::string& message) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%d.%02d.%02d %02d:%02d:%02d : ", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  // One message, one line: a control character inside it would break the file's layout.
  std::string line = stamp + message;
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return line;
}

}  // namespace qx
