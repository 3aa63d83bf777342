#pragma once
// The frame of every printout (the power report and the lambda log): a title, the
// "gedruckt am" line and a two-line footer naming the program and the computer. A printout
// is one page drawn in points (1/72 inch); the platform prints the drawing as it stands.

#include <string>

#include "core/draw/Drawing.h"

namespace qx {

struct LocalDateTime;
class SystemInfo;

inline constexpr double kPrintTitleSize = 20;
inline constexpr double kPrintTextSize = 7;

// How a print job ended: printed, print dialog cancelled, or the printer refused the job.
enum class PrintResult { Printed, Cancelled, Failed };

// One page: white, width and height in points.
Drawing printPage(double pageWidth, double pageHeight);

// "gedruckt am dd.mm.yyyy, um hh:ii:ss".
std::string printedAtText(const LocalDateTime& when);
// "[ CPU: name (nx), RAM: mMB, PC: computer, Benutzer: user ]", memory in whole MB.
std::string systemFooterText(SystemInfo& system);
inline constexpr const char* kFooterProgramLine =
    "*** ORK - Zünd- und Einspritzsteuerung für 2-Takt-Motoren ***";

// The title centred in the top 30 points of the page (also the print job's name).
void addPrintTitle(Drawing& page, const std::string& title);
// The print time, right-aligned at the top.
void addPrintDate(Drawing& page, const LocalDateTime& when);
// The two footer lines, centred at the bottom.
void addPrintFooter(Drawing& page, SystemInfo& system);

// A text of the printout's size 7 at (x, y), top-left, or right-aligned in a box of width w.
void printText(Drawing& page, double x, double y, const std::string& text);
void printTextRight(Drawing& page, double x, double y, double w, const std::string& text);

}  // namespace qx
