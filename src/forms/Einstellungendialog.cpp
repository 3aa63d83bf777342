#include "forms/Einstellungendialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/setup/SetupFields.h"
#include "forms/ControlTable.h"

namespace qx {

namespace {
using F = SetupField;
using K = ControlKind;

// A control's key: the setup value it edits, and for options their index.
constexpr int key(F f, int option = 0) {
  return static_cast<int>(f) * 8 + option;
}
constexpr int kMeasuredKey = 100000;  // + row: the "Messwert:" column
std::size_t at(SetupField f) {
  return static_cast<std::size_t>(f);
}

constexpr const char* kManual = "Siehe Bedienungsanleitung";
constexpr const char* kPoint1 = "Einstellpunkt 1";
constexpr const char* kPoint2 = "Einstellpunkt 2";
constexpr const char* kLive = "aktuell gemessene Spannung des Sensoreingangs";
constexpr const char* kAbove = "Ein, wenn Drehzahl größer als";

// Frame by frame, in the order the tab key follows.
constexpr ControlSpec kControls[] = {
    // "Motor"
    {K::Frame, "Motor", 10, 0, 500, 115},
    {K::Label, "Triggerrad [Zähne inkl. Lücke]:", 18, 22},
    {K::NumberField, "", 245, 22, 30, 20,
     "Anzahl Zähne am Triggerrad. Die zwei fehlenden Zähne der notwendigen Lücke werden "
     "mitgezählt.",
     key(F::TriggerWheelTeeth)},
    {K::Label, "Anzahl Lücken:", 300, 22},
    {K::NumberField, "", 410, 22, 30, 20, nullptr, key(F::TriggerGapCount)},
    {K::Label, "Sensor v. OT:", 18, 45},
    {K::NumberField, "", 245, 45, 30, 20,
     "Angabe in Grad vor den oberen Totpunkt des Zylinder1. Sitzt der Sensor in "
     "Kurbelwellendrehrichtung vor den OT, dann ist die Winkelangabe positiv.",
     key(F::SensorAngle)},
    {K::Label, "°KW", 278, 45},
    {K::Label, "Flanke:", 306, 45},
    {K::Option, "fallend", 358, 46, -1, -1, "Es wird die fallende Sensorflanke ausgewertet",
     key(F::SensorEdge, 0)},
    {K::Option, "steigend", 430, 46, -1, -1, "Es wird die steigende Sensorflanke ausgewertet",
     key(F::SensorEdge, 1)},
    {K::Label, "Zylinderversatz 1-2:", 18, 68},
    {K::NumberField, "", 165, 68, 35, 20,
     "Um wieviel Grad KW in Drehrichtung ist der 2. Zylinder nach dem 1. Zylinder angeordnet?",
     key(F::CylinderOffset12)},
    {K::Label, "°KW", 203, 68},
    {K::Label, "Zylinderversatz 2-3:", 18, 91},
    {K::NumberField, "", 165, 91, 35, 20,
     "Um wieviel Grad KW in Drehrichtung ist der 3. Zylinder nach dem 2. Zylinder angeordnet?",
     key(F::CylinderOffset23)},
    {K::Label, "°KW", 203, 91},
    // The dynamic factors share the lower two rows with the cylinder offsets.
    {K::Label, "Dynamikfaktor 1:", 250, 68},
    {K::Field, "", 368, 68, 28, 20, kManual, key(F::DynamicFactor1)},
    {K::Label, "bis:", 400, 68},
    {K::NumberField, "", 432, 68, 42, 20, kManual, key(F::DynamicFactor1UpToRpm)},
    {K::Label, "Umin", 477, 68},
    {K::Label, "Dynamikfaktor 2:", 250, 91},
    {K::Field, "", 368, 91, 28, 20, kManual, key(F::DynamicFactor2)},
    {K::Label, "bis:", 400, 91},
    {K::NumberField, "", 432, 91, 42, 20, kManual, key(F::DynamicFactor2UpToRpm)},
    {K::Label, "Umin", 477, 91},

    // "Einspritzung"
    {K::Frame, "Einspritzung", 10, 115, 500, 135},
    {K::Label, "Einspritz-Startwinkel n.OT:", 18, 137},
    {K::NumberField, "", 215, 137, 35, 20,
     "Ab diesem Kurbelwellenwinkel wird für jeden Zylinder das Einspritzventil geöffnet.",
     key(F::InjectionStartAngle)},
    {K::Label, "°KW", 253, 137},
    {K::Label, "Einspritzkorrektur:", 140, 159},
    {K::Label, "Ausgleichswert:", 290, 159},
    {K::Label, "Umschaltzeit:", 410, 159},
    {K::Label, "Einspritzdüse 1:", 18, 180},
    {K::NumberField, "", 140, 180, 40, 20,
     "Um diese Menge wird die berechnete Einspritzzeit individuell für Zylinder 1 erweitert.",
     key(F::InjectorCorrection1)},
    {K::Label, "°/oo", 183, 180},
    {K::Field, "", 290, 180, 50, 20, "Korrekturfaktor zur Gleichbehandlung aller Düsen",
     key(F::InjectorBalance1)},
    {K::Label, "°/oo", 343, 180},
    {K::NumberField, "", 410, 180, 45, 20,
     "Um diese Zeit wird die Einspritzdüse automatisch länger angesteuert",
     key(F::InjectorSwitchTime1)},
    {K::Label, "µs", 458, 180},
    {K::Label, "Einspritzdüse 2:", 18, 202},
    {K::NumberField, "", 140, 202, 40, 20,
     "Um diese Menge wird die berechnete Einspritzzeit individuell für Zylinder 2 erweitert.",
     key(F::InjectorCorrection2)},
    {K::Label, "°/oo", 183, 202},
    {K::Field, "", 290, 202, 50, 20, "Korrekturfaktor zur Gleichbehandlung aller Düsen",
     key(F::InjectorBalance2)},
    {K::Label, "°/oo", 343, 202},
    {K::NumberField, "", 410, 202, 45, 20,
     "Um diese Zeit wird die Einspritzdüse automatisch länger angesteuert",
     key(F::InjectorSwitchTime2)},
    {K::Label, "µs", 458, 202},
    {K::Label, "Einspritzdüse 3:", 18, 224},
    {K::NumberField, "", 140, 224, 40, 20,
     "Um diese Menge wird die berechnete Einspritzzeit individuell für Zylinder 3 erweitert.",
     key(F::InjectorCorrection3)},
    {K::Label, "°/oo", 183, 224},
    {K::Field, "", 290, 224, 50, 20, "Korrekturfaktor zur Gleichbehandlung aller Düsen",
     key(F::InjectorBalance3)},
    {K::Label, "°/oo", 343, 224},
    {K::NumberField, "", 410, 224, 45, 20,
     "Um diese Zeit wird die Einspritzdüse automatisch länger angesteuert",
     key(F::InjectorSwitchTime3)},
    {K::Label, "µs", 458, 224},

    // "Notprogramm"
    {K::Frame, "Notprogramm", 10, 250, 500, 65},
    {K::Label, "Motor-Temperatur >", 18, 270},
    {K::NumberField, "", 155, 270, 35, 20,
     "Oberhalb dieser Motortemperatur wird das Notprogramm eingeschaltet.",
     key(F::EmergencyEngineTemp)},
    {K::Label, "°C", 193, 270},
    {K::Label, "ZZP v.OT konstant:", 250, 270},
    {K::Field, "", 385, 270, 35, 20, "Im Notprogramm wird konstant dieser ZZP verwendet.",
     key(F::EmergencyIgnitionAngle)},
    {K::Label, "°KW", 423, 270},
    {K::Label, "Zündung Aus:", 18, 291},
    {K::NumberField, "", 155, 291, 42, 20, "Im Notprogramm wird die Motordrehzahl begrenzt.",
     key(F::EmergencyCutRpm)},
    {K::Label, "Umin", 200, 291},
    {K::Label, "Einspr. Anreich.:", 250, 291},
    {K::NumberField, "", 385, 291, 35, 20,
     "Im Norprogramm wird die Einspritzmenge um diesen Faktor angereichert.",
     key(F::EmergencyEnrichment)},
    {K::Label, "°/oo", 423, 291},

    // "Start"
    {K::Frame, "Start", 520, 0, 220, 135},
    {K::Label, "Schnellstartdrehz.:", 526, 22},
    {K::NumberField, "", 665, 22, 38, 20,
     "Zwischen Erkennen eines Sensorsignals und dem sicheren Erkennen der ersten Umdrehung "
     "nimmt die ORK alle Einstellungen der hier genannten Drehzahl an, um den Motorstart zu "
     "unterstützen.",
     key(F::QuickStartRpm)},
    {K::Label, "Umin", 706, 22},
    {K::Label, "Start-Einspritzmenge:", 526, 44},
    {K::NumberField, "", 540, 66, 45, 20,
     "Beim Start des Motors wird für diesen Zeitraum konstant eingespritzt.",
     key(F::StartInjectionTime)},
    {K::Label, "µs für", 588, 66},
    {K::NumberField, "", 635, 66, 28, 20,
     "Beim Start des Motors wird für diese Anzahl Umdrehungen konstant eingespritzt.",
     key(F::StartInjectionRevs)},
    {K::Label, "Umdr.", 666, 66},
    {K::Check, "Einspritzwert addieren", 526, 90, -1, 18,
     "Der Start-Einspritzwert wird direkt verwendet oder zum berechneten Einspritzwert "
     "addiert.",
     key(F::StartInjectionAdd)},
    {K::Check, "Start Einspritzung Aus", 526, 112, -1, 18,
     "Überfetteten Zylinder leerpumpen (Einspritzung Aus): Starten aus 0Umin bei laufender "
     "Benzinpumpe",
     key(F::StartInjectionOff)},

    // "Begrenzer"
    {K::Frame, "Begrenzer", 520, 135, 220, 115},
    {K::Label, "Zündwinkel-Rückn.:", 526, 157},
    {K::NumberField, "", 660, 157, 42, 20,
     "Ab dieser Drehzahl wird der Zündzeitpunkt in Richtung 'spät' verstellt.", key(F::RetardRpm)},
    {K::Label, "Umin", 705, 157},
    {K::Value, "Winkel:", 526, 179, 130, 20},
    {K::NumberField, "", 660, 179, 42, 20,
     "Oberhalb der Begrenzerdrehzahl wird der Zündzeitpunkt um diese Winkelangabe in Richtung "
     "'spät' verstellt.",
     key(F::RetardAngle)},
    {K::Label, "°KW", 705, 179},
    {K::Label, "Zündung Aus:", 526, 201},
    {K::NumberField, "", 660, 201, 42, 20, nullptr, key(F::IgnitionCutRpm)},
    {K::Label, "Umin", 705, 201},
    {K::Label, "Hysterese:", 526, 223},
    {K::NumberField, "", 660, 223, 42, 20,
     "Der Begrenzer wird bei Unterschreiten der (Begrenzerdrehzahl minus Hysterese) "
     "abgeschaltet",
     key(F::LimiterHysteresis)},
    {K::Label, "Umin", 705, 223},

    // "Zündung"
    {K::Frame, "Zündung", 520, 250, 220, 65},
    {K::Label, "Spulenladezeit:", 526, 270},
    {K::NumberField, "", 660, 270, 42, 20, "Dies ist die konstante Ladezeit der Zündspule(n).",
     key(F::CoilChargeTime)},
    {K::Label, "µs", 705, 270},
    {K::Option, "Spule", 526, 292, -1, -1, "Es wird direkt eine Zündspule geschaltet.",
     key(F::CoilDriver, 0)},
    {K::Option, "ext. Treiber", 610, 292, -1, -1,
     "Es wird eine Zündspule mit eigenem Treiber verwendet. Die ORK steuert diesen "
     "entsprechend an.",
     key(F::CoilDriver, 1)},

    // "Sensoren"
    {K::Frame, "Sensoren", 10, 315, 730, 115},
    {K::Label, "Messwert:", 580, 335},
    {K::Label, "Motorttemperatur-Sensor:", 18, 356},
    {K::Field, "", 225, 356, 40, 20, kPoint1, key(F::EngineTempPoint1Volt)},
    {K::Label, "V bei", 268, 356},
    {K::Field, "", 308, 356, 35, 20, kPoint1, key(F::EngineTempPoint1Temp)},
    {K::Label, "°C    und", 346, 356},
    {K::Field, "", 414, 356, 40, 20, kPoint2, key(F::EngineTempPoint2Volt)},
    {K::Label, "V bei", 457, 356},
    {K::Field, "", 497, 356, 35, 20, kPoint2, key(F::EngineTempPoint2Temp)},
    {K::Label, "°C", 535, 356},
    {K::Value, "", 585, 356, 45, 20, kLive, kMeasuredKey + 0},
    {K::Label, "V", 633, 356, -1, -1, kLive},
    {K::Label, "Ansauglufttemperatur-Sensor:", 18, 378},
    {K::Field, "", 225, 378, 40, 20, kPoint1, key(F::AirTempPoint1Volt)},
    {K::Label, "V bei", 268, 378},
    {K::Field, "", 308, 378, 35, 20, kPoint1, key(F::AirTempPoint1Temp)},
    {K::Label, "°C    und", 346, 378},
    {K::Field, "", 414, 378, 40, 20, kPoint2, key(F::AirTempPoint2Volt)},
    {K::Label, "V bei", 457, 378},
    {K::Field, "", 497, 378, 35, 20, kPoint2, key(F::AirTempPoint2Temp)},
    {K::Label, "°C", 535, 378},
    {K::Value, "", 585, 378, 45, 20, kLive, kMeasuredKey + 1},
    {K::Label, "V", 633, 378, -1, -1, kLive},
    {K::Label, "Drosselklappenpotentiometer:", 18, 400},
    {K::Field, "", 225, 400, 40, 20, kPoint1, key(F::ThrottlePoint1Volt)},
    {K::Label, "V bei", 268, 400},
    {K::Field, "", 308, 400, 35, 20, kPoint1, key(F::ThrottlePoint1Percent)},
    {K::Label, "%    und", 346, 400},
    {K::Field, "", 414, 400, 40, 20, kPoint2, key(F::ThrottlePoint2Volt)},
    {K::Label, "V bei", 457, 400},
    {K::Field, "", 497, 400, 35, 20, kPoint2, key(F::ThrottlePoint2Percent)},
    {K::Label, "%", 535, 400},
    {K::Value, "", 585, 400, 45, 20, kLive, kMeasuredKey + 2},
    {K::Label, "V", 633, 400, -1, -1, kLive},
    {K::Label, "Dämpfung:", 665, 335},
    {K::Field, "", 672, 356, 35, 20, nullptr, key(F::SensorDamping)},

    // "Schalteingänge"
    {K::Frame, "Schalteingänge", 10, 430, 360, 285},
    {K::Label, "Schalteingang 1:", 18, 452},
    {K::Option, "ohne Funktion", 35, 472, -1, -1, "Der Eingang wird nicht verwendet",
     key(F::Input1Function, 0)},
    {K::Label, "Schalteingang 2:", 18, 500},
    {K::Option, "ohne Funktion", 35, 520, -1, -1, nullptr, key(F::Input2Function, 0)},
    {K::Option, "Drehzahlbegrenzer ausschalten", 35, 540, -1, -1,
     "Der Drehzahlbegrenzer wird nicht beachtet", key(F::Input2Function, 1)},
    {K::Label, "Schalteingang 3:", 18, 568},
    {K::Option, "ohne Funktion", 35, 588, -1, -1, nullptr, key(F::Input3Function, 0)},
    {K::Option, "Lern-Modus, EEPROM sichern", 35, 608, -1, -1,
     "Wenn der Lern-Modus eingeschaltet ist, speichert die ORK das Setup ins EEPROM, wenn der "
     "Motor zum Stillstand gekommen ist.",
     key(F::Input3Function, 1)},
    {K::Option, "Notprogramm", 35, 628, -1, -1, "Die ORK arbeitet im Notprogramm",
     key(F::Input3Function, 2)},

    // "Schaltausgänge"
    {K::Frame, "Schaltausgänge", 380, 430, 360, 285},
    {K::Label, "Drehzahlmesserausgang:", 388, 450},
    {K::Label, "Impulse pro Umdrehung:", 400, 470},
    {K::NumberField, "", 565, 470, 30, 20,
     "Anzahl der Impulse pro Umdrehung am Drehzahlmesserausgang", key(F::TachoPulsesPerRev)},
    {K::Label, "Schaltausgang 1:", 388, 494},
    {K::Option, "Aus", 400, 512, -1, -1, "Der Ausgang ist immer aus", key(F::Output1Mode, 0)},
    {K::Option, kAbove, 400, 530, -1, -1,
     "der Ausgang 1 schaltet ein, wenn die Drehzahl überschritten ist", key(F::Output1Mode, 1)},
    {K::Option, kAbove, 400, 548, -1, -1,
     "Der Ausgang 1 schaltet ein, wenn die Drehzahl zwischen beiden Werten liegt.",
     key(F::Output1Mode, 2)},
    // The on-speed belongs to both "größer als" options and sits between them.
    {K::NumberField, "", 640, 538, 42, 20,
     "Ober- oder unterhalb dieser Drehzahl wird der Ausgang 1 geschaltet.", key(F::Output1RpmOn)},
    {K::Label, "Umin", 685, 538},
    {K::Label, "und wenn Drehzahl kleiner als", 419, 568},
    {K::NumberField, "", 640, 568, 42, 20, nullptr, key(F::Output1RpmOff)},
    {K::Label, "Umin", 685, 568},
    {K::Label, "Schaltausgang 2:", 388, 592},
    {K::Option, "Aus", 400, 610, -1, -1, "Der Ausgang ist immer aus", key(F::Output2Mode, 0)},
    {K::Option, kAbove, 400, 628, -1, -1,
     "der Ausgang 2 schaltet ein, wenn die Drehzahl überschritten ist", key(F::Output2Mode, 1)},
    {K::Option, kAbove, 400, 646, -1, -1,
     "Der Ausgang 2 schaltet ein, wenn die Drehzahl zwischen beiden Werten liegt.",
     key(F::Output2Mode, 2)},
    {K::NumberField, "", 640, 636, 42, 20,
     "Ober- oder unterhalb dieser Drehzahl wird der Ausgang 2 geschaltet.", key(F::Output2RpmOn)},
    {K::Label, "Umin", 685, 636},
    {K::Label, "und wenn Drehzahl kleiner als", 419, 666},
    {K::NumberField, "", 640, 666, 42, 20, nullptr, key(F::Output2RpmOff)},
    {K::Label, "Umin", 685, 666},
    {K::Option, "Ein, wenn ORK lernt", 400, 688, -1, -1,
     "Wenn der Lern-Modus aktiv ist und alle Randbedingungen erfüllt sind, lernt die ORK. "
     "Dann wird dieser Ausgang eingeschaltet",
     key(F::Output2Mode, 3)},
};

constexpr F kBalances[] = {F::InjectorBalance1, F::InjectorBalance2, F::InjectorBalance3};
}  // namespace

Einstellungendialog::Einstellungendialog()
    : FormWindow(WindowId::Settings),
      fields_(static_cast<std::size_t>(kSetupFieldCount), nullptr),
      groups_(static_cast<std::size_t>(kSetupFieldCount), nullptr),
      checks_(static_cast<std::size_t>(kSetupFieldCount), nullptr) {
  const PlacedControls placed = placeControls(area(), kControls);
  for (const ControlSpec& c : kControls) {
    if (c.key < 0 || c.key >= kMeasuredKey) continue;
    const auto f = static_cast<F>(c.key / 8);
    QWidget* w = placed.byKey(c.key);
    switch (c.kind) {
      case K::Field:
      case K::NumberField:
        fields_[at(f)] = static_cast<QLineEdit*>(w);
        break;
      case K::Check:
        checks_[at(f)] = static_cast<QCheckBox*>(w);
        break;
      case K::Option:
        if (!groups_[at(f)]) groups_[at(f)] = new QButtonGroup(this);
        groups_[at(f)]->addButton(static_cast<QRadioButton*>(w), c.key % 8);
        break;
      default:
        break;
    }
  }
  for (std::size_t k = 0; k < measured.size(); ++k)
    measured[k] = placed.get<QLabel>(kMeasuredKey + static_cast<int>(k));
  // The balance values are computed by the unit: shown, never typed.
  for (F f : kBalances) {
    QLineEdit* balance = field(f);
    balance->setReadOnly(true);
    balance->setFocusPolicy(Qt::NoFocus);
    balance->setAlignment(Qt::AlignRight);
  }
}

QLineEdit* Einstellungendialog::field(SetupField f) const {
  return fields_.at(at(f));
}
QButtonGroup* Einstellungendialog::group(SetupField f) const {
  return groups_.at(at(f));
}
QCheckBox* Einstellungendialog::check(SetupField f) const {
  return checks_.at(at(f));
}

QRadioButton* Einstellungendialog::option(SetupField f, int index) const {
  QButtonGroup* g = group(f);
  return g ? static_cast<QRadioButton*>(g->button(index)) : nullptr;
}

}  // namespace qx
