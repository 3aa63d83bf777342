#pragma once
// Reading a log file (".olg") back into the log table, and the logger window's "Log laden".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/logger/Logger.h"

namespace qx {

// Reads the open file (descriptor fd, positioned at its start) into the header fields and
// the table, as the window's "Log laden" does after opening it. The table is sized from the
// file size (65 bytes a record) and grows while the file holds more; memory that cannot be
// had ends the read with a message box, keeping the records read so far. The logger timer
// is removed while reading and added again afterwards.
void readLogFile(LoggerState& state, LogTable& table, ProgramSettings& settings, int fd,
                 LoggerPorts& ports);

// The same read from the bytes of a file already in memory.
void readLogBytes(LoggerState& state, LogTable& table, ProgramSettings& settings,
                  std::span<const std::uint8_t> bytes, LoggerPorts& ports);

// "Log laden" (only while not recording): the open-file requester, then the read; the
// folder and file name become those of the chosen file.
void loadLog(LoggerState& state, LogTable& table, ProgramSettings& settings, LoggerPorts& ports);

}  // namespace qx
