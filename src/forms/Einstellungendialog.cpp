#include "forms/Einstellungendialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "core/setup/SetupFields.h"
#include "forms/Layout.h"

namespace qx {

namespace {
using F = SetupField;
std::size_t at(SetupField f) {
  return static_cast<std::size_t>(f);
}
}  // namespace

Einstellungendialog::Einstellungendialog()
    : FormWindow(WindowId::Settings),
      fields_(static_cast<std::size_t>(kSetupFieldCount), nullptr),
      groups_(static_cast<std::size_t>(kSetupFieldCount), nullptr),
      checks_(static_cast<std::size_t>(kSetupFieldCount), nullptr) {
  // Controls are created frame by frame in the order they are listed, which is also the
  // order the tab key follows.
  motorFrame();
  injectionFrame();
  emergencyFrame();
  startFrame();
  limiterFrame();
  ignitionFrame();
  sensorFrame();
  inputFrame();
  outputFrame();
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

QLineEdit* Einstellungendialog::addField(SetupField f, int x, int y, int w, const QString& tooltip,
                                         bool numeric) {
  QLineEdit* edit = placeField(area(), x, y, w, 20, tooltip);
  if (numeric) {
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(digits, edit));
  }
  fields_[at(f)] = edit;
  return edit;
}

QRadioButton* Einstellungendialog::addOption(SetupField f, int index, const QString& text, int x,
                                             int y, const QString& tooltip) {
  if (!groups_[at(f)]) groups_[at(f)] = new QButtonGroup(this);
  QRadioButton* option = placeOption(area(), text, x, y, tooltip);
  groups_[at(f)]->addButton(option, index);
  return option;
}

QCheckBox* Einstellungendialog::addCheck(SetupField f, const QString& text, int x, int y,
                                         const QString& tooltip) {
  QCheckBox* box = placeCheck(area(), text, x, y, tooltip);
  box->setGeometry(x, y, box->width(), 18);
  checks_[at(f)] = box;
  return box;
}

void Einstellungendialog::motorFrame() {
  QWidget* a = area();
  const QString manual = QStringLiteral("Siehe Bedienungsanleitung");
  placeFrame(a, QStringLiteral("Motor"), 10, 0, 500, 115);
  placeLabel(a, QStringLiteral("Triggerrad [Zähne inkl. Lücke]:"), 18, 22);
  addField(F::TriggerWheelTeeth, 245, 22, 30,
           QStringLiteral("Anzahl Zähne am Triggerrad. Die zwei fehlenden Zähne der notwendigen "
                          "Lücke werden mitgezählt."));
  placeLabel(a, QStringLiteral("Anzahl Lücken:"), 300, 22);
  addField(F::TriggerGapCount, 410, 22, 30);
  placeLabel(a, QStringLiteral("Sensor v. OT:"), 18, 45);
  addField(F::SensorAngle, 245, 45, 30,
           QStringLiteral("Angabe in Grad vor den oberen Totpunkt des Zylinder1. Sitzt der Sensor "
                          "in Kurbelwellendrehrichtung vor den OT, dann ist die Winkelangabe "
                          "positiv."));
  placeLabel(a, QStringLiteral("°KW"), 278, 45);
  placeLabel(a, QStringLiteral("Flanke:"), 306, 45);
  addOption(F::SensorEdge, 0, QStringLiteral("fallend"), 358, 46,
            QStringLiteral("Es wird die fallende Sensorflanke ausgewertet"));
  addOption(F::SensorEdge, 1, QStringLiteral("steigend"), 430, 46,
            QStringLiteral("Es wird die steigende Sensorflanke ausgewertet"));
  placeLabel(a, QStringLiteral("Zylinderversatz 1-2:"), 18, 68);
  addField(F::CylinderOffset12, 165, 68, 35,
           QStringLiteral("Um wieviel Grad KW in Drehrichtung ist der 2. Zylinder nach dem 1. "
                          "Zylinder angeordnet?"));
  placeLabel(a, QStringLiteral("°KW"), 203, 68);
  placeLabel(a, QStringLiteral("Zylinderversatz 2-3:"), 18, 91);
  addField(F::CylinderOffset23, 165, 91, 35,
           QStringLiteral("Um wieviel Grad KW in Drehrichtung ist der 3. Zylinder nach dem 2. "
                          "Zylinder angeordnet?"));
  placeLabel(a, QStringLiteral("°KW"), 203, 91);
  // The dynamic factors share the lower two rows with the cylinder offsets.
  for (int k = 0; k < 2; ++k) {
    const int y = 68 + 23 * k;
    placeLabel(a, QStringLiteral("Dynamikfaktor %1:").arg(k + 1), 250, y);
    addField(k == 0 ? F::DynamicFactor1 : F::DynamicFactor2, 368, y, 28, manual, false);
    placeLabel(a, QStringLiteral("bis:"), 400, y);
    addField(k == 0 ? F::DynamicFactor1UpToRpm : F::DynamicFactor2UpToRpm, 432, y, 42, manual);
    placeLabel(a, QStringLiteral("Umin"), 477, y);
  }
}

void Einstellungendialog::injectionFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Einspritzung"), 10, 115, 500, 135);
  placeLabel(a, QStringLiteral("Einspritz-Startwinkel n.OT:"), 18, 137);
  addField(F::InjectionStartAngle, 215, 137, 35,
           QStringLiteral("Ab diesem Kurbelwellenwinkel wird für jeden Zylinder das "
                          "Einspritzventil geöffnet."));
  placeLabel(a, QStringLiteral("°KW"), 253, 137);
  placeLabel(a, QStringLiteral("Einspritzkorrektur:"), 140, 159);
  placeLabel(a, QStringLiteral("Ausgleichswert:"), 290, 159);
  placeLabel(a, QStringLiteral("Umschaltzeit:"), 410, 159);
  const F corrections[] = {F::InjectorCorrection1, F::InjectorCorrection2, F::InjectorCorrection3};
  const F balances[] = {F::InjectorBalance1, F::InjectorBalance2, F::InjectorBalance3};
  const F switchTimes[] = {F::InjectorSwitchTime1, F::InjectorSwitchTime2, F::InjectorSwitchTime3};
  for (int c = 0; c < 3; ++c) {
    const int y = 180 + 22 * c;
    placeLabel(a, QStringLiteral("Einspritzdüse %1:").arg(c + 1), 18, y);
    addField(corrections[c], 140, y, 40,
             QStringLiteral("Um diese Menge wird die berechnete Einspritzzeit individuell für "
                            "Zylinder %1 erweitert.")
                 .arg(c + 1));
    placeLabel(a, QStringLiteral("°/oo"), 183, y);
    QLineEdit* balance =
        addField(balances[c], 290, y, 50,
                 QStringLiteral("Korrekturfaktor zur Gleichbehandlung aller Düsen"), false);
    balance->setReadOnly(true);
    balance->setFocusPolicy(Qt::NoFocus);
    balance->setAlignment(Qt::AlignRight);
    placeLabel(a, QStringLiteral("°/oo"), 343, y);
    addField(switchTimes[c], 410, y, 45,
             QStringLiteral("Um diese Zeit wird die Einspritzdüse automatisch länger angesteuert"));
    placeLabel(a, QStringLiteral("µs"), 458, y);
  }
}

void Einstellungendialog::emergencyFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Notprogramm"), 10, 250, 500, 65);
  placeLabel(a, QStringLiteral("Motor-Temperatur >"), 18, 270);
  addField(F::EmergencyEngineTemp, 155, 270, 35,
           QStringLiteral("Oberhalb dieser Motortemperatur wird das Notprogramm eingeschaltet."));
  placeLabel(a, QStringLiteral("°C"), 193, 270);
  placeLabel(a, QStringLiteral("ZZP v.OT konstant:"), 250, 270);
  addField(F::EmergencyIgnitionAngle, 385, 270, 35,
           QStringLiteral("Im Notprogramm wird konstant dieser ZZP verwendet."), false);
  placeLabel(a, QStringLiteral("°KW"), 423, 270);
  placeLabel(a, QStringLiteral("Zündung Aus:"), 18, 291);
  addField(F::EmergencyCutRpm, 155, 291, 42,
           QStringLiteral("Im Notprogramm wird die Motordrehzahl begrenzt."));
  placeLabel(a, QStringLiteral("Umin"), 200, 291);
  placeLabel(a, QStringLiteral("Einspr. Anreich.:"), 250, 291);
  addField(F::EmergencyEnrichment, 385, 291, 35,
           QStringLiteral("Im Norprogramm wird die Einspritzmenge um diesen Faktor angereichert."));
  placeLabel(a, QStringLiteral("°/oo"), 423, 291);
}

void Einstellungendialog::startFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Start"), 520, 0, 220, 135);
  placeLabel(a, QStringLiteral("Schnellstartdrehz.:"), 526, 22);
  addField(F::QuickStartRpm, 665, 22, 38,
           QStringLiteral("Zwischen Erkennen eines Sensorsignals und dem sicheren Erkennen der "
                          "ersten Umdrehung nimmt die ORK alle Einstellungen der hier genannten "
                          "Drehzahl an, um den Motorstart zu unterstützen."));
  placeLabel(a, QStringLiteral("Umin"), 706, 22);
  placeLabel(a, QStringLiteral("Start-Einspritzmenge:"), 526, 44);
  addField(F::StartInjectionTime, 540, 66, 45,
           QStringLiteral("Beim Start des Motors wird für diesen Zeitraum konstant eingespritzt."));
  placeLabel(a, QStringLiteral("µs für"), 588, 66);
  addField(F::StartInjectionRevs, 635, 66, 28,
           QStringLiteral("Beim Start des Motors wird für diese Anzahl Umdrehungen konstant "
                          "eingespritzt."));
  placeLabel(a, QStringLiteral("Umdr."), 666, 66);
  addCheck(F::StartInjectionAdd, QStringLiteral("Einspritzwert addieren"), 526, 90,
           QStringLiteral("Der Start-Einspritzwert wird direkt verwendet oder zum berechneten "
                          "Einspritzwert addiert."));
  addCheck(F::StartInjectionOff, QStringLiteral("Start Einspritzung Aus"), 526, 112,
           QStringLiteral("Überfetteten Zylinder leerpumpen (Einspritzung Aus): Starten aus 0Umin "
                          "bei laufender Benzinpumpe"));
}

void Einstellungendialog::limiterFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Begrenzer"), 520, 135, 220, 115);
  placeLabel(a, QStringLiteral("Zündwinkel-Rückn.:"), 526, 157);
  addField(F::RetardRpm, 660, 157, 42,
           QStringLiteral("Ab dieser Drehzahl wird der Zündzeitpunkt in Richtung 'spät' "
                          "verstellt."));
  placeLabel(a, QStringLiteral("Umin"), 705, 157);
  QLabel* angle = placeLabel(a, QStringLiteral("Winkel:"), 526, 179, 130);
  angle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  addField(F::RetardAngle, 660, 179, 42,
           QStringLiteral("Oberhalb der Begrenzerdrehzahl wird der Zündzeitpunkt um diese "
                          "Winkelangabe in Richtung 'spät' verstellt."));
  placeLabel(a, QStringLiteral("°KW"), 705, 179);
  placeLabel(a, QStringLiteral("Zündung Aus:"), 526, 201);
  addField(F::IgnitionCutRpm, 660, 201, 42);
  placeLabel(a, QStringLiteral("Umin"), 705, 201);
  placeLabel(a, QStringLiteral("Hysterese:"), 526, 223);
  addField(F::LimiterHysteresis, 660, 223, 42,
           QStringLiteral("Der Begrenzer wird bei Unterschreiten der (Begrenzerdrehzahl minus "
                          "Hysterese) abgeschaltet"));
  placeLabel(a, QStringLiteral("Umin"), 705, 223);
}

void Einstellungendialog::ignitionFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Zündung"), 520, 250, 220, 65);
  placeLabel(a, QStringLiteral("Spulenladezeit:"), 526, 270);
  addField(F::CoilChargeTime, 660, 270, 42,
           QStringLiteral("Dies ist die konstante Ladezeit der Zündspule(n)."));
  placeLabel(a, QStringLiteral("µs"), 705, 270);
  addOption(F::CoilDriver, 0, QStringLiteral("Spule"), 526, 292,
            QStringLiteral("Es wird direkt eine Zündspule geschaltet."));
  addOption(F::CoilDriver, 1, QStringLiteral("ext. Treiber"), 610, 292,
            QStringLiteral("Es wird eine Zündspule mit eigenem Treiber verwendet. Die ORK steuert "
                           "diesen entsprechend an."));
}

void Einstellungendialog::sensorRow(int y, const QString& name, SetupField volt1, SetupField value1,
                                    SetupField volt2, SetupField value2, const QString& unit,
                                    int row) {
  QWidget* a = area();
  const QString point1 = QStringLiteral("Einstellpunkt 1");
  const QString point2 = QStringLiteral("Einstellpunkt 2");
  placeLabel(a, name, 18, y);
  addField(volt1, 225, y, 40, point1, false);
  placeLabel(a, QStringLiteral("V bei"), 268, y);
  addField(value1, 308, y, 35, point1, false);
  placeLabel(a, unit + QStringLiteral("    und"), 346, y);
  addField(volt2, 414, y, 40, point2, false);
  placeLabel(a, QStringLiteral("V bei"), 457, y);
  addField(value2, 497, y, 35, point2, false);
  placeLabel(a, unit, 535, y);
  const QString live = QStringLiteral("aktuell gemessene Spannung des Sensoreingangs");
  measured[static_cast<std::size_t>(row)] = placeValue(a, 585, y, 45);
  measured[static_cast<std::size_t>(row)]->setToolTip(live);
  placeLabel(a, QStringLiteral("V"), 633, y)->setToolTip(live);
}

void Einstellungendialog::sensorFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Sensoren"), 10, 315, 730, 115);
  placeLabel(a, QStringLiteral("Messwert:"), 580, 335);
  sensorRow(356, QStringLiteral("Motorttemperatur-Sensor:"), F::EngineTempPoint1Volt,
            F::EngineTempPoint1Temp, F::EngineTempPoint2Volt, F::EngineTempPoint2Temp,
            QStringLiteral("°C"), 0);
  sensorRow(378, QStringLiteral("Ansauglufttemperatur-Sensor:"), F::AirTempPoint1Volt,
            F::AirTempPoint1Temp, F::AirTempPoint2Volt, F::AirTempPoint2Temp, QStringLiteral("°C"),
            1);
  sensorRow(400, QStringLiteral("Drosselklappenpotentiometer:"), F::ThrottlePoint1Volt,
            F::ThrottlePoint1Percent, F::ThrottlePoint2Volt, F::ThrottlePoint2Percent,
            QStringLiteral("%"), 2);
  placeLabel(a, QStringLiteral("Dämpfung:"), 665, 335);
  addField(F::SensorDamping, 672, 356, 35, {}, false);
}

void Einstellungendialog::inputFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Schalteingänge"), 10, 430, 360, 285);
  placeLabel(a, QStringLiteral("Schalteingang 1:"), 18, 452);
  addOption(F::Input1Function, 0, QStringLiteral("ohne Funktion"), 35, 472,
            QStringLiteral("Der Eingang wird nicht verwendet"));
  placeLabel(a, QStringLiteral("Schalteingang 2:"), 18, 500);
  addOption(F::Input2Function, 0, QStringLiteral("ohne Funktion"), 35, 520);
  addOption(F::Input2Function, 1, QStringLiteral("Drehzahlbegrenzer ausschalten"), 35, 540,
            QStringLiteral("Der Drehzahlbegrenzer wird nicht beachtet"));
  placeLabel(a, QStringLiteral("Schalteingang 3:"), 18, 568);
  addOption(F::Input3Function, 0, QStringLiteral("ohne Funktion"), 35, 588);
  addOption(F::Input3Function, 1, QStringLiteral("Lern-Modus, EEPROM sichern"), 35, 608,
            QStringLiteral("Wenn der Lern-Modus eingeschaltet ist, speichert die ORK das Setup ins "
                           "EEPROM, wenn der Motor zum Stillstand gekommen ist."));
  addOption(F::Input3Function, 2, QStringLiteral("Notprogramm"), 35, 628,
            QStringLiteral("Die ORK arbeitet im Notprogramm"));
}

void Einstellungendialog::outputBlock(int output, int y) {
  QWidget* a = area();
  const F mode = output == 1 ? F::Output1Mode : F::Output2Mode;
  const QString n = QString::number(output);
  const QString above = QStringLiteral("Ein, wenn Drehzahl größer als");
  placeLabel(a, QStringLiteral("Schaltausgang %1:").arg(n), 388, y);
  addOption(mode, 0, QStringLiteral("Aus"), 400, y + 18,
            QStringLiteral("Der Ausgang ist immer aus"));
  addOption(
      mode, 1, above, 400, y + 36,
      QStringLiteral("der Ausgang %1 schaltet ein, wenn die Drehzahl überschritten ist").arg(n));
  addOption(mode, 2, above, 400, y + 54,
            QStringLiteral("Der Ausgang %1 schaltet ein, wenn die Drehzahl zwischen beiden Werten "
                           "liegt.")
                .arg(n));
  // The on-speed belongs to both "größer als" options and sits between them.
  addField(output == 1 ? F::Output1RpmOn : F::Output2RpmOn, 640, y + 44, 42,
           QStringLiteral("Ober- oder unterhalb dieser Drehzahl wird der Ausgang %1 geschaltet.")
               .arg(n));
  placeLabel(a, QStringLiteral("Umin"), 685, y + 44);
  placeLabel(a, QStringLiteral("und wenn Drehzahl kleiner als"), 419, y + 74);
  addField(output == 1 ? F::Output1RpmOff : F::Output2RpmOff, 640, y + 74, 42);
  placeLabel(a, QStringLiteral("Umin"), 685, y + 74);
}

void Einstellungendialog::outputFrame() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Schaltausgänge"), 380, 430, 360, 285);
  placeLabel(a, QStringLiteral("Drehzahlmesserausgang:"), 388, 450);
  placeLabel(a, QStringLiteral("Impulse pro Umdrehung:"), 400, 470);
  addField(F::TachoPulsesPerRev, 565, 470, 30,
           QStringLiteral("Anzahl der Impulse pro Umdrehung am Drehzahlmesserausgang"));
  outputBlock(1, 494);
  outputBlock(2, 592);
  addOption(F::Output2Mode, 3, QStringLiteral("Ein, wenn ORK lernt"), 400, 688,
            QStringLiteral("Wenn der Lern-Modus aktiv ist und alle Randbedingungen erfüllt sind, "
                           "lernt die ORK. Dann wird dieser Ausgang eingeschaltet"));
}

}  // namespace qx
