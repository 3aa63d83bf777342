#pragma once
// File helpers. Saves never destroy the previous file: the new content goes to a temporary
// file in the same folder, which is renamed over the target only when it is complete.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/util/Bytes.h"

namespace qx {

// The steps of writing a file. A fault hook (for tests) can make any step fail as the
// system would: a failing write has written part of its bytes first, as on a full disk.
enum class FileStep { Create, Write, Sync, Close, Rename };
// Returns true when the step on the file at `path` is to fail. Empty: no faults.
using FileFaultHook = std::function<bool(FileStep step, const std::string& path)>;
void setFileFaultHook(FileFaultHook hook);

// The steps themselves, each through the fault hook. createExclusive makes a new file for
// writing (-1 when it exists or cannot be made); writeAllBytes retries short writes;
// syncAndClose flushes to the disk and closes (the descriptor is closed in any case).
int createExclusive(const std::string& path);
bool writeAllBytes(int fd, const std::string& path, const std::uint8_t* data, std::size_t size);
bool syncAndClose(int fd, const std::string& path);
bool renameFile(const std::string& from, const std::string& to);
// A free name for a temporary file next to path.
std::string temporarySibling(const std::string& path);

// Writes the whole content atomically. Returns false (and leaves any old file untouched)
// when the temporary file cannot be created, written, flushed or renamed.
bool writeFileAtomically(const std::string& path, const Bytes& content);

// Appends bytes to a file, creating it when missing; the file is closed again before
// returning. Returns false when it cannot be opened or written.
bool appendToFile(const std::string& path, const std::string& bytes);

// Reads a whole file. Returns nothing when it cannot be opened or read.
std::optional<Bytes> readWholeFile(const std::string& path);

// Reads at most maxBytes from the start of a file. Nothing when it cannot be opened or read.
std::optional<Bytes> readFileStart(const std::string& path, std::size_t maxBytes);

// Whether a file exists (and is a regular file).
bool fileExists(const std::string& path);

// The size of a file in bytes, or nothing when it does not exist.
std::optional<std::uintmax_t> fileSize(const std::string& path);

}  // namespace qx
