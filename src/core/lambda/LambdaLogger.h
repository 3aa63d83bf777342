#pragma once
// The lambda logger window's state and its actions on the unit: reading the unit's lambda
// log from its EEPROM or RAM ("B"), clearing it ("C"), the probes averaged in the display,
// and the comment that goes with a saved table.

#include <array>
#include <string>
#include <string_view>

#include "core/draw/Drawing.h"
#include "core/lambda/LambdaTable.h"

namespace qx {

class SerialLink;
struct SetupRecord;

// Which of the unit's two lambda logs a read or a clear addresses (the selector byte).
enum class LambdaLogMemory : int { Ram = 0, Eeprom = 1 };

// What a cell of the table shows: "Werte [V]" or "++ / --".
enum class LambdaCellText { Volts, Symbols };

// What is kept with the table and goes into its file and printout. Saving sets it; loading
// reads it from the file.
struct LambdaLogMeta {
  std::string logDate, logTime, logHw, logSw;
};

// The texts of "Pfad:", "Datei:", "Log_Datum:", "Log_Zeitpunkt:", "Log_HW:", "Log_SW:".
// Only a load changes them.
struct LambdaLogFields {
  std::string path, file, logDate, logTime, logHw, logSw;
};

struct LambdaLoggerState {
  // "Lambda 1", "Lambda 2", "Lambda 3": the probes averaged in each cell.
  std::array<bool, 3> probes{true, true, true};
  LambdaCellText cellText = LambdaCellText::Volts;
  // "Kommentar:", kept by the rules of cleanLambdaComment.
  std::string comment = "...";
  // Folder (with its trailing '/') and name of the last file saved or loaded: the default
  // of the next file requester.
  std::string folder, fileName;
  LambdaLogMeta meta;
  LambdaLogFields fields;
  // The operating-point cell framed by the last table drawing.
  LambdaCell framed{1, 1};
  // The table as the window paints it, drawn anew on every tick while the window is shown.
  Drawing table;
};

// The comment as "Kommentar:" keeps it when it loses the focus: its first 100 characters
// without line feeds, carriage returns and commas (so it stays one field of one line in the
// file); "..." when nothing is left.
std::string cleanLambdaComment(std::string_view text);

// "EEPROM lesen" / "RAM lesen": sends "B" and the selector, waits 200 ms for the unit to
// answer, then takes its 920-byte reply: the logging flag (into the setup's
// lambdaLoggingActive, for either memory) and 459 values high byte first, column outer,
// then row, probe inner. Does nothing while the unit is not identified; on a failed reply
// reports the failure and leaves the table as it was. True when the table was read.
bool readUnitLambdaLog(LambdaTable& table, SetupRecord& setup, SerialLink& link,
                       LambdaLogMemory memory);

// "EEPROM löschen" / "RAM löschen": "C" and the selector, without a question or a message.
void clearUnitLambdaLog(SerialLink& link, LambdaLogMemory memory);

// The mean of the cell's values of the ticked probes; 0 when none is ticked.
double lambdaCellMean(const LambdaTable& table, int column, int row,
                      const std::array<bool, 3>& probes);

// "Pfad:" shows a path longer than 50 characters as its first 22 characters, " ... " and
// its last 22.
std::string shortenedLambdaPath(std::string_view path);

}  // namespace qx
