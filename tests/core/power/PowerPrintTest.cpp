#include "core/power/PowerPrint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/LinkFlags.h"
#include "core/mainwin/DrawingQueries.h"
#include "core/ports/Clock.h"
#include "core/ports/SystemInfo.h"
#include "core/power/PowerRun.h"
#include "support/Fakes.h"

namespace qx {
namespace {

using test::textAt;

struct FixedSystem final : SystemInfo {
  std::string processorName() override { return "Intel(R) Core(TM) i5"; }
  int processorCount() override { return 4; }
  // 8 GiB and 600 KiB: 8192.59 MB.
  std::uint64_t physicalMemoryBytes() override { return 8ull * 1024 * 1024 * 1024 + 600 * 1024; }
  std::string computerName() override { return "WERKSTATT"; }
  std::string userName() override { return "max"; }
};

TEST(PowerPrint, ThePageCarriesDataBlockShownCurvesLegendAndCursorValues) {
  PowerRun run;
  run.inputs.temperatureC = 21, run.inputs.ratio = 0.12, run.inputs.inertia = 2.5;
  run.inputs.din = true;
  run.file = {"", "lauf1.olv", "07.05.2018", "14:03:09", "1.2", "2.7"};
  run.view.showCurve = {false, true, false, true};
  run.view.showPower = true;
  run.comparison[3] = {"alt.olv", "01.02.2017", "10:00:00", "alt", "linear", "(EWG80/1269)", ""};
  run.curves[2][kBinSpeed][80] = 4000, run.curves[2][kBinPower][80] = 20;
  run.curves[2][kBinSpeed][81] = 4050, run.curves[2][kBinPower][81] = 22;
  run.view.cursorRpm = 4025;
  ProgramSettings settings;
  settings.printText = "Prüfstand Nord";
  FixedSystem system;
  const Drawing page =
      powerPrintPage(run, settings, LocalDateTime{2018, 5, 7, 14, 3, 9}, system, 595, 842);

  // clang-format off
  const std::pair<DrawPoint, std::string> expected[] = {
    {{297.5, 15}, "ORK - Leistungsvergleich"}, {{297.5, 30}, "--- Prüfstand Nord ---"},
    {{45, 45}, "Temperatur:"}, {{108, 45}, "21"}, {{108, 55}, "1013"}, {{278, 55}, "0.12"},
    {{410, 65}, "Trägh.-Mom. Schwungmasse:"}, {{538, 65}, "2.5"}, {{545, 65}, "kgm^2"},
    // The current measurement and curve 3; curve 2 is not shown.
    {{55, 90}, "akt. Messung:"}, {{135, 100}, "DIN 70200"}, {{135, 110}, "ignor. Schlepp."},
    {{260, 100}, "lauf1.olv"}, {{200, 90}, "am: 07.05.2018"}, {{55, 120}, "<none>"},
    {{55, 150}, "Kurve 3:"}, {{135, 160}, "(EWG80/1269)"}, {{260, 170}, "alt"},
    // The legend follows the check boxes; the cursor values are those of "Werte".
    {{135, 190}, "Ja"}, {{135, 200}, "Nein"}, {{135, 210}, "Nein"},
    {{230, 200}, "4025"}, {{370, 200}, "21.0"}, {{300, 210}, "0.0"},
    // The frame that every printout shares.
    {{585, 15}, "gedruckt am 07.05.2018, um 14:03:09"},
    {{297.5, 822}, "*** ORK - Zünd- und Einspritzsteuerung für 2-Takt-Motoren ***"},
    {{297.5, 832}, "[ CPU: Intel(R) Core(TM) i5 (4x), RAM: 8193MB, PC: WERKSTATT, Benutzer: max ]"}};
  // clang-format on
  for (const auto& [at, text] : expected) EXPECT_EQ(textAt(page, at), text) << at.x << "," << at.y;
  // The diagram in the page's plot: its vertical axis at x 80 from 250 down to 767.
  EXPECT_EQ(test::countLines(page, {80, 250}, {80, 767}, Rgb{0, 0, 0}), 1);
}

TEST(PowerPrint, EveryPrintEndsWithItsStatusMessage) {
  test::ManualClock clock;
  LinkFlags flags;
  ProgramSettings settings;
  MessageLog log{flags, settings, clock};
  std::string shown;
  for (PrintResult r : {PrintResult::Printed, PrintResult::Cancelled, PrintResult::Failed}) {
    reportPowerPrint(log, r);
    shown += log.statusLine() + "|";
  }
  EXPECT_EQ(shown, "Leistungsvergleich gedruckt|Drucken abgebrochen|Drucken abgebrochen|");
}

}  // namespace
}  // namespace qx
