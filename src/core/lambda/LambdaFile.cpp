#include "core/lambda/LambdaFile.h"
#include "core/setup/MapAxes.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "core/lambda/LambdaRating.h"
#include "core/link/DeviceInfo.h"
#include "core/ports/Clock.h"
#include "core/util/LineReader.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
void appendLine(Bytes& out, const std::string& text) {
  appendText(out, text);
  appendText(out, "\r\n");
}

std::string twoDigits(int v) {
  return (v >= 0 && v < 10 ? "0" : "") + intText(v);
}

// A unit text or a file name for a header line: a control character (a line break from the
// unit, say) becomes a blank, so it can never shift the lines that follow.
std::string lineSafe(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return out;
}

// The unit's bytes, one per character, as file text.
std::string unitText(const std::string& bytes) {
  return latin1ToUtf8(lineSafe(bytes));
}

// Throttle of row r as the file labels it: (r - 1) x 12.5, ties to even.
std::string throttleLabel(int row) {
  return intText(axes::throttleLabelEven(row - 1));
}

std::string_view field(std::string_view line, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  return line.substr(start, line.find(',', start) - start);
}

// A volt value of the file in mV; text that is no number gives 0.
int millivolts(std::string_view text) {
  const auto parsed = parseDecimal(text);
  const double volts = parsed ? *parsed : static_cast<double>(decimalReading(text));
  if (!std::isfinite(volts)) return 0;
  const double limit = std::numeric_limits<int>::max();
  return static_cast<int>(
      clampTo<double>(static_cast<double>(roundHalfAway(volts * 1000.0)), -limit, limit));
}

void appendProbe(Bytes& out, const LambdaTable& table, int probe) {
  appendLine(out, "Lambda " + intText(probe));
  appendLine(out, "Drosselklappe [%]");
  for (int row = LambdaTable::kRows; row >= 1; --row) {
    appendText(out, throttleLabel(row));
    for (int column = 1; column <= LambdaTable::kColumns; ++column) {
      out.push_back(',');
      appendText(out, lambdaVoltsText(table.at(column, row, probe)));
    }
    appendText(out, "\r\n");
  }
  appendText(out, "Umin -> ");
  for (int c = 0; c < LambdaTable::kColumns; ++c) {
    out.push_back(',');
    appendText(out, intText(axes::speedRpm(c)));
  }
  appendText(out, "\r\n");
  appendLine(out, "");
}
}  // namespace

LambdaLogMeta lambdaLogMetaAt(const LocalDateTime& t, const DeviceInfo& device,
                              bool unitIdentified) {
  LambdaLogMeta m;
  m.logDate = twoDigits(t.day) + "." + twoDigits(t.month) + "." + intText(t.year);
  m.logTime = twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
  if (unitIdentified) {
    m.logHw = unitText(device.hardware);
    m.logSw = unitText(device.software);
  }
  return m;
}

Bytes encodeLambdaFile(const LambdaTable& table, const std::string& fileName,
                       const LambdaLogMeta& meta, const std::string& comment) {
  Bytes out;
  out.reserve(4096);  // a table of three probes is about 3 KB
  appendLine(out, "ORK-Lambdalog");
  appendLine(out, "Datei:," + lineSafe(fileName));
  appendLine(out, "Datum:," + meta.logDate);
  appendLine(out, "Uhrzeit:," + meta.logTime);
  appendLine(out, "ORK HW:," + lineSafe(meta.logHw));
  appendLine(out, "ORK SW:," + lineSafe(meta.logSw));
  appendLine(out, "");
  // The comment keeps to one field of one line whatever the caller passes.
  const Bytes commentLine = utf8ToUtf16le("Kommentar:," + cleanLambdaComment(comment) + "\r\n");
  out.insert(out.end(), commentLine.begin(), commentLine.end());
  appendLine(out, "");
  for (int probe = 1; probe <= LambdaTable::kProbes; ++probe) appendProbe(out, table, probe);
  appendLine(out, "Dateiende");
  return out;
}

LambdaFileContents parseLambdaFile(std::span<const std::uint8_t> file) {
  LambdaFileContents c;
  LineReader in(file);
  in.utf8Line();
  in.utf8Line();
  c.meta.logDate = field(in.utf8Line(), 1);
  c.meta.logTime = field(in.utf8Line(), 1);
  c.meta.logHw = field(in.utf8Line(), 1);
  c.meta.logSw = field(in.utf8Line(), 1);
  in.utf8Line();
  c.comment = field(in.utf16Line(), 1);
  in.utf8Line();
  for (int probe = 1; probe <= LambdaTable::kProbes; ++probe) {
    in.utf8Line();
    in.utf8Line();
    for (int row = LambdaTable::kRows; row >= 1; --row) {
      const std::string line = in.utf8Line();
      // The fields after the row label one after the other; a missing one reads as 0.
      std::string_view rest = line;
      for (int column = 1; column <= LambdaTable::kColumns; ++column) {
        const std::size_t comma = rest.find(',');
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        c.table.at(column, row, probe) =
            comma == std::string_view::npos ? 0 : millivolts(rest.substr(0, rest.find(',')));
      }
    }
    in.utf8Line();
    in.utf8Line();
  }
  return c;
}

}  // namespace qx
