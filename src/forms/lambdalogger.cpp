#include "forms/lambdalogger.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/lambda/LambdaDrawing.h"
#include "forms/Canvas.h"
#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;
constexpr int kRow = 16;  // height of a one-line static text

enum Key : int {
  Load,
  Save,
  Print,
  Path,
  File,
  LogDate,
  LogTime,
  LogHw,
  LogSw,
  Comment,
  ReadEeprom,
  ReadRam,
  ClearEeprom,
  ClearRam,
  Logging,
  VeryRich,
  Rich,
  Lean,
  VeryLean,
  Legend,
  ClearValues,
  Live,
  Volts,
  Symbols,
  Probe1,
  Probe2,
  Probe3,
  Table,
};

constexpr const char* kThresholdTip = "Schwelle in V, einstellbar im Fenster 'System'";

constexpr ControlSpec kControls[] = {
    // "Datei": the buttons, the values of the last file loaded, the comment.
    {K::Frame, "Datei", 5, 5, 340, 190},
    {K::Button, "Laden", 15, 22, 100, 25, "Lambdalogdatei laden", Load},
    {K::Button, "Sichern", 120, 22, 100, 25, "Lambdalogdatei sichern", Save},
    {K::Button, "Drucken", 225, 22, 100, 25, "Lambdatabelle drucken", Print},
    {K::Label, "Pfad:", 15, 55, -1, kRow},
    {K::Label, "", 100, 55, 235, kRow, "Ordner der Lambdalogdatei", Path},
    {K::Label, "Datei:", 15, 73, -1, kRow},
    {K::Label, "", 100, 73, 235, kRow, "Name der Lambdalogdatei", File},
    {K::Label, "Log_Datum:", 15, 91, -1, kRow},
    {K::Label, "", 100, 91, 235, kRow, "Datum der Speicherung des Lambdalogs", LogDate},
    {K::Label, "Log_Zeitpunkt:", 15, 109, -1, kRow},
    {K::Label, "", 100, 109, 235, kRow, "Uhrzeit der Speicherung des Lambdalogs", LogTime},
    {K::Label, "Log_HW:", 15, 127, -1, kRow},
    {K::Label, "", 100, 127, 235, kRow, "Hardware der ORK beim Speichern", LogHw},
    {K::Label, "Log_SW:", 15, 145, -1, kRow},
    {K::Label, "", 100, 145, 235, kRow, "Software der ORK beim Speichern", LogSw},
    {K::Label, "Kommentar:", 15, 168, -1, kRow},
    {K::Field, "...", 100, 166, 235, 20,
     "Kommentar zur Lambdalogdatei (max. 100 Zeichen, ohne Komma)", Comment},

    // "ORK": the unit's two logs.
    {K::Frame, "ORK", 350, 5, 235, 95},
    {K::Button, "EEPROM lesen", 360, 22, 108, 25, "Liest den Lambdalog aus dem EEPROM der ORK",
     ReadEeprom},
    {K::Button, "RAM lesen", 472, 22, 108, 25, "Liest den Lambdalog aus dem RAM der ORK", ReadRam},
    {K::Button, "EEPROM löschen", 360, 50, 108, 25, "Löscht den Lambdalog im EEPROM der ORK",
     ClearEeprom},
    {K::Button, "RAM löschen", 472, 50, 108, 25, "Löscht den Lambdalog im RAM der ORK", ClearRam},
    {K::Check, "ORK loggt Lambda im EEPROM", 360, 80, -1, -1,
     "Die ORK schreibt die Lambdawerte in ihr EEPROM (gilt ab der nächsten Übertragung "
     "->ORK)",
     Logging},

    // "Lambdaanzeige": each threshold between the two colours it separates.
    {K::Frame, "Lambdaanzeige", 590, 5, 160, 95},
    {K::Label, "sehr fett (++)", 600, 26, -1, kRow},
    {K::Value, "0.80", 690, 26, 30, kRow, kThresholdTip, VeryRich},
    {K::Label, "fett (+)", 600, 41, -1, kRow},
    {K::Value, "0.80", 690, 41, 30, kRow, kThresholdTip, Rich},
    {K::Label, "mager (-)", 600, 56, -1, kRow},
    {K::Value, "0.80", 690, 56, 30, kRow, kThresholdTip, Lean},
    {K::Label, "sehr mager (--)", 600, 71, -1, kRow},
    {K::Value, "0.80", 690, 71, 30, kRow, kThresholdTip, VeryLean},
    {K::Canvas, "", 728, 22, kLambdaLegendWidth, kLambdaLegendHeight,
     "Farben der Bewertung: oben sehr fett, unten sehr mager", Legend},

    // "Anzeige"
    {K::Frame, "Anzeige", 350, 105, 400, 90},
    {K::Button, "Werte löschen", 360, 122, 100, 25, "Setzt alle Werte der Tabelle auf 0",
     ClearValues},
    {K::Check, "Vitaldaten lesen", 360, 162, -1, -1,
     "Schreibt die laufenden Lambdawerte in die Zelle des Betriebspunktes", Live},
    {K::Option, "Werte [V]", 490, 124, -1, -1, "Zellen zeigen die Spannung in V", Volts},
    {K::Option, "++ / --", 490, 149, -1, -1, "Zellen zeigen die Bewertung als Zeichen", Symbols},
    {K::Check, "Lambda 1", 620, 124, -1, -1, "Lambdasonde 1 geht in den Mittelwert der Anzeige ein",
     Probe1},
    {K::Check, "Lambda 2", 620, 144, -1, -1, "Lambdasonde 2 geht in den Mittelwert der Anzeige ein",
     Probe2},
    {K::Check, "Lambda 3", 620, 164, -1, -1, "Lambdasonde 3 geht in den Mittelwert der Anzeige ein",
     Probe3},

    {K::Canvas, "", 15, 200, kLambdaTableWidth, kLambdaTableHeight,
     "Lambdatabelle über Drehzahl und Drosselklappe; der Rahmen zeigt den Betriebspunkt", Table},
};
}  // namespace

lambdalogger::lambdalogger() : FormWindow(WindowId::LambdaLogger) {
  const PlacedControls c = placeControls(area(), kControls);
  loadButton = c.get<QPushButton>(Load);
  saveButton = c.get<QPushButton>(Save);
  printButton = c.get<QPushButton>(Print);
  pathValue = c.get<QLabel>(Path);
  fileValue = c.get<QLabel>(File);
  logDateValue = c.get<QLabel>(LogDate);
  logTimeValue = c.get<QLabel>(LogTime);
  logHwValue = c.get<QLabel>(LogHw);
  logSwValue = c.get<QLabel>(LogSw);
  commentField = c.get<QLineEdit>(Comment);

  readEepromButton = c.get<QPushButton>(ReadEeprom);
  readRamButton = c.get<QPushButton>(ReadRam);
  clearEepromButton = c.get<QPushButton>(ClearEeprom);
  clearRamButton = c.get<QPushButton>(ClearRam);
  loggingCheck = c.get<QCheckBox>(Logging);

  thresholdValues = {c.get<QLabel>(VeryRich), c.get<QLabel>(Rich), c.get<QLabel>(Lean),
                     c.get<QLabel>(VeryLean)};
  legendCanvas = c.get<Canvas>(Legend);

  clearValuesButton = c.get<QPushButton>(ClearValues);
  liveCheck = c.get<QCheckBox>(Live);
  voltsOption = c.get<QRadioButton>(Volts);
  symbolsOption = c.get<QRadioButton>(Symbols);
  cellTextGroup = new QButtonGroup(this);
  cellTextGroup->addButton(voltsOption, 0);
  cellTextGroup->addButton(symbolsOption, 1);
  probeChecks = {c.get<QCheckBox>(Probe1), c.get<QCheckBox>(Probe2), c.get<QCheckBox>(Probe3)};

  tableCanvas = c.get<Canvas>(Table);
}

}  // namespace qx
