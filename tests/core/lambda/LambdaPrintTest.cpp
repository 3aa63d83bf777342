// The printed lambda log, checked at points computed by hand from the page layout.

#include "core/lambda/LambdaPrint.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/LinkFlags.h"
#include "core/mainwin/DrawingQueries.h"
#include "core/ports/Printer.h"
#include "core/ports/SystemInfo.h"
#include "support/Fakes.h"

namespace qx {
namespace {

using test::textAt;
constexpr Rgb kVeryLean{2, 123, 255}, kLean{2, 249, 255}, kGood{2, 255, 25}, kRich{230, 255, 2},
    kVeryRich{255, 113, 2}, kBlack{0, 0, 0};

struct FixedSystem final : SystemInfo {
  std::string processorName() override { return "ARM"; }
  int processorCount() override { return 2; }
  std::uint64_t physicalMemoryBytes() override { return 1024ull * 1024 * 1024; }
  std::string computerName() override { return "BOX"; }
  std::string userName() override { return "ute"; }
};

// Draws the page on A4 as a printer would, unless the dialog is "cancelled".
struct FakePrinter final : Printer {
  PrintResult printPage(const std::string& name,
                        const std::function<Drawing(double, double)>& page) override {
    jobName = name;
    if (result == PrintResult::Printed) drawn = page(595, 842);
    return result;
  }
  PrintResult result = PrintResult::Printed;
  std::string jobName;
  std::optional<Drawing> drawn;
};

std::optional<Rgb> boxAt(const Drawing& d, double x, double y, double w, double h) {
  for (const DrawItem& item : d.items)
    if (const auto* r = std::get_if<DrawRect>(&item);
        r && r->filled && test::near(r->topLeft, {x, y}) && r->w == w && r->h == h)
      return r->fill;
  return std::nullopt;
}

TEST(LambdaPrint, OnePageWithHeaderRatingBlockAndThreeColouredTables) {
  LambdaTable table;
  table.at(1, 9, 1) = 1234;  // first printed line, first column of probe 1
  table.at(17, 1, 2) = 401;  // last printed line, last column of probe 2
  table.at(5, 4, 3) = 2500;  // row 4 is printed line 6
  LambdaLoggerState state;
  state.fileName = "fahrt.oll";
  state.meta = {"01.06.2019", "17:45:00", "1.2", "2.7"};
  state.comment = "Sachsenring Runde drei mit neuer Hauptduese und leicht geaenderter Zuendung";
  ProgramSettings settings;
  settings.lambdaThresholdsMv = {900.0f, 650.0f, 450.0f, 250.0f};
  FixedSystem system;
  test::ManualClock clock;  // 07.05.2018 14:03:09
  LinkFlags flags;
  MessageLog log{flags, settings, clock};
  FakePrinter printer;
  printLambdaLog(table, state, settings, printer, system, clock, log);
  ASSERT_TRUE(printer.drawn);
  const Drawing& page = *printer.drawn;
  EXPECT_EQ(printer.jobName, "ORK - Lambdalog");
  EXPECT_EQ(log.statusLine(), "Lambdalog gedruckt");

  // clang-format off
  const std::pair<DrawPoint, std::string> expected[] = {
    {{297.5, 15}, "ORK - Lambdalog"}, {{585, 15}, "gedruckt am 07.05.2018, um 14:03:09"},
    {{30, 40}, "Datei: fahrt.oll"}, {{30, 55}, "Datum: 01.06.2019"},
    {{30, 70}, "Uhrzeit: 17:45:00"}, {{30, 95}, "ORK HW: 1.2"}, {{30, 110}, "ORK SW: 2.7"},
    // 75 characters: broken at the last blank within 48, so it ends before x 420.
    {{30, 125}, "Kommentar: Sachsenring Runde drei mit neuer Hauptduese und"},
    {{88, 138}, "leicht geaenderter Zuendung"},
    {{420, 40}, "Lambdabewertung [V]"}, {{450, 65}, "sehr fett (++): "}, {{520, 65}, "0.90"},
    {{450, 110}, "sehr mager (--): "}, {{520, 110}, "0.25"},
    // Probe k's block starts at y = 192 k; cells 25 wide, 30 apart from x 60, 12 apart from
    // y + 48, values centred in them.
    {{30, 192}, "Lambda 1"}, {{30, 204}, "Drossel-"}, {{35, 228}, "[%]"},
    {{42.5, 245}, "100"}, {{42.5, 341}, "0"}, {{72.5, 245}, "1.23"}, {{72.5, 257}, "0.00"},
    {{42.5, 281}, "63"}, {{42.5, 329}, "13"},
    {{30, 384}, "Lambda 2"}, {{552.5, 533}, "0.40"},
    {{30, 576}, "Lambda 3"}, {{192.5, 689}, "2.50"},
    {{30, 732}, "x10 ->"}, {{30, 744}, "[Umin]"}, {{72.5, 732}, "0"}, {{552.5, 732}, "1600"},
    {{297.5, 832}, "[ CPU: ARM (2x), RAM: 1024MB, PC: BOX, Benutzer: ute ]"}};
  // clang-format on
  for (const auto& [at, text] : expected) EXPECT_EQ(textAt(page, at), text) << at.x << "," << at.y;

  // Each cell in the colour of its own probe's value against the settings' thresholds.
  EXPECT_EQ(boxAt(page, 60, 240, 25, 10), kVeryRich);  // 1234 mV: 900 .. 2000
  EXPECT_EQ(boxAt(page, 60, 252, 25, 10), kVeryLean);  // 0 mV
  EXPECT_EQ(boxAt(page, 540, 528, 25, 10), kLean);     // 401 mV: 250 .. 450
  EXPECT_EQ(boxAt(page, 180, 684, 25, 10), kBlack);    // 2500 mV
  // The swatches, very rich at the top down to very lean.
  const std::pair<double, Rgb> swatches[] = {
      {57, kVeryRich}, {72, kRich}, {88, kGood}, {102, kLean}, {117, kVeryLean}};
  for (const auto& [y, colour] : swatches) EXPECT_EQ(boxAt(page, 420, y, 20, 11), colour) << y;
}

TEST(LambdaPrint, ACancelledDialogAndARefusedJobPrintNothingAndSaySo) {
  ProgramSettings settings;
  FixedSystem system;
  test::ManualClock clock;
  LinkFlags flags;
  MessageLog log{flags, settings, clock};
  FakePrinter printer;
  std::string shown;
  for (PrintResult r : {PrintResult::Cancelled, PrintResult::Failed}) {
    printer.result = r;
    printLambdaLog(LambdaTable{}, LambdaLoggerState{}, settings, printer, system, clock, log);
    shown += log.statusLine() + "|";
  }
  EXPECT_FALSE(printer.drawn);
  EXPECT_EQ(shown,
            "Lambdalog drucken fehlgeschlagen oder kein Drucker gewählt |"
            "Lambdalog drucken abgebrochen oder Fehler |");
}

}  // namespace
}  // namespace qx
