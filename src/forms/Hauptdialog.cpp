#include "forms/Hauptdialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/Canvas.h"
#include "forms/Layout.h"

namespace qx {

namespace {
constexpr int kRow = 16;  // height of a one-line static text

QLabel* label(QWidget* a, const char* text, int x, int y) {
  return placeLabel(a, QString::fromUtf8(text), x, y, -1, kRow);
}
QLabel* value(QWidget* a, int x, int y, int w) { return placeValue(a, x, y, w, kRow); }

const QString kAutoTip = QStringLiteral("automatisches Justieren des Bearbeitungspunktes");
const QString kCurvePosTip = QStringLiteral("Zeigt die Position in der Kennlinie an");
}  // namespace

Hauptdialog::Hauptdialog() : FormWindow(830, 780, true) {
  setWindowTitle(QStringLiteral("Quarnelix - Zünd- und Einspritzsteuerung"));
  QWidget* a = area();

  placeFrame(a, QStringLiteral("Motor"), 10, 10, 580, 70);
  label(a, "Datei:", 20, 30);
  fileNameValue = placeValue(a, 110, 30, 470, 20);
  label(a, "Beschreibung:", 20, 50);
  descriptionField = placeField(a, 110, 50, 470, 20,
                                QStringLiteral("Beschreibung der geladenen Einstellungsdatei"));

  buildCalculated();
  buildVitalData();
  buildEditors();
  buildCommunication();
  buildButtons();

  infoLabel = placeLabel(a, QStringLiteral("Quarnelix 1.E"), 340, 755, 125, 20);
  infoLabel->setAlignment(Qt::AlignCenter);
}

void Hauptdialog::buildCalculated() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Einspritzung berechnet"), 10, 80, 240, 130);
  label(a, "Grundwert (Kennfeld):", 20, 105);
  label(a, "Korr. Ansaugluft-Temp:", 20, 125);
  label(a, "Korr. Motor-Temp:", 20, 145);
  label(a, "-------------------------------------------------------", 20, 165)->setFixedWidth(225);
  label(a, "Einspritzung: (µs)", 20, 180);
  injectionBaseValue = value(a, 175, 105, 65);
  airCorrPercentValue = value(a, 155, 125, 35);
  airCorrUsValue = value(a, 190, 125, 50);
  engineCorrPercentValue = value(a, 155, 145, 35);
  engineCorrUsValue = value(a, 195, 145, 45);
  injectionTimeValue = value(a, 175, 179, 65);

  placeFrame(a, QStringLiteral("Zündwinkel berechnet"), 260, 80, 180, 130);
  label(a, "Grundwert (Kennlinie):", 270, 125);
  label(a, "Begrenzer (", 270, 145);
  retardRpmValue = value(a, 340, 145, 40);
  label(a, "):", 380, 145);
  label(a, "--------------------------------------------", 270, 165)->setFixedWidth(165);
  label(a, "Zündwinkel: (°KW)", 270, 180);
  ignitionBaseValue = value(a, 400, 125, 30);
  retardAngleValue = value(a, 400, 145, 30);
  ignitionAngleValue = value(a, 400, 180, 30);

  placeFrame(a, QStringLiteral("Ein- / Ausgänge"), 450, 80, 140, 130);
  const char* names[] = {"Ausgang 1:", "Ausgang 2:", "Eingang 1:", "Eingang 2:", "Eingang 3:"};
  for (int k = 0; k < 5; ++k) {
    label(a, names[k], 460, 100 + 20 * k);
    switchValues[static_cast<std::size_t>(k)] = value(a, 540, 100 + 20 * k, 40);
  }
}

void Hauptdialog::buildVitalData() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Vitaldaten"), 600, 10, 220, 200);
  struct Row {
    const char* label;
    int y;
    const char* unit;
  };
  const Row rows[] = {{"Drehzahl:", 30, "U/min"},         {"Drosselklappe:", 55, "%"},
                      {"Motortemperatur:", 75, "°C"},      {"Ansauglufttemp.:", 95, "°C"},
                      {"Lambdaspannung:", 120, "V"},       {"Lambdaspannung:", 140, "V"},
                      {"Lambdaspannung:", 160, "V"},       {"CPU-Temperatur:", 185, "°C"}};
  std::array<QLabel*, 8> values{};
  for (std::size_t k = 0; k < 8; ++k) {
    label(a, rows[k].label, 610, rows[k].y);
    values[k] = value(a, 730, rows[k].y, 40);
    label(a, rows[k].unit, 780, rows[k].y);
  }
  engineSpeedValue = values[0];
  throttleValue = values[1];
  engineTempValue = values[2];
  airTempValue = values[3];
  lambdaValues = {values[4], values[5], values[6]};
  cpuTempValue = values[7];
}

void Hauptdialog::buildEditors() {
  QWidget* a = area();
  placeFrame(a, QStringLiteral("Einspritzung zu Drehzahl und Drosselklappe (F5)"), 10, 210, 470, 430);
  mapStartCheck = placeCheck(a, QStringLiteral("Start"), 330, 220);
  mapKappCheck = placeCheck(a, QStringLiteral("kapp"), 380, 220,
                            QStringLiteral("Kennfeld-zoom für niedrige Drehzahlen aktiviert"));
  mapX100Check = placeCheck(a, QStringLiteral("x100"), 380, 235,
                            QStringLiteral("Kennfeldveränderung x100"));
  mapAutoCheck = placeCheck(a, QStringLiteral("auto"), 430, 220, kAutoTip);
  mapPosCheck = placeCheck(a, QStringLiteral("pos"), 430, 235,
                           QStringLiteral("Zeigt die Position im Kennfeld an"));
  label(a, "Drehzahl:", 20, 230);
  mapSpeedValue = value(a, 70, 230, 40);
  label(a, "Drosselkl.:", 115, 230);
  mapThrottleValue = value(a, 170, 230, 30);
  label(a, "Einspr. (µs):", 205, 230);
  mapInjectionValue = value(a, 275, 230, 45);
  mapCanvas = new Canvas(a, 20, 255, 450, 375);
  mapCanvas->setFocusPolicy(Qt::StrongFocus);

  struct CurveLayout {
    const char* frame;
    int y;
    const char* axisLabel;
    int axisValueX;
    const char* valueLabel;
    int valueLabelX;
    CurveEditor* editor;
  };
  const CurveLayout curves[] = {
      {"Einspritzkorrektur zu Ansauglufttemperatur (F6)", 210, "Ansaugtemperatur:", 620,
       "Korrektur (%):", 650, &airEditor},
      {"Einspritzkorrektur zu Motortemperatur (F7)", 380, "Motortemperatur:", 610,
       "Korrenkur (%):", 640, &engineEditor},
      {"Zündung zu Drehzahl (F8)", 550, "Drehzahl:", 560, "Zündwinkel v.OT:", 630,
       &ignitionEditor},
  };
  for (const CurveLayout& c : curves) {
    placeFrame(a, QString::fromUtf8(c.frame), 490, c.y, 330, 170);
    label(a, c.axisLabel, 500, c.y + 20);
    c.editor->axisValue = value(a, c.axisValueX, c.y + 20, 30);
    label(a, c.valueLabel, c.valueLabelX, c.y + 20);
    c.editor->valueValue = value(a, 730, c.y + 20, 30);
    c.editor->autoCheck = placeCheck(a, QStringLiteral("auto"), 770, c.y + 10, kAutoTip);
    c.editor->posCheck = placeCheck(a, QStringLiteral("pos"), 770, c.y + 25, kCurvePosTip);
    c.editor->canvas = new Canvas(a, 500, c.y + 45, 310, 115);
  }
}

void Hauptdialog::buildCommunication() {
  QWidget* a = area();
  communicationFrame = placeFrame(a, QStringLiteral("Kommunikation"), 10, 640, 470, 80);
  portList = placeCombo(a, 20, 660, 74, 25,
                        QStringLiteral("Auswahl des zu nutzenden COM-Anschlusses"));
  // Device names are longer than "COM3": the open list shows them whole.
  portList->view()->setMinimumWidth(220);
  comCheck = placeCheck(a, QStringLiteral("COM"), 100, 660,
                        QStringLiteral("Aktivieren der Kommunikation."));
  comCheck->setGeometry(100, 660, 48, 25);
  connectionLamp = new Canvas(a, 150, 665, 15, 15);
  refreshPortsButton = placeButton(a, QStringLiteral("verf. Ports ?"), 170, 660, 85, 25,
                                   QStringLiteral("Aktualisiert die verfügbaren COM-Anschlüsse"));
  label(a, "Verbundene ORK: HW:", 260, 665);
  hardwareValue = value(a, 390, 665, 28);
  label(a, "SW:", 420, 665);
  softwareValue = value(a, 450, 665, 28);

  // The status line shows the latest message; long ones are cut by the control only.
  statusLine = placeField(a, 20, 690, 450, 20);
  statusLine->setReadOnly(true);
  statusLine->setFocusPolicy(Qt::NoFocus);
}

void Hauptdialog::buildButtons() {
  QWidget* a = area();
  auto button = [a](const char* text, int x, int y, int w, const char* tip) {
    return placeButton(a, QString::fromUtf8(text), x, y, w, 25, QString::fromUtf8(tip));
  };
  toPcButton = button("->PC", 10, 725, 100, "Überträgt das setup in der ORK zur Quarnelix");
  toUnitButton = button("->ORK", 120, 725, 100, "Überträgt das setup in der Quarnelix zur ORK");
  toEepromButton = button("->EEPROM", 230, 725, 100, "Speichert das setup in der ORK in deren EEPROM");
  lambdaLoggerButton = button("Lambda-Logger", 340, 725, 125, "Zeigt den Lambdalogger an");
  vitalLoggerButton = button("Vitaldaten-Logger", 475, 725, 125, "Aktiviert den Datenlogger-Fenster");
  bigDisplayButton = button("Grossbild", 610, 725, 100, "Aktiviert das Grossbild");
  loadButton = button("Laden", 720, 725, 100, "Läd ein setup von einem Datenträger in die Quarnelix");
  settingsButton = button("Einstellungen", 10, 750, 100, "Öffnet das Fenster 'Einstellungen'");
  testButton = button("Test", 120, 750, 100, "Öffnet das Fenster 'Test'");
  learningButton = button("Lernmodus", 230, 750, 100, "Öffnet das Fenster Lern-Modus");
  powerButton = button("Leistungsvergleich", 475, 750, 125, "Öffnet das Fenster für den Leistungsvergleich");
  systemButton = button("System", 610, 750, 100, "Öffnet das Fenster 'System'");
  saveButton = button("Speichern", 720, 750, 100,
                      "Speichert das setup in der Quarnelix auf einen Datenträger");
}

}  // namespace qx
