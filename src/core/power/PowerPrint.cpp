#include "core/power/PowerPrint.h"

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/power/PowerDiagram.h"
#include "core/power/PowerInputs.h"
#include "core/power/PowerRun.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr double kValueBox = 20;
// Values end this far inside their box, so that a unit set right after it ("1013 hPa")
// does not run into the number.
constexpr double kValueGap = 2;
constexpr double kCursorBox = 50;

struct DataRow {
  double y;
  const char* label;
  double labelX;
  std::string value;
  double valueX;
  const char* unit;
  double unitX;
};

void dataBlock(Drawing& d, const PowerInputs& in) {
  auto integer = [](double v) { return intText(truncateToInt(v)); };
  const DataRow rows[] = {
      {45, "Temperatur:", 45, integer(in.temperatureC), 90, "°C", 110},
      {55, "Luftdruck:", 45, integer(in.pressureHpa), 90, "hPa", 110},
      {65, "Luftfeuchte:", 45, integer(in.humidityPercent), 90, "% rel.", 110},
      {45, "Gewicht Fahrzeug:", 190, integer(in.weightKg), 260, "kg", 285},
      {55, "Übersetz. KW/Rad:", 190, fixedText(in.ratio, 2), 260, "", 0},
      {65, "Radumfang Fahrzeug:", 190, integer(in.wheelCm), 260, "cm", 285},
      {45, "cw-Wert:", 310, fixedText(in.dragCoefficient, 2), 360, "", 0},
      {65, "Rollenumfang:", 310, integer(in.rollerCm), 360, "cm", 385},
      {45, "Windwiderstandsfläche:", 410, fixedText(in.frontalArea, 2), 520, "m^2", 545},
      {65, "Trägh.-Mom. Schwungmasse:", 410, fixedText(in.inertia, 1), 520, "kgm^2", 545},
  };
  for (const DataRow& r : rows) {
    printText(d, r.labelX, r.y, r.label);
    printTextRight(d, r.valueX, r.y, kValueBox - kValueGap, r.value);
    if (*r.unit) printText(d, r.unitX, r.y, r.unit);
  }
}

struct CurveBlock {
  const char* name;
  std::string date, time, system, correction, drag, file, description;
};

CurveBlock blockOf(const PowerRun& run, int c) {
  if (c == 1)
    return {"akt. Messung:",
            run.file.date,
            run.file.time,
            systemText(run.inputs.system),
            correctionText(run.inputs),
            dragText(run.inputs.addDrag),
            run.file.fileName,
            run.inputs.description};
  const ComparisonCurve& k = run.comparison[static_cast<std::size_t>(c)];
  return {c == 2 ? "Kurve 2:" : "Kurve 3:",
          k.date,
          k.time,
          k.system,
          k.correction,
          k.drag,
          k.fileName,
          k.description};
}

void curveBlocks(Drawing& d, const PowerRun& run) {
  for (int c = 1; c <= 3; ++c) {
    if (!run.view.showCurve[static_cast<std::size_t>(c)]) continue;
    const double y = 60.0 + 30.0 * c;
    const CurveBlock b = blockOf(run, c);
    d.fillRect(45, y + 1, 6, 6, powerColours::curve(c));
    printText(d, 55, y, b.name);
    printText(d, 200, y, "am: " + b.date);
    printText(d, 280, y, "um: " + b.time);
    printText(d, 135, y, b.system);
    printText(d, 135, y + 10, b.correction);
    printText(d, 135, y + 20, b.drag);
    printText(d, 200, y + 10, "Datei:");
    printText(d, 260, y + 10, b.file);
    printText(d, 200, y + 20, "Beschreibung:");
    printText(d, 260, y + 20, b.description);
  }
}

void legend(Drawing& d, const PowerView& v) {
  auto yesNo = [](bool b) { return b ? "Ja" : "Nein"; };
  d.line(45, 198, 50, 192, powerColours::kInk);
  printText(d, 55, 190, "Leistung:");
  printText(d, 135, 190, yesNo(v.showPower));
  d.line(45, 208, 50, 202, powerColours::kInk, 1, LineStyle::Dash);
  printText(d, 55, 200, "Drehmoment:");
  printText(d, 135, 200, yesNo(v.showTorque));
  d.fillRect(45, 211, 6, 6, powerColours::kInk);
  printText(d, 55, 210, "Rohwerte (akt.Mess):");
  printText(d, 135, 210, yesNo(v.rawValues));
}

void cursorValues(Drawing& d, const PowerView& v) {
  if (v.cursorRpm < 1) return;
  printText(d, 210, 190, "Drehzahl:");
  printTextRight(d, 180, 200, kCursorBox, v.cursorText);
  printText(d, 240, 200, "Umin");
  const char* names[] = {"", "akt. Messung:", "Kurve 2:", "Kurve 3:"};
  for (std::size_t c = 1; c <= 3; ++c) {
    const double shift = 70.0 * static_cast<double>(c - 1);
    printText(d, 280 + shift, 190, names[c]);
    printTextRight(d, 250 + shift, 200, kCursorBox, v.kwText[c]);
    printText(d, 310 + shift, 200, "kW");
    printTextRight(d, 250 + shift, 210, kCursorBox, v.nmText[c]);
    printText(d, 310 + shift, 210, "Nm");
  }
}
}  // namespace

Drawing powerPrintPage(PowerRun& run, const ProgramSettings& settings, const LocalDateTime& now,
                       SystemInfo& system, double pageWidth, double pageHeight) {
  Drawing d = printPage(pageWidth, pageHeight);
  addPrintTitle(d, kPowerPrintTitle);
  addPrintDate(d, now);
  d.text(pageWidth / 2, 30, "--- " + settings.printText + " ---", powerColours::kInk,
         {kPrintTextSize, false, false, HAlign::Centre, VAlign::Top, false});
  dataBlock(d, run.inputs);
  curveBlocks(d, run);
  legend(d, run.view);
  const int minRpm = settings.powerMinRpm;
  if (run.view.display == DisplayOption::Measurement) {
    const PowerScale scale = powerScale(run, minRpm);
    updateCursorValues(run, scale, minRpm);
    cursorValues(d, run.view);
    addPowerDiagram(d, run, scale, powerPlotOnPage(pageWidth, pageHeight), minRpm);
  } else {
    cursorValues(d, run.view);
  }
  addPrintFooter(d, system);
  return d;
}

void reportPowerPrint(MessageLog& log, PrintResult result) {
  log.reportStatus(result == PrintResult::Printed ? "Leistungsvergleich gedruckt"
                                                  : "Drucken abgebrochen");
}

}  // namespace qx
