#pragma once
// The open log file while recording: every record is handed to the system as soon as it is
// written, so a crash of the program keeps what was recorded.

#include <string>
#include <string_view>

namespace qx {

class LogFile {
 public:
  LogFile() = default;
  ~LogFile() { close(); }
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Creates or truncates the file for writing. False when that is not possible.
  bool create(const std::string& path);
  // Writes the bytes whole. False when the system refuses (a full disk).
  bool write(std::string_view bytes);
  // False when closing reports a failure; nothing when no file is open.
  bool close();
  bool isOpen() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
  std::string path_;
};

// A file that replaces its target only once it is complete: written under a temporary name
// in the same folder and renamed over the target by commit().
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string target);
  ~AtomicFileWriter();  // removes the temporary file unless committed
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool opened() const { return fd_ >= 0; }
  bool write(std::string_view bytes);
  // Flushes to the disk, closes and renames. False (and the old target intact) on failure.
  bool commit();

 private:
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool ok_ = true;
  bool committed_ = false;
};

}  // namespace qx
