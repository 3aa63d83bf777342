#include "core/lambda/LambdaPrint.h"

#include <array>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/lambda/LambdaRating.h"
#include "core/ports/Clock.h"
#include "core/ports/Printer.h"
#include "core/setup/MapAxes.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr Rgb kInk{0, 0, 0};
constexpr double kHeadSize = 10;  // header, rating block and the probes' headings
constexpr double kCellWidth = 25, kCellHeight = 10, kColumnStep = 30, kRowStep = 12;
constexpr double kBlockStep = 192;
// At the header's size a line of this many characters ends before the rating block at
// x 420; a longer comment goes on to the next lines.
constexpr std::size_t kCommentLineCharacters = 48;
constexpr double kCommentIndent = 88;  // where the comment starts after "Kommentar: "
constexpr double kCommentLineStep = 13;

TextStyle textStyle(double size, HAlign h = HAlign::Left, VAlign v = VAlign::Top) {
  TextStyle s;
  s.size = size;
  s.h = h;
  s.v = v;
  s.opaque = false;
  return s;
}

void text(Drawing& d, double x, double y, const std::string& t, double size) {
  d.text(x, y, t, kInk, textStyle(size));
}

// Centred in a field of the cells' width whose left edge is x.
void centred(Drawing& d, double x, double y, const std::string& t, VAlign v = VAlign::Top) {
  d.text(x + kCellWidth / 2, y, t, kInk, textStyle(kPrintTextSize, HAlign::Centre, v));
}

void headerBlock(Drawing& d, const LambdaLoggerState& s) {
  text(d, 30, 40, "Datei: " + s.fileName, kHeadSize);
  text(d, 30, 55, "Datum: " + s.meta.logDate, kHeadSize);
  text(d, 30, 70, "Uhrzeit: " + s.meta.logTime, kHeadSize);
  text(d, 30, 95, "ORK HW: " + s.meta.logHw, kHeadSize);
  text(d, 30, 110, "ORK SW: " + s.meta.logSw, kHeadSize);
  const std::vector<std::string> comment = lambdaPrintCommentLines(s.comment);
  text(d, 30, 125, "Kommentar: " + comment.front(), kHeadSize);
  for (std::size_t i = 1; i < comment.size(); ++i)
    text(d, kCommentIndent, 125 + kCommentLineStep * static_cast<double>(i), comment[i], kHeadSize);
}

void ratingBlock(Drawing& d, const ProgramSettings& settings) {
  text(d, 420, 40, "Lambdabewertung [V]", kHeadSize);
  const char* labels[] = {"sehr fett (++): ", "fett (+): ", "mager (-): ", "sehr mager (--): "};
  const std::array<std::string, 4> thresholds = lambdaThresholdTexts(settings);
  for (std::size_t i = 0; i < 4; ++i) {
    const double y = 65 + 15 * static_cast<double>(i);
    text(d, 450, y, labels[i], kHeadSize);
    text(d, 520, y, thresholds[i], kHeadSize);
  }
  // Very rich at the top, as in the window's legend, so that each threshold stands between
  // the two colours it separates.
  const double swatchY[] = {57, 72, 88, 102, 117};
  for (std::size_t i = 0; i < kLambdaLegendRatings.size(); ++i)
    d.fillRect(420, swatchY[i], 20, 11, lambdaRatingColour(kLambdaLegendRatings[4 - i]));
}

void probeTable(Drawing& d, const LambdaTable& table, const LambdaThresholds& thresholds,
                int probe) {
  const double top = kBlockStep * probe;
  text(d, 30, top, "Lambda " + intText(probe), kHeadSize);
  text(d, 30, top + 12, "Drossel-", kPrintTextSize);
  text(d, 30, top + 24, "klappe", kPrintTextSize);
  text(d, 35, top + 36, "[%]", kPrintTextSize);
  for (int i = 1; i <= LambdaTable::kRows; ++i) {
    const int row = LambdaTable::kRows + 1 - i;
    const double y = top + 36 + i * kRowStep, middle = y + kCellHeight / 2;
    centred(d, 30, middle, intText(axes::throttleLabelRounded(row - 1)), VAlign::Middle);
    for (int c = 1; c <= LambdaTable::kColumns; ++c) {
      const int mv = table.at(c, row, probe);
      const double x = 30 + c * kColumnStep;
      d.fillRect(x, y, kCellWidth, kCellHeight, lambdaRatingColour(rateLambda(mv, thresholds)));
      centred(d, x, middle, lambdaVoltsText(mv), VAlign::Middle);
    }
  }
  text(d, 30, top + 156, "x10 ->", kPrintTextSize);
  text(d, 30, top + 168, "[Umin]", kPrintTextSize);
  for (int c = 0; c < LambdaTable::kColumns; ++c)
    centred(d, 60 + c * kColumnStep, top + 156, intText(c * 100));
}
}  // namespace

std::vector<std::string> lambdaPrintCommentLines(const std::string& comment) {
  std::vector<std::string> lines;
  std::string rest = comment;
  while (utf8Length(rest) > kCommentLineCharacters) {
    std::string head = utf8Left(rest, kCommentLineCharacters + 1);
    const std::size_t blank = head.find_last_of(' ');
    if (blank != std::string::npos && blank > 0) {
      lines.push_back(head.substr(0, blank));
      rest = rest.substr(blank + 1);
    } else {
      head = utf8Left(rest, kCommentLineCharacters);
      lines.push_back(head);
      rest = rest.substr(head.size());
    }
  }
  if (!rest.empty() || lines.empty()) lines.push_back(rest);
  return lines;
}

Drawing lambdaPrintPage(const LambdaTable& table, const LambdaLoggerState& state,
                        const ProgramSettings& settings, const LocalDateTime& now,
                        SystemInfo& system, double pageWidth, double pageHeight) {
  Drawing d = printPage(pageWidth, pageHeight);
  addPrintTitle(d, kLambdaPrintTitle);
  addPrintDate(d, now);
  headerBlock(d, state);
  ratingBlock(d, settings);
  const LambdaThresholds thresholds = lambdaThresholds(settings);
  for (int probe = 1; probe <= LambdaTable::kProbes; ++probe)
    probeTable(d, table, thresholds, probe);
  addPrintFooter(d, system);
  return d;
}

void reportLambdaPrint(MessageLog& messages, PrintResult result) {
  switch (result) {
    case PrintResult::Printed:
      messages.reportStatus("Lambdalog gedruckt");
      break;
    case PrintResult::Cancelled:
      messages.reportStatus("Lambdalog drucken fehlgeschlagen oder kein Drucker gewählt ");
      break;
    case PrintResult::Failed:
      messages.reportStatus("Lambdalog drucken abgebrochen oder Fehler ");
      break;
  }
}

void printLambdaLog(const LambdaTable& table, const LambdaLoggerState& state,
                    const ProgramSettings& settings, Printer& printer, SystemInfo& system,
                    Clock& clock, MessageLog& messages) {
  const PrintResult result = printer.printPage(kLambdaPrintTitle, [&](double w, double h) {
    return lambdaPrintPage(table, state, settings, clock.now(), system, w, h);
  });
  reportLambdaPrint(messages, result);
}

}  // namespace qx
