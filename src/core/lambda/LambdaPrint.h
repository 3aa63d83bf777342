#pragma once
// "Drucken" of the lambda logger window: the table on one page in points, in the printout
// frame of every printout, with the file's header values, the rating thresholds with their
// colours and one coloured table per probe.

#include <string>
#include <vector>

#include "core/draw/Drawing.h"
#include "core/lambda/LambdaLogger.h"
#include "core/print/PrintFrame.h"

namespace qx {

class Clock;
class MessageLog;
class Printer;
class SystemInfo;
struct LocalDateTime;
struct ProgramSettings;

inline constexpr const char* kLambdaPrintTitle = "ORK - Lambdalog";

// The page for the paper's printable size: the frame, "Datei:" .. "Kommentar:" from the
// state's file name, metadata and comment, the thresholds of the settings with their
// swatches, and for probe 1..3 its 9 x 17 cells in the rating colours with the volts.
Drawing lambdaPrintPage(const LambdaTable& table, const LambdaLoggerState& state,
                        const ProgramSettings& settings, const LocalDateTime& now,
                        SystemInfo& system, double pageWidth, double pageHeight);

// The comment as the page prints it: lines short enough to end before the rating block,
// broken at blanks where there are any.
std::vector<std::string> lambdaPrintCommentLines(const std::string& comment);

// The status message that ends a print.
void reportLambdaPrint(MessageLog& messages, PrintResult result);

// The whole print: the print dialog, the page, the status message.
void printLambdaLog(const LambdaTable& table, const LambdaLoggerState& state,
                    const ProgramSettings& settings, Printer& printer, SystemInfo& system,
                    Clock& clock, MessageLog& messages);

}  // namespace qx
