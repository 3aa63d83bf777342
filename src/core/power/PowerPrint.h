#pragma once
// The printed power report ("Druck"): the printout frame, the air and vehicle data, a block
// per shown curve, the legend, the cursor values and the power/torque diagram, all in points.

#include <string>

#include "core/draw/Drawing.h"
#include "core/print/PrintFrame.h"

namespace qx {

struct PowerRun;
struct ProgramSettings;
struct LocalDateTime;
class SystemInfo;
class MessageLog;

inline constexpr const char* kPowerPrintTitle = "ORK - Leistungsvergleich";

// The page after the print dialog was accepted, on a page of the given size in points. Like
// the diagram area, the diagram is drawn only while "Messung" is selected; it updates the
// cursor and the "Werte" texts as a redraw does.
Drawing powerPrintPage(PowerRun& run, const ProgramSettings& settings, const LocalDateTime& now,
                       SystemInfo& system, double pageWidth, double pageHeight);

// The status message that ends a print: "Leistungsvergleich gedruckt", or "Drucken
// abgebrochen" when the dialog was cancelled or the printer refused the job.
void reportPowerPrint(MessageLog& log, PrintResult result);

}  // namespace qx
