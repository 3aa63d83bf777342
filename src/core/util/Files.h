#pragma once
// File helpers. Saves never destroy the previous file: the new content goes to a temporary
// file in the same folder, which is renamed over the target only when it is complete.

#include <cstdint>
#include <optional>
#include <string>

#include "core/util/Bytes.h"

namespace qx {

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
