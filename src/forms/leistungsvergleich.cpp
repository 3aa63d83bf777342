#include "forms/leistungsvergleich.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "core/power/PowerInputs.h"
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
  Folder,
  File,
  Date,
  Time,
  Hardware,
  Software,
  Description,
  Start,
  Stop,
  Progress,
  Remaining,
  Square1,
  Square2,
  Square3,
  PowerSample,
  TorqueSample,
  Curve2File,
  Curve2Date,
  Curve2Time,
  Curve2Description,
  Curve2System,
  Curve2Correction,
  Curve2Drag,
  Curve2Load,
  Curve3File,
  Curve3Date,
  Curve3Time,
  Curve3Description,
  Curve3System,
  Curve3Correction,
  Curve3Drag,
  Curve3Load,
  CursorSpeed,
  Kw1,
  Nm1,
  Kw2,
  Nm2,
  Kw3,
  Nm3,
  Diagram,
  // The number fields by PowerField, the options by PowerOption.
  FieldBase = 100,
  OptionBase = 200,
};

constexpr int field(PowerField f) {
  return FieldBase + static_cast<int>(f);
}
constexpr int option(PowerOption o) {
  return OptionBase + static_cast<int>(o);
}

using F = PowerField;
using O = PowerOption;
constexpr const char* kCorrectionTip = "Korrektur wird verwendet";

constexpr ControlSpec kTopControls[] = {
    {K::Button, "Laden", 5, 20, 60, 25, "Leistungsvergleichsdatei laden", Load},
    {K::Button, "Sichern", 70, 20, 60, 25, "Leistungsvergleichsdatei sichern", Save},
    {K::Button, "Druck", 135, 20, 60, 25, "Aktuelle Daten drucken", Print},

    {K::Frame, "Messungs-Datei", 200, 10, 485, 110},
    {K::Label, "Pfad:", 210, 27, -1, kRow},
    {K::Label, "", 290, 27, 385, kRow, nullptr, Folder},
    {K::Label, "Datei:", 210, 45, -1, kRow},
    {K::Label, "", 290, 45, 385, kRow, nullptr, File},
    {K::Label, "Datum:", 210, 63, -1, kRow},
    {K::Label, "", 290, 63, 100, kRow, nullptr, Date},
    {K::Label, "Uhrzeit:", 420, 63, -1, kRow},
    {K::Label, "", 475, 63, 100, kRow, nullptr, Time},
    {K::Label, "HW:", 210, 81, -1, kRow},
    {K::Label, "", 290, 81, 100, kRow, nullptr, Hardware},
    {K::Label, "SW:", 420, 81, -1, kRow},
    {K::Label, "", 475, 81, 100, kRow, nullptr, Software},
    {K::Label, "Beschreibung:", 210, 98, -1, kRow},
    {K::Field, "", 290, 96, 385, 20, "Beschreibung der Leistungsaufzeichnung", Description},

    {K::Frame, "Messung", 690, 10, 205, 110},
    {K::Button, "Start  (F11)", 695, 25, 80, 28, "Startet datenaufnahme", Start},
    {K::Button, "Stopp (F12)", 695, 57, 80, 28, "Stoppt datenaufnahme", Stop},
    {K::Canvas, "", 780, 25, 110, 60, "Verbleibende Aufnahmezeit in Sekunden", Remaining},
    {K::Progress, "", 695, 90, 195, 25, "Fortschritt bis zur max. Aufzeichnungszeit", Progress},

    {K::Frame, "Umwelt", 5, 55, 190, 85},
    {K::Label, "Temperatur [°C]:", 12, 72, -1, kRow},
    {K::NumberField, "", 135, 70, 50, 20, "Umgebungstemperatur bei der Datenaufnahme",
     field(F::Temperature)},
    {K::Label, "Luftdruck [hPa]:", 12, 94, -1, kRow},
    {K::NumberField, "", 135, 92, 50, 20, "Umgebungsluftdruck bei der Datenaufnahme",
     field(F::Pressure)},
    {K::Label, "Luftfeuchte [%]:", 12, 116, -1, kRow},
    {K::NumberField, "", 135, 114, 50, 20,
     "Umgebungsluftfeuchte (relative LF) bei der datenaufnahme", field(F::Humidity)},

    {K::Frame, "Einstellungen", 200, 120, 695, 85},
    {K::Label, "Gewicht Fahrzeug [kg]:", 210, 139, -1, kRow},
    {K::Field, "", 350, 137, 50, 20, "Testgewicht des Fahrzeugs, also inkl. Fahrer, etc.",
     field(F::Weight)},
    {K::Label, "Übersetzung (Rad:KW):", 210, 161, -1, kRow},
    {K::Field, "", 350, 159, 50, 20, "Übersetzungsverhältnis Abtriebsrad / Kurbelwelle",
     field(F::Ratio)},
    {K::Label, "Radumfang [cm]:", 210, 183, -1, kRow},
    {K::Field, "", 350, 181, 50, 20, "Abtriebsrad des Fahrzeugs", field(F::WheelCircumference)},
    {K::Label, "cw-Wert:", 420, 139, -1, kRow},
    {K::Field, "", 530, 137, 50, 20,
     "Hinweis: Autos ca. 0.35, Motorräder (naked/verkleidet) ca. 0.7 / 0.3 ",
     field(F::DragCoefficient)},
    {K::Label, "Umfang Rolle [cm]:", 420, 161, -1, kRow},
    {K::Field, "", 530, 159, 50, 20, "Die Rolle des Rollenprüfstandes auf der das Rad läuft",
     field(F::RollerCircumference)},
    {K::Label, "Windwiderstandsfläche [m^2]:", 600, 139, -1, kRow},
    {K::Field, "", 830, 137, 55, 20,
     "Die Fläche des Fahrzeugs von vorn gesehen, also die Schattenfläche", field(F::FrontalArea)},
    {K::Label, "Trägheitsmoment Schwungmasse [kgm^2]:", 600, 161, -1, kRow},
    {K::Field, "", 830, 159, 55, 20, "Wert der gesamten vom Rd angetriebenen Schwungmasse",
     field(F::Inertia)},
};

constexpr ControlSpec kCurveControls[] = {
    {K::Frame, "Anzeige Kurven", 5, 145, 190, 165},
    {K::Check, "akt. Messung", 12, 165, -1, -1, nullptr, option(O::Curve1)},
    {K::Canvas, "", 170, 165, 15, 15, nullptr, Square1},
    {K::Check, "Kurve 2", 12, 187, -1, -1, nullptr, option(O::Curve2)},
    {K::Canvas, "", 170, 187, 15, 15, nullptr, Square2},
    {K::Check, "Kurve 3", 12, 209, -1, -1, nullptr, option(O::Curve3)},
    {K::Canvas, "", 170, 209, 15, 15, nullptr, Square3},
    {K::Check, "Leistung [kW]", 12, 235, -1, -1, nullptr, option(O::Power)},
    {K::Canvas, "", 150, 235, 35, 15, nullptr, PowerSample},
    {K::Check, "Drehmoment [Nm]", 12, 257, -1, -1, nullptr, option(O::Torque)},
    {K::Canvas, "", 150, 257, 35, 15, nullptr, TorqueSample},
    {K::Check, "Rohwerte (akt. M.)", 12, 282, -1, -1,
     "Alle Werte des leistungsvergleichs, auch Werte der quasi-Schleppleistung sowie unterhalb "
     "der Mindestauswertedrehzahl",
     option(O::RawValues)},

    {K::Frame, "Geladene Kurven", 200, 205, 695, 105},
    {K::Label, "Kurve 2:", 210, 222, -1, kRow},
    {K::Label, "Datei:", 265, 222, -1, kRow},
    {K::Label, "", 300, 222, 280, kRow, nullptr, Curve2File},
    {K::Label, "", 590, 222, 70, kRow, nullptr, Curve2Date},
    {K::Label, "", 665, 222, 60, kRow, nullptr, Curve2Time},
    {K::Button, "Laden", 830, 219, 55, 22, nullptr, Curve2Load},
    {K::Label, "Beschreibung:", 265, 244, -1, kRow},
    {K::Field, "", 345, 242, 235, 20, nullptr, Curve2Description},
    {K::Label, "", 590, 244, 70, kRow, nullptr, Curve2System},
    {K::Label, "", 665, 244, 80, kRow, nullptr, Curve2Correction},
    {K::Label, "", 750, 244, 135, kRow, nullptr, Curve2Drag},
    {K::Label, "Kurve 3:", 210, 266, -1, kRow},
    {K::Label, "Datei:", 265, 266, -1, kRow},
    {K::Label, "", 300, 266, 280, kRow, nullptr, Curve3File},
    {K::Label, "", 590, 266, 70, kRow, nullptr, Curve3Date},
    {K::Label, "", 665, 266, 60, kRow, nullptr, Curve3Time},
    {K::Button, "Laden", 830, 263, 55, 22, nullptr, Curve3Load},
    {K::Label, "Beschreibung:", 265, 288, -1, kRow},
    {K::Field, "", 345, 286, 235, 20, nullptr, Curve3Description},
    {K::Label, "", 590, 288, 70, kRow, nullptr, Curve3System},
    {K::Label, "", 665, 288, 80, kRow, nullptr, Curve3Correction},
    {K::Label, "", 750, 288, 135, kRow, nullptr, Curve3Drag},
};

constexpr ControlSpec kEvaluationControls[] = {
    {K::Frame, "Auswertung", 5, 315, 115, 90},
    {K::Check, "EWG 80/1269", 12, 333, -1, -1, kCorrectionTip, option(O::Ewg)},
    {K::Check, "DIN 70200", 12, 355, -1, -1, kCorrectionTip, option(O::Din)},
    {K::Check, "Add. Schlepp.", 12, 377, -1, -1, "Quasi-Schleppleistung wird addiert",
     option(O::AddDrag)},

    {K::Frame, "Messsystem", 5, 405, 115, 60},
    {K::Option, "rotatorisch", 12, 421, -1, -1,
     "Typ Rollenprüfstand, Luftwiderstand wird nicht berücksichtigt", option(O::Rotatorisch)},
    {K::Option, "linear", 12, 441, -1, -1, "Ebene Straße, Luftwiderstand wird berücksichtigt",
     option(O::Linear)},

    {K::Frame, "Messanzeige", 5, 465, 115, 60},
    {K::Option, "Drehzahl", 12, 481, -1, -1, "Drehzahlverlauf wird im Diagramm angezeigt",
     option(O::DisplaySpeed)},
    {K::Option, "Messung", 12, 501, -1, -1, "Messwerte (kW,Nm) werden im Diagramm angezeigt",
     option(O::DisplayMeasurement)},

    {K::Frame, "Werte", 5, 525, 115, 225},
    {K::Value, "", 12, 545, 60, kRow, nullptr, CursorSpeed},
    {K::Label, "Umin", 78, 545, -1, kRow},
    {K::Label, "akt. Messung:", 12, 568, -1, kRow},
    {K::Value, "", 12, 586, 60, kRow, nullptr, Kw1},
    {K::Label, "kW", 78, 586, -1, kRow},
    {K::Value, "", 12, 604, 60, kRow, nullptr, Nm1},
    {K::Label, "Nm", 78, 604, -1, kRow},
    {K::Label, "Kurve 2:", 12, 628, -1, kRow},
    {K::Value, "", 12, 646, 60, kRow, nullptr, Kw2},
    {K::Label, "kW", 78, 646, -1, kRow},
    {K::Value, "", 12, 664, 60, kRow, nullptr, Nm2},
    {K::Label, "Nm", 78, 664, -1, kRow},
    {K::Label, "Kurve 3:", 12, 688, -1, kRow},
    {K::Value, "", 12, 706, 60, kRow, nullptr, Kw3},
    {K::Label, "kW", 78, 706, -1, kRow},
    {K::Value, "", 12, 724, 60, kRow, nullptr, Nm3},
    {K::Label, "Nm", 78, 724, -1, kRow},

    {K::Canvas, "", 130, 320, 765, 430, nullptr, Diagram},
};

leistungsvergleich::LoadedCurve loadedCurve(const PlacedControls& c, int first) {
  return {c.get<QLabel>(first),        c.get<QLabel>(first + 1),     c.get<QLabel>(first + 2),
          c.get<QLineEdit>(first + 3), c.get<QLabel>(first + 4),     c.get<QLabel>(first + 5),
          c.get<QLabel>(first + 6),    c.get<QPushButton>(first + 7)};
}

QButtonGroup* joinOptions(QWidget* owner, QAbstractButton* a, QAbstractButton* b) {
  auto* group = new QButtonGroup(owner);
  group->addButton(a);
  group->addButton(b);
  return group;
}
}  // namespace

leistungsvergleich::leistungsvergleich() : FormWindow(WindowId::Power) {
  const PlacedControls top = placeControls(area(), kTopControls);
  const PlacedControls curves = placeControls(area(), kCurveControls);
  const PlacedControls eval = placeControls(area(), kEvaluationControls);
  auto any = [&](int key) -> QWidget* {
    for (const PlacedControls* c : {&top, &curves, &eval})
      if (QWidget* w = c->byKey(key)) return w;
    return nullptr;
  };

  loadButton = top.get<QPushButton>(Load);
  saveButton = top.get<QPushButton>(Save);
  printButton = top.get<QPushButton>(Print);
  folderValue = top.get<QLabel>(Folder);
  fileValue = top.get<QLabel>(File);
  dateValue = top.get<QLabel>(Date);
  timeValue = top.get<QLabel>(Time);
  hardwareValue = top.get<QLabel>(Hardware);
  softwareValue = top.get<QLabel>(Software);
  descriptionField = top.get<QLineEdit>(Description);
  startButton = top.get<QPushButton>(Start);
  stopButton = top.get<QPushButton>(Stop);
  progress = top.get<QProgressBar>(Progress);
  remainingTime = top.get<Canvas>(Remaining);

  for (std::size_t f = 0; f < fields.size(); ++f)
    fields[f] = top.get<QLineEdit>(FieldBase + static_cast<int>(f));
  // The temperature range goes below 0: its field takes a leading minus as well.
  static const QRegularExpression signedDigits(QStringLiteral("-?[0-9]*"));
  QLineEdit* temperature = fields[static_cast<std::size_t>(F::Temperature)];
  temperature->setValidator(new QRegularExpressionValidator(signedDigits, temperature));

  for (std::size_t o = 0; o < options.size(); ++o)
    options[o] = static_cast<QAbstractButton*>(any(OptionBase + static_cast<int>(o)));
  systemGroup = joinOptions(this, options[static_cast<std::size_t>(O::Rotatorisch)],
                            options[static_cast<std::size_t>(O::Linear)]);
  displayGroup = joinOptions(this, options[static_cast<std::size_t>(O::DisplaySpeed)],
                             options[static_cast<std::size_t>(O::DisplayMeasurement)]);
  // The program decides which option is selected; a group may show none at first.
  systemGroup->setExclusive(true);
  displayGroup->setExclusive(true);

  colourSquares = {nullptr, curves.get<Canvas>(Square1), curves.get<Canvas>(Square2),
                   curves.get<Canvas>(Square3)};
  powerSample = curves.get<Canvas>(PowerSample);
  torqueSample = curves.get<Canvas>(TorqueSample);
  loaded[2] = loadedCurve(curves, Curve2File);
  loaded[3] = loadedCurve(curves, Curve3File);
  for (std::size_t c = 2; c <= 3; ++c) {
    loaded[c].description->setReadOnly(true);
    loaded[c].description->setFocusPolicy(Qt::NoFocus);
  }

  cursorValue = eval.get<QLabel>(CursorSpeed);
  kwValues = {nullptr, eval.get<QLabel>(Kw1), eval.get<QLabel>(Kw2), eval.get<QLabel>(Kw3)};
  nmValues = {nullptr, eval.get<QLabel>(Nm1), eval.get<QLabel>(Nm2), eval.get<QLabel>(Nm3)};
  diagram = eval.get<Canvas>(Diagram);
  // The diagram area takes the keyboard focus (a click there leaves any field).
  diagram->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace qx
