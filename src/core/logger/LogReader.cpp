#include "core/logger/LogReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <future>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/logger/LogFormat.h"
#include "core/ports/LoggerTimer.h"
#include "core/ports/Requesters.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr std::size_t kBufferBytes = 128 * 1024;
constexpr std::size_t kMaxDeviceText = 255;
// "0,0,0,0,0,0.00,0.00,0.00,0,0,0,0,0,0,0,,,," and its line end.
constexpr std::int64_t kShortestRecordLine = 44;

// Lines of a file (or of bytes in memory) read in large blocks. A line longer than the block
// is cut to the block; the rest of it is skipped.
class LineSource {
 public:
  // The buffer has room behind its end, so a line may be read a few bytes past its end.
  explicit LineSource(int fd)
      : fd_(fd), block_(kBufferBytes), buffer_(block_ + kRecordLinePadding) {}
  // Bytes in memory that fit one block need no larger one: every line of them fits.
  explicit LineSource(std::span<const std::uint8_t> bytes)
      : memory_(bytes),
        block_(std::clamp<std::size_t>(bytes.size(), 1, kBufferBytes)),
        buffer_(block_ + kRecordLinePadding) {}

  bool atEnd() {
    if (begin_ == end_) fill();
    return begin_ == end_;
  }

  std::string_view next() {
    for (;;) {
      const char* from = buffer_.data() + begin_;
      const void* lf = std::memchr(from, '\n', end_ - begin_);
      if (lf) {
        const auto at = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data());
        std::string_view line(from, at - begin_);
        begin_ = at + 1;
        return trimCr(line);
      }
      if (eof_ || (begin_ == 0 && end_ == block_)) {
        // The last line, or one longer than the whole block.
        std::string_view line(from, end_ - begin_);
        const bool overlong = !eof_;
        begin_ = end_;
        if (overlong) skipToLineEnd_ = true;
        return trimCr(line);
      }
      fill();
    }
  }

 private:
  static std::string_view trimCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  // Moves the unread bytes to the front and reads behind them.
  void fill() {
    if (eof_) return;
    if (begin_ > 0) {
      std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
      end_ -= begin_;
      begin_ = 0;
    }
    while (end_ < block_ && !eof_) {
      const ssize_t n = readMore(buffer_.data() + end_, block_ - end_);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        eof_ = true;  // a read error ends the file like its end
        break;
      }
      end_ += static_cast<std::size_t>(n);
      if (skipToLineEnd_) dropToLineEnd();
    }
  }

  ssize_t readMore(char* to, std::size_t room) {
    if (fd_ >= 0) return ::read(fd_, to, room);
    const std::size_t n = std::min(room, memory_.size());
    if (n > 0) std::memcpy(to, memory_.data(), n);
    memory_ = memory_.subspan(n);
    return static_cast<ssize_t>(n);
  }

  void dropToLineEnd() {
    const void* lf = std::memchr(buffer_.data(), '\n', end_);
    if (!lf) {
      end_ = 0;
      return;
    }
    const auto rest = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data()) + 1;
    std::memmove(buffer_.data(), buffer_.data() + rest, end_ - rest);
    end_ -= rest;
    skipToLineEnd_ = false;
  }

  int fd_ = -1;
  std::span<const std::uint8_t> memory_;
  std::size_t block_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
  bool skipToLineEnd_ = false;
};

// The records of the remaining lines, in file order. A big file's lines are parsed in
// batches on two helper threads while this thread reads ahead and stores; a small one's on
// this thread as they come. Both give the same records.
class RecordSource {
 public:
  RecordSource(LineSource& in, bool parallel) : in_(in), parallel_(parallel) {
    if (parallel_)
      for (int b = 0; b < kBatches; ++b) free_.push_back(b);
  }
  RecordSource(const RecordSource&) = delete;
  RecordSource& operator=(const RecordSource&) = delete;
  ~RecordSource() {
    for (const int b : queue_) batches_[b].done.wait();
  }

  // The next record, or nullptr at the end of the file.
  const LogRecord* next() {
    if (!parallel_) {
      if (in_.atEnd()) return nullptr;
      const std::string_view line = in_.next();
      single_ = parseRecordLinePadded(line.data(), line.size());
      return &single_;
    }
    while (current_ < 0 || position_ == batches_[current_].records.size()) {
      if (current_ >= 0) free_.push_back(current_);
      current_ = -1;
      launchFree();
      if (queue_.empty()) return nullptr;
      current_ = queue_.front();
      queue_.pop_front();
      batches_[current_].done.get();
      position_ = 0;
    }
    return &batches_[current_].records[position_++];
  }

 private:
  static constexpr int kBatches = 3;  // two being parsed, one being stored
  static constexpr std::size_t kBatchLines = 16384;

  // Lines copied one after another; a line's parse may read into the next one or into the
  // padding behind the last, never beyond.
  struct Batch {
    std::vector<char> bytes;
    std::vector<std::uint32_t> ends;
    std::vector<LogRecord> records;
    std::future<void> done;
  };

  static void parse(Batch& b) {
    b.records.resize(b.ends.size());
    std::uint32_t begin = 0;
    for (std::size_t k = 0; k < b.ends.size(); ++k) {
      b.records[k] = parseRecordLinePadded(b.bytes.data() + begin, b.ends[k] - begin);
      begin = b.ends[k];
    }
  }

  void fill(Batch& b) {
    b.bytes.clear();
    b.ends.clear();
    while (b.ends.size() < kBatchLines && !in_.atEnd()) {
      const std::string_view line = in_.next();
      b.bytes.insert(b.bytes.end(), line.begin(), line.end());
      b.ends.push_back(static_cast<std::uint32_t>(b.bytes.size()));
    }
    b.bytes.resize(b.bytes.size() + kRecordLinePadding);
  }

  void launchFree() {
    while (!free_.empty() && !in_.atEnd()) {
      const int index = free_.back();
      free_.pop_back();
      Batch& b = batches_[index];
      fill(b);
      try {
        b.done = std::async(std::launch::async, [&b] { parse(b); });
      } catch (const std::system_error&) {
        // No thread to be had: the batch is parsed here.
        std::promise<void> parsed;
        parse(b);
        parsed.set_value();
        b.done = parsed.get_future();
      }
      queue_.push_back(index);
    }
  }

  LineSource& in_;
  const bool parallel_;
  LogRecord single_{};
  std::array<Batch, kBatches> batches_;
  std::vector<int> free_;
  std::deque<int> queue_;
  int current_ = -1;
  std::size_t position_ = 0;
};

// Files from this size on are parsed on helper threads.
constexpr std::int64_t kParallelFromBytes = 4 << 20;

void readHeader(LoggerState& state, LineSource& in) {
  auto line = [&in]() { return in.atEnd() ? std::string_view() : in.next(); };
  line();  // the file's own name: the name it is read under counts
  state.shown.fileName = state.fileName;
  state.logDate = parseLogDate(afterFirstComma(line()));
  state.logTime = parseLogTime(afterFirstComma(line()));
  state.shown.date = state.logDate ? logDateText(*state.logDate) : std::string();
  state.shown.time = state.logTime ? logTimeText(*state.logTime) : std::string();
  line();
  state.logHardware = utf8Left(afterFirstComma(line()), kMaxDeviceText);
  state.logSoftware = utf8Left(afterFirstComma(line()), kMaxDeviceText);
  state.shown.hardware = state.logHardware;
  state.shown.software = state.logSoftware;
  line();
  state.comment = utf8Left(afterFirstComma(line()), kMaxCommentCharacters);
  for (int i = 9; i <= kLogHeaderLines; ++i) line();
}

// Makes room for the estimated number of records; says so when the memory is not there.
void sizeForEstimate(LogTable& table, ProgramSettings& settings, std::int64_t estimate,
                     LoggerPorts& ports) {
  if (table.capacity() >= estimate) return;
  if (table.sizeFor(estimate)) {
    settings.maxLogRecords = static_cast<std::int32_t>(table.capacity());
    ports.screen.capacityChanged();
    return;
  }
  ports.requesters.message(
      kLoggerTitle, " Es steht nicht genügend Arbeitsspeicher für die geschätzte Datenfeldgröße (" +
                        intText(estimate) +
                        ") zur Verfügung.\r\rGgf. ist der Arbeitsspeicher zu klein.\r\r\rDie "
                        "Datei wird schrittweise eingelesen, bis der Speicher voll ist.");
  ports.messages.reportStatus(
      "Nicht genügend Arbeitsspeicher für Log-datei verfügbar. Lesen erfolgt, bis Speicher voll "
      "ist");
}

void readRecords(LoggerState& state, LogTable& table, ProgramSettings& settings, LineSource& in,
                 std::int64_t size, std::int64_t estimate, LoggerPorts& ports) {
  RecordSource records(in, size >= kParallelFromBytes && std::thread::hardware_concurrency() > 1);
  int i = 0;
  // The record at which the shown percentage changes next (no division per record).
  std::int64_t nextShownAt = 1;
  while (i < table.capacity()) {
    const LogRecord* record = records.next();
    if (!record) break;
    ++i;
    table.storeRecord(i, *record);
    if (i >= nextShownAt) {
      const std::int64_t percent = static_cast<std::int64_t>(i) * 100 / estimate;
      state.shown.dataPoint = intText(i) + " (~" + intText(percent) + "%)";
      state.shown.progress = i;
      nextShownAt = ((percent + 1) * estimate + 99) / 100;
      ports.screen.readingProgress();
    }
    if (i == table.capacity()) {
      if (table.growByOne()) {
        settings.maxLogRecords = static_cast<std::int32_t>(table.capacity());
      } else {
        ports.requesters.message(
            kLoggerTitle,
            " Die Log-Datei konnte mangels Speicherplatz nicht vollständig eingelesen werden.");
        ports.messages.reportStatus(
            "Log-Datei konnte mangels Speicherplatz nicht vollständig gelesen werden");
      }
      state.shown.progressMaximum = table.capacity();
    }
  }
}

void readLog(LoggerState& state, LogTable& table, ProgramSettings& settings, LineSource& in,
             std::int64_t size, LoggerPorts& ports) {
  ports.timer.stop();
  readHeader(state, in);
  // A file under 65 bytes still counts as one record, so the percentage never divides by 0.
  const std::int64_t estimate =
      std::clamp<std::int64_t>(size / LogTable::kBytesPerRecord, 1, LogTable::kMaxCapacity);
  // The old records are gone from now on, whatever the file holds.
  table.setCount(0);
  sizeForEstimate(table, settings, estimate, ports);
  // Room for as many records as the shortest lines the logger writes would give, while the
  // table is still empty: growing beyond the estimate then moves nothing. Only the rows
  // that are filled cost memory.
  table.reserveStorage(std::min<std::int64_t>(size / kShortestRecordLine, LogTable::kMaxCapacity));
  state.shown.progressMaximum = table.capacity();
  readRecords(state, table, settings, in, size, estimate, ports);
  table.trimStorage();
  state.shown.dataPoint = intText(table.count()) + " / " + intText(table.capacity());
  ports.messages.reportStatus("Logger-Datei " + state.fileName + " gelesen");
  table.cursor = 1;
  ports.timer.start(settings.loggerTimerMs);
  ports.screen.showTexts();
}
}  // namespace

void readLogFile(LoggerState& state, LogTable& table, ProgramSettings& settings, int fd,
                 LoggerPorts& ports) {
  LineSource in(fd);
  struct stat st {};
  const std::int64_t size = ::fstat(fd, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : 0;
  readLog(state, table, settings, in, size, ports);
}

void readLogBytes(LoggerState& state, LogTable& table, ProgramSettings& settings,
                  std::span<const std::uint8_t> bytes, LoggerPorts& ports) {
  LineSource in(bytes);
  readLog(state, table, settings, in, static_cast<std::int64_t>(bytes.size()), ports);
}

void loadLog(LoggerState& state, LogTable& table, ProgramSettings& settings, LoggerPorts& ports) {
  if (state.logging) return;
  const auto chosen = ports.requesters.openFile("Log-Datei laden", state.path + state.fileName,
                                                "olg (*.olg)|*.olg|Alle Dateien (*.*)|*.*");
  if (!chosen || chosen->empty()) {
    ports.requesters.message(kLoggerTitle, "Log-Datei laden abgebrochen.");
    ports.messages.reportStatus("Log-datei laden abgebrochen");
    return;
  }
  // Not blocking on a pipe, and only a plain file counts as a log file.
  int fd = ::open(chosen->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    fd = -1;
  }
  if (fd < 0) {
    ports.requesters.message(kLoggerTitle, "Log-Datei laden nicht möglich.");
    ports.messages.reportStatus("Log-Datei konnte nicht geladen werden");
    return;
  }
  const auto slash = chosen->find_last_of('/');
  state.fileName = slash == std::string::npos ? *chosen : chosen->substr(slash + 1);
  setLogPath(state, slash == std::string::npos ? std::string("./") : chosen->substr(0, slash + 1));
  state.shown.fileName = state.fileName;
  readLogFile(state, table, settings, fd, ports);
  ::close(fd);
  ports.screen.capacityChanged();
  ports.screen.layOutChannels();
  ports.screen.redrawViewer();
}

}  // namespace qx
