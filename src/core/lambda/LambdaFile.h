#pragma once
// The lambda log file (".oll"): a short header with the file name, the date and time of
// saving, the unit's hardware and software and a comment, then for each probe a table of
// the voltages in V by throttle row (top row first) and speed column. Text lines end with
// CR LF; the comment line alone is UTF-16LE, its line end included.

#include <cstdint>
#include <span>
#include <string>

#include "core/lambda/LambdaLogger.h"
#include "core/util/Bytes.h"

namespace qx {

struct DeviceInfo;
struct LocalDateTime;

// The header values of a saved table: date and time of saving, and the hardware and
// software of the unit connected then (empty when none is identified).
LambdaLogMeta lambdaLogMetaAt(const LocalDateTime& savedAt, const DeviceInfo& device,
                              bool unitIdentified);

Bytes encodeLambdaFile(const LambdaTable& table, const std::string& fileName,
                       const LambdaLogMeta& meta, const std::string& comment);

struct LambdaFileContents {
  LambdaTable table;
  LambdaLogMeta meta;
  std::string comment;
};

// Reads the layout line by line; lines or fields that are missing read as empty text and
// give 0 values. The header text and "Dateiende" are not checked.
LambdaFileContents parseLambdaFile(std::span<const std::uint8_t> file);

}  // namespace qx
