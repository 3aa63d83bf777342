#include "forms/Hauptdialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/Canvas.h"
#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;
constexpr int kRow = 16;  // height of a one-line static text

// The window's keys for the controls it fills or listens to.
enum Key : int {
  FileName,
  Description,
  InjectionBase,
  AirCorrPercent,
  AirCorrUs,
  EngineCorrPercent,
  EngineCorrUs,
  InjectionTime,
  IgnitionBase,
  RetardRpm,
  RetardAngle,
  IgnitionAngle,
  Switch0,
  Switch1,
  Switch2,
  Switch3,
  Switch4,
  EngineSpeed,
  Throttle,
  EngineTemp,
  AirTemp,
  Lambda0,
  Lambda1,
  Lambda2,
  CpuTemp,
  MapStart,
  MapKapp,
  MapX100,
  MapAuto,
  MapPos,
  MapSpeed,
  MapThrottle,
  MapInjection,
  MapCanvas,
  AirAxis,
  AirValue,
  AirAuto,
  AirPos,
  AirCanvas,
  EngineAxis,
  EngineValue,
  EngineAuto,
  EnginePos,
  EngineCanvas,
  IgnitionAxis,
  IgnitionValue,
  IgnitionAuto,
  IgnitionPos,
  IgnitionCanvas,
  CommunicationFrame,
  PortList,
  ComCheck,
  ConnectionLamp,
  RefreshPorts,
  Hardware,
  Software,
  StatusLine,
  ToPc,
  ToUnit,
  ToEeprom,
  LambdaLogger,
  VitalLogger,
  BigDisplay,
  Load,
  Settings,
  Test,
  Learning,
  Power,
  System,
  Save,
  Info,
};

constexpr const char* kAutoTip = "automatisches Justieren des Bearbeitungspunktes";
constexpr const char* kCurvePosTip = "Zeigt die Position in der Kennlinie an";

constexpr ControlSpec kControls[] = {
    // "Motor"
    {K::Frame, "Motor", 10, 10, 580, 70},
    {K::Label, "Datei:", 20, 30, -1, kRow},
    {K::Value, "", 110, 30, 470, 20, nullptr, FileName},
    {K::Label, "Beschreibung:", 20, 50, -1, kRow},
    {K::Field, "", 110, 50, 470, 20, "Beschreibung der geladenen Einstellungsdatei", Description},

    // "Einspritzung berechnet"
    {K::Frame, "Einspritzung berechnet", 10, 80, 240, 130},
    {K::Label, "Grundwert (Kennfeld):", 20, 105, -1, kRow},
    {K::Label, "Korr. Ansaugluft-Temp:", 20, 125, -1, kRow},
    {K::Label, "Korr. Motor-Temp:", 20, 145, -1, kRow},
    {K::Label, "-------------------------------------------------------", 20, 165, 225, kRow},
    {K::Label, "Einspritzung: (µs)", 20, 180, -1, kRow},
    {K::Value, "", 175, 105, 65, kRow, nullptr, InjectionBase},
    {K::Value, "", 155, 125, 35, kRow, nullptr, AirCorrPercent},
    {K::Value, "", 190, 125, 50, kRow, nullptr, AirCorrUs},
    {K::Value, "", 155, 145, 35, kRow, nullptr, EngineCorrPercent},
    {K::Value, "", 195, 145, 45, kRow, nullptr, EngineCorrUs},
    {K::Value, "", 175, 179, 65, kRow, nullptr, InjectionTime},

    // "Zündwinkel berechnet"
    {K::Frame, "Zündwinkel berechnet", 260, 80, 180, 130},
    {K::Label, "Grundwert (Kennlinie):", 270, 125, -1, kRow},
    {K::Label, "Begrenzer (", 270, 145, -1, kRow},
    {K::Value, "", 340, 145, 40, kRow, nullptr, RetardRpm},
    {K::Label, "):", 380, 145, -1, kRow},
    {K::Label, "--------------------------------------------", 270, 165, 165, kRow},
    {K::Label, "Zündwinkel: (°KW)", 270, 180, -1, kRow},
    {K::Value, "", 400, 125, 30, kRow, nullptr, IgnitionBase},
    {K::Value, "", 400, 145, 30, kRow, nullptr, RetardAngle},
    {K::Value, "", 400, 180, 30, kRow, nullptr, IgnitionAngle},

    // "Ein- / Ausgänge"
    {K::Frame, "Ein- / Ausgänge", 450, 80, 140, 130},
    {K::Label, "Ausgang 1:", 460, 100, -1, kRow},
    {K::Value, "", 540, 100, 40, kRow, nullptr, Switch0},
    {K::Label, "Ausgang 2:", 460, 120, -1, kRow},
    {K::Value, "", 540, 120, 40, kRow, nullptr, Switch1},
    {K::Label, "Eingang 1:", 460, 140, -1, kRow},
    {K::Value, "", 540, 140, 40, kRow, nullptr, Switch2},
    {K::Label, "Eingang 2:", 460, 160, -1, kRow},
    {K::Value, "", 540, 160, 40, kRow, nullptr, Switch3},
    {K::Label, "Eingang 3:", 460, 180, -1, kRow},
    {K::Value, "", 540, 180, 40, kRow, nullptr, Switch4},

    // "Vitaldaten"
    {K::Frame, "Vitaldaten", 600, 10, 220, 200},
    {K::Label, "Drehzahl:", 610, 30, -1, kRow},
    {K::Value, "", 730, 30, 40, kRow, nullptr, EngineSpeed},
    {K::Label, "U/min", 780, 30, -1, kRow},
    {K::Label, "Drosselklappe:", 610, 55, -1, kRow},
    {K::Value, "", 730, 55, 40, kRow, nullptr, Throttle},
    {K::Label, "%", 780, 55, -1, kRow},
    {K::Label, "Motortemperatur:", 610, 75, -1, kRow},
    {K::Value, "", 730, 75, 40, kRow, nullptr, EngineTemp},
    {K::Label, "°C", 780, 75, -1, kRow},
    {K::Label, "Ansauglufttemp.:", 610, 95, -1, kRow},
    {K::Value, "", 730, 95, 40, kRow, nullptr, AirTemp},
    {K::Label, "°C", 780, 95, -1, kRow},
    {K::Label, "Lambdaspannung:", 610, 120, -1, kRow},
    {K::Value, "", 730, 120, 40, kRow, nullptr, Lambda0},
    {K::Label, "V", 780, 120, -1, kRow},
    {K::Label, "Lambdaspannung:", 610, 140, -1, kRow},
    {K::Value, "", 730, 140, 40, kRow, nullptr, Lambda1},
    {K::Label, "V", 780, 140, -1, kRow},
    {K::Label, "Lambdaspannung:", 610, 160, -1, kRow},
    {K::Value, "", 730, 160, 40, kRow, nullptr, Lambda2},
    {K::Label, "V", 780, 160, -1, kRow},
    {K::Label, "CPU-Temperatur:", 610, 185, -1, kRow},
    {K::Value, "", 730, 185, 40, kRow, nullptr, CpuTemp},
    {K::Label, "°C", 780, 185, -1, kRow},

    // InjectionMap editor
    {K::Frame, "Einspritzung zu Drehzahl und Drosselklappe (F5)", 10, 210, 470, 430},
    {K::Check, "Start", 330, 220, -1, -1, nullptr, MapStart},
    {K::Check, "kapp", 380, 220, -1, -1, "Kennfeld-zoom für niedrige Drehzahlen aktiviert",
     MapKapp},
    {K::Check, "x100", 380, 235, -1, -1, "Kennfeldveränderung x100", MapX100},
    {K::Check, "auto", 430, 220, -1, -1, kAutoTip, MapAuto},
    {K::Check, "pos", 430, 235, -1, -1, "Zeigt die Position im Kennfeld an", MapPos},
    {K::Label, "Drehzahl:", 20, 230, -1, kRow},
    {K::Value, "", 70, 230, 40, kRow, nullptr, MapSpeed},
    {K::Label, "Drosselkl.:", 115, 230, -1, kRow},
    {K::Value, "", 170, 230, 30, kRow, nullptr, MapThrottle},
    {K::Label, "Einspr. (µs):", 205, 230, -1, kRow},
    {K::Value, "", 275, 230, 45, kRow, nullptr, MapInjection},
    {K::Canvas, "", 20, 255, 450, 375, nullptr, MapCanvas},

    // The curve editors
    {K::Frame, "Einspritzkorrektur zu Ansauglufttemperatur (F6)", 490, 210, 330, 170},
    {K::Label, "Ansaugtemperatur:", 500, 230, -1, kRow},
    {K::Value, "", 620, 230, 30, kRow, nullptr, AirAxis},
    {K::Label, "Korrektur (%):", 650, 230, -1, kRow},
    {K::Value, "", 730, 230, 30, kRow, nullptr, AirValue},
    {K::Check, "auto", 770, 220, -1, -1, kAutoTip, AirAuto},
    {K::Check, "pos", 770, 235, -1, -1, kCurvePosTip, AirPos},
    {K::Canvas, "", 500, 255, 310, 115, nullptr, AirCanvas},

    {K::Frame, "Einspritzkorrektur zu Motortemperatur (F7)", 490, 380, 330, 170},
    {K::Label, "Motortemperatur:", 500, 400, -1, kRow},
    {K::Value, "", 610, 400, 30, kRow, nullptr, EngineAxis},
    {K::Label, "Korrenkur (%):", 640, 400, -1, kRow},
    {K::Value, "", 730, 400, 30, kRow, nullptr, EngineValue},
    {K::Check, "auto", 770, 390, -1, -1, kAutoTip, EngineAuto},
    {K::Check, "pos", 770, 405, -1, -1, kCurvePosTip, EnginePos},
    {K::Canvas, "", 500, 425, 310, 115, nullptr, EngineCanvas},

    {K::Frame, "Zündung zu Drehzahl (F8)", 490, 550, 330, 170},
    {K::Label, "Drehzahl:", 500, 570, -1, kRow},
    {K::Value, "", 560, 570, 30, kRow, nullptr, IgnitionAxis},
    {K::Label, "Zündwinkel v.OT:", 630, 570, -1, kRow},
    {K::Value, "", 730, 570, 30, kRow, nullptr, IgnitionValue},
    {K::Check, "auto", 770, 560, -1, -1, kAutoTip, IgnitionAuto},
    {K::Check, "pos", 770, 575, -1, -1, kCurvePosTip, IgnitionPos},
    {K::Canvas, "", 500, 595, 310, 115, nullptr, IgnitionCanvas},

    // "Kommunikation"
    {K::Frame, "Kommunikation", 10, 640, 470, 80, nullptr, CommunicationFrame},
    {K::Combo, "", 20, 660, 74, 25, "Auswahl des zu nutzenden COM-Anschlusses", PortList},
    {K::Check, "COM", 100, 660, 48, 25, "Aktivieren der Kommunikation.", ComCheck},
    {K::Canvas, "", 150, 665, 15, 15, nullptr, ConnectionLamp},
    {K::Button, "verf. Ports ?", 170, 660, 85, 25, "Aktualisiert die verfügbaren COM-Anschlüsse",
     RefreshPorts},
    {K::Label, "Verbundene ORK: HW:", 260, 665, -1, kRow},
    {K::Value, "", 390, 665, 28, kRow, nullptr, Hardware},
    {K::Label, "SW:", 420, 665, -1, kRow},
    {K::Value, "", 450, 665, 28, kRow, nullptr, Software},
    // The status line shows the latest message; long ones are cut by the control only.
    {K::Field, "", 20, 690, 450, 20, nullptr, StatusLine},

    // The rows of buttons
    {K::Button, "->PC", 10, 725, 100, 25, "Überträgt das setup in der ORK zur Quarnelix", ToPc},
    {K::Button, "->ORK", 120, 725, 100, 25, "Überträgt das setup in der Quarnelix zur ORK", ToUnit},
    {K::Button, "->EEPROM", 230, 725, 100, 25, "Speichert das setup in der ORK in deren EEPROM",
     ToEeprom},
    {K::Button, "Lambda-Logger", 340, 725, 125, 25, "Zeigt den Lambdalogger an", LambdaLogger},
    {K::Button, "Vitaldaten-Logger", 475, 725, 125, 25, "Aktiviert den Datenlogger-Fenster",
     VitalLogger},
    {K::Button, "Grossbild", 610, 725, 100, 25, "Aktiviert das Grossbild", BigDisplay},
    {K::Button, "Laden", 720, 725, 100, 25, "Läd ein setup von einem Datenträger in die Quarnelix",
     Load},
    {K::Button, "Einstellungen", 10, 750, 100, 25, "Öffnet das Fenster 'Einstellungen'", Settings},
    {K::Button, "Test", 120, 750, 100, 25, "Öffnet das Fenster 'Test'", Test},
    {K::Button, "Lernmodus", 230, 750, 100, 25, "Öffnet das Fenster Lern-Modus", Learning},
    {K::Button, "Leistungsvergleich", 475, 750, 125, 25,
     "Öffnet das Fenster für den Leistungsvergleich", Power},
    {K::Button, "System", 610, 750, 100, 25, "Öffnet das Fenster 'System'", System},
    {K::Button, "Speichern", 720, 750, 100, 25,
     "Speichert das setup in der Quarnelix auf einen Datenträger", Save},
    {K::Label, "Quarnelix 1.E", 340, 755, 125, 20, nullptr, Info},
};
}  // namespace

Hauptdialog::Hauptdialog() : FormWindow(WindowId::Main) {
  setWindowTitle(QStringLiteral("Quarnelix - Zünd- und Einspritzsteuerung"));
  const PlacedControls c = placeControls(area(), kControls);

  fileNameValue = c.get<QLabel>(FileName);
  descriptionField = c.get<QLineEdit>(Description);
  injectionBaseValue = c.get<QLabel>(InjectionBase);
  airCorrPercentValue = c.get<QLabel>(AirCorrPercent);
  airCorrUsValue = c.get<QLabel>(AirCorrUs);
  engineCorrPercentValue = c.get<QLabel>(EngineCorrPercent);
  engineCorrUsValue = c.get<QLabel>(EngineCorrUs);
  injectionTimeValue = c.get<QLabel>(InjectionTime);
  ignitionBaseValue = c.get<QLabel>(IgnitionBase);
  retardRpmValue = c.get<QLabel>(RetardRpm);
  retardAngleValue = c.get<QLabel>(RetardAngle);
  ignitionAngleValue = c.get<QLabel>(IgnitionAngle);
  for (int k = 0; k < 5; ++k)
    switchValues[static_cast<std::size_t>(k)] = c.get<QLabel>(Switch0 + k);
  engineSpeedValue = c.get<QLabel>(EngineSpeed);
  throttleValue = c.get<QLabel>(Throttle);
  engineTempValue = c.get<QLabel>(EngineTemp);
  airTempValue = c.get<QLabel>(AirTemp);
  lambdaValues = {c.get<QLabel>(Lambda0), c.get<QLabel>(Lambda1), c.get<QLabel>(Lambda2)};
  cpuTempValue = c.get<QLabel>(CpuTemp);

  mapStartCheck = c.get<QCheckBox>(MapStart);
  mapKappCheck = c.get<QCheckBox>(MapKapp);
  mapX100Check = c.get<QCheckBox>(MapX100);
  mapAutoCheck = c.get<QCheckBox>(MapAuto);
  mapPosCheck = c.get<QCheckBox>(MapPos);
  mapSpeedValue = c.get<QLabel>(MapSpeed);
  mapThrottleValue = c.get<QLabel>(MapThrottle);
  mapInjectionValue = c.get<QLabel>(MapInjection);
  mapCanvas = c.get<Canvas>(MapCanvas);
  mapCanvas->setFocusPolicy(Qt::StrongFocus);

  airEditor = {c.get<QCheckBox>(AirAuto), c.get<QCheckBox>(AirPos), c.get<QLabel>(AirAxis),
               c.get<QLabel>(AirValue), c.get<Canvas>(AirCanvas)};
  engineEditor = {c.get<QCheckBox>(EngineAuto), c.get<QCheckBox>(EnginePos),
                  c.get<QLabel>(EngineAxis), c.get<QLabel>(EngineValue),
                  c.get<Canvas>(EngineCanvas)};
  ignitionEditor = {c.get<QCheckBox>(IgnitionAuto), c.get<QCheckBox>(IgnitionPos),
                    c.get<QLabel>(IgnitionAxis), c.get<QLabel>(IgnitionValue),
                    c.get<Canvas>(IgnitionCanvas)};

  communicationFrame = c.get<QGroupBox>(CommunicationFrame);
  portList = c.get<QComboBox>(PortList);
  // Device names are longer than "COM3": the open list shows them whole.
  portList->view()->setMinimumWidth(220);
  comCheck = c.get<QCheckBox>(ComCheck);
  connectionLamp = c.get<Canvas>(ConnectionLamp);
  refreshPortsButton = c.get<QPushButton>(RefreshPorts);
  hardwareValue = c.get<QLabel>(Hardware);
  softwareValue = c.get<QLabel>(Software);
  statusLine = c.get<QLineEdit>(StatusLine);
  statusLine->setReadOnly(true);
  statusLine->setFocusPolicy(Qt::NoFocus);

  toPcButton = c.get<QPushButton>(ToPc);
  toUnitButton = c.get<QPushButton>(ToUnit);
  toEepromButton = c.get<QPushButton>(ToEeprom);
  lambdaLoggerButton = c.get<QPushButton>(LambdaLogger);
  vitalLoggerButton = c.get<QPushButton>(VitalLogger);
  bigDisplayButton = c.get<QPushButton>(BigDisplay);
  loadButton = c.get<QPushButton>(Load);
  settingsButton = c.get<QPushButton>(Settings);
  testButton = c.get<QPushButton>(Test);
  learningButton = c.get<QPushButton>(Learning);
  powerButton = c.get<QPushButton>(Power);
  systemButton = c.get<QPushButton>(System);
  saveButton = c.get<QPushButton>(Save);
  infoLabel = c.get<QLabel>(Info);
  infoLabel->setAlignment(Qt::AlignCenter);
}

}  // namespace qx
