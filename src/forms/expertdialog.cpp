#include "forms/expertdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/Canvas.h"
#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;

enum Key : int {
  CalibrationUp,
  CalibrationValue,
  CalibrationDown,
  SpeedMean,
  AngleLimit,
  DynamicAngle1,
  DynamicAngle2,
  AccelTimerDiff,
  AccelTimerSigned,
  AccelDegrees,
  RevsForSet,
  ChooseFile,
  FileName,
  DeviceType,
  WriteDeviceType,
  Disc,
  ToothGap,
  ToothWidth,
  Timestamp,
  TimeOfDay,
  ClockDrift,
  Deviation,
  ResetTimestamp,
  ComFrequency,
  ComFrequencyMean,
  ControlValue,
  Unused,
  FirstCylinderValue = 100,  // + 10 * cylinder + column
  FirstLayer = 200,          // + layer
};

constexpr int cylinderKey(int cylinder, int column) {
  return FirstCylinderValue + 10 * cylinder + column;
}

// "Kontrollwerte": the left edge and width of each of the seven columns.
constexpr int kColumnX[7] = {88, 160, 215, 275, 355, 405, 460};
constexpr int kColumnW[7] = {68, 52, 56, 76, 46, 52, 46};
constexpr int kRowY[3] = {205, 225, 245};

constexpr ControlSpec kControls[] = {
    {K::Frame, "Kalibrierung", 10, 105, 500, 45},
    {K::Label, "Setze 32MHz- µC-Osc. calib. fine tune byte", 18, 120},
    {K::Button, " + ", 262, 120, 28, 22, "Erhöhe calibrationbyte um 1", CalibrationUp},
    {K::Value, "", 292, 120, 36, 22, nullptr, CalibrationValue},
    {K::Button, " - ", 330, 120, 28, 22, "Erniedrige calibrationbyte um 1", CalibrationDown},
    {K::Label, "Erkannte", 372, 120},
    {K::Value, "", 420, 120, 52, 20, nullptr, SpeedMean},
    {K::Label, "Umin", 476, 120},

    {K::Frame, "Kontrollwerte", 10, 150, 500, 190},
    {K::Label, "Ev-Startwinkel", kColumnX[0] - 12, 166, kColumnW[0] + 24, 18},
    {K::Label, "[°KW]", kColumnX[0], 182, kColumnW[0], 18},
    {K::Label, "Einspritzzeit", kColumnX[1], 166, kColumnW[1] + kColumnW[2], 18},
    {K::Label, "[µs]", kColumnX[1], 182, kColumnW[1], 18},
    {K::Label, "[% Umdr.]", kColumnX[2], 182, kColumnW[2], 18},
    {K::Label, "ZT Ladestartw.", kColumnX[3] - 12, 166, kColumnW[3] + 24, 18},
    {K::Label, "[°KW]", kColumnX[3], 182, kColumnW[3], 18},
    {K::Label, "Zündw.", kColumnX[4], 166, kColumnW[4], 18},
    {K::Label, "[°KW]", kColumnX[4], 182, kColumnW[4], 18},
    {K::Label, "Ladezeit", kColumnX[5], 166, kColumnW[5] + kColumnW[6], 18},
    {K::Label, "[µs]", kColumnX[5], 182, kColumnW[5], 18},
    {K::Label, "[%Soll]", kColumnX[6], 182, kColumnW[6], 18},
    {K::Label, "Zylinder 1:", 18, kRowY[0]},
    {K::Value, "", kColumnX[0], kRowY[0], kColumnW[0], 20, nullptr, cylinderKey(0, 0)},
    {K::Value, "", kColumnX[1], kRowY[0], kColumnW[1], 20, nullptr, cylinderKey(0, 1)},
    {K::Value, "", kColumnX[2], kRowY[0], kColumnW[2], 20, nullptr, cylinderKey(0, 2)},
    {K::Value, "", kColumnX[3], kRowY[0], kColumnW[3], 20, nullptr, cylinderKey(0, 3)},
    {K::Value, "", kColumnX[4], kRowY[0], kColumnW[4], 20, nullptr, cylinderKey(0, 4)},
    {K::Value, "", kColumnX[5], kRowY[0], kColumnW[5], 20, nullptr, cylinderKey(0, 5)},
    {K::Value, "", kColumnX[6], kRowY[0], kColumnW[6], 20, nullptr, cylinderKey(0, 6)},
    {K::Label, "Zylinder 2:", 18, kRowY[1]},
    {K::Value, "", kColumnX[0], kRowY[1], kColumnW[0], 20, nullptr, cylinderKey(1, 0)},
    {K::Value, "", kColumnX[1], kRowY[1], kColumnW[1], 20, nullptr, cylinderKey(1, 1)},
    {K::Value, "", kColumnX[2], kRowY[1], kColumnW[2], 20, nullptr, cylinderKey(1, 2)},
    {K::Value, "", kColumnX[3], kRowY[1], kColumnW[3], 20, nullptr, cylinderKey(1, 3)},
    {K::Value, "", kColumnX[4], kRowY[1], kColumnW[4], 20, nullptr, cylinderKey(1, 4)},
    {K::Value, "", kColumnX[5], kRowY[1], kColumnW[5], 20, nullptr, cylinderKey(1, 5)},
    {K::Value, "", kColumnX[6], kRowY[1], kColumnW[6], 20, nullptr, cylinderKey(1, 6)},
    {K::Label, "Zylinder 3:", 18, kRowY[2]},
    {K::Value, "", kColumnX[0], kRowY[2], kColumnW[0], 20, nullptr, cylinderKey(2, 0)},
    {K::Value, "", kColumnX[1], kRowY[2], kColumnW[1], 20, nullptr, cylinderKey(2, 1)},
    {K::Value, "", kColumnX[2], kRowY[2], kColumnW[2], 20, nullptr, cylinderKey(2, 2)},
    {K::Value, "", kColumnX[3], kRowY[2], kColumnW[3], 20, nullptr, cylinderKey(2, 3)},
    {K::Value, "", kColumnX[4], kRowY[2], kColumnW[4], 20, nullptr, cylinderKey(2, 4)},
    {K::Value, "", kColumnX[5], kRowY[2], kColumnW[5], 20, nullptr, cylinderKey(2, 5)},
    {K::Value, "", kColumnX[6], kRowY[2], kColumnW[6], 20, nullptr, cylinderKey(2, 6)},
    {K::Label, "Winkelgrenze berechnet:", 18, 272},
    {K::Value, "", 175, 272, 50, 20, nullptr, AngleLimit},
    {K::Label, "dyn Winkel 1:", 18, 292},
    {K::Value, "", 175, 292, 50, 20, nullptr, DynamicAngle1},
    {K::Label, "dyn. Winkel2:", 18, 312},
    {K::Value, "", 175, 312, 50, 20, nullptr, DynamicAngle2},
    {K::Label, "Beschl.-Korr.timerdiff.:", 245, 272},
    {K::Value, "", 400, 272, 50, 20, nullptr, AccelTimerDiff},
    {K::Value, "", 450, 272, 55, 20, nullptr, AccelTimerSigned},
    {K::Label, "Beschl.-Korr.timerdiff. [°KW]:", 245, 292},
    {K::Value, "", 440, 292, 65, 20, nullptr, AccelDegrees},
    {K::Label, "Umdr. für Set_Berechnung:", 245, 312},
    {K::Value, "", 440, 312, 65, 20, nullptr, RevsForSet},

    {K::Frame, "Setup bearbeiten", 10, 340, 500, 120},
    {K::Button, "Setup-Datei wählen", 18, 360, 150, 25, nullptr, ChooseFile},
    {K::Label, "Datei:", 18, 392},
    {K::Label, "", 80, 392, 425, 20, nullptr, FileName},
    {K::Label, "Gerätetyp:", 18, 424},
    {K::Field, "", 80, 424, 110, 20, nullptr, DeviceType},
    {K::Button, "Gerätetyp in Setup-Datei schreiben", 235, 422, 265, 25, nullptr, WriteDeviceType},

    {K::Frame, "Schaltwinkel SET", 520, 10, 420, 490},
    {K::Canvas, "", 525, 30, 400, 395, nullptr, Disc},
    {K::Check, "EV1", 530, 428, -1, 15, nullptr, FirstLayer + 0},
    {K::Check, "EV2", 590, 428, -1, 15, nullptr, FirstLayer + 1},
    {K::Check, "EV3", 650, 428, -1, 15, nullptr, FirstLayer + 2},
    {K::Check, "Zt1", 710, 428, -1, 15, nullptr, FirstLayer + 3},
    {K::Check, "Zt2", 770, 428, -1, 15, nullptr, FirstLayer + 4},
    {K::Check, "Zt3", 830, 428, -1, 15, nullptr, FirstLayer + 5},
    {K::Check, "Sensorpos.", 530, 446, -1, 15, nullptr, FirstLayer + 6},
    {K::Check, "Triggerrad", 630, 446, -1, 15, nullptr, FirstLayer + 7},
    {K::Check, "Drehzahlimp.", 730, 446, -1, 15, nullptr, FirstLayer + 8},
    {K::Check, "Zahnlücke", 530, 464, -1, 15, nullptr, FirstLayer + 9},
    {K::Check, "Dyn.Fakt. 1", 630, 464, -1, 15, nullptr, FirstLayer + 10},
    {K::Check, "Dyn.Fakt. 2", 730, 464, -1, 15, nullptr, FirstLayer + 11},
    {K::Check, "Beschl.Korr.", 530, 482, -1, 15, nullptr, FirstLayer + 12},
    {K::Label, "Zahnlücke:", 835, 443},
    {K::Value, "", 880, 443, 55, 20, nullptr, ToothGap},
    {K::Label, "Zahnbreite:", 835, 461},
    {K::Value, "", 880, 461, 55, 20, nullptr, ToothWidth},

    {K::Label, "100kHz-Zeitstempel:", 10, 470, -1, 20, "ORK-interner Zeitstempel"},
    {K::Value, "", 125, 470, 75, 20, "ORK-interner Zeitstempel", Timestamp},
    {K::Label, "", 204, 470, 62, 20, nullptr, TimeOfDay},
    {K::Label, "Diff. zu CPU [ms]:", 270, 470},
    {K::Value, "", 375, 470, 50, 20, nullptr, ClockDrift},
    {K::Label, "in %:", 432, 470},
    {K::Value, "", 460, 470, 50, 20, nullptr, Deviation},
    {K::Button, "Reset Zeitstempel-Diff.", 10, 505, 160, 25, nullptr, ResetTimestamp},
    {K::Label, "reale COM Frequenz [Hz]:", 185, 507},
    {K::Value, "", 335, 507, 50, 20, nullptr, ComFrequency},
    {K::Label, "im Ø:", 395, 507},
    {K::Value, "", 425, 507, 50, 20, nullptr, ComFrequencyMean},
    {K::Label, "Kontrollwert:", 525, 507, -1, 20, "irgendein Kontrollwert"},
    {K::Value, "", 605, 507, 50, 20, "irgendein Kontrollwert", ControlValue},
    {K::Button, "Button unbelegt", 810, 505, 130, 25, nullptr, Unused},
};
}  // namespace

expertdialog::expertdialog() : FormWindow(WindowId::Expert) {
  setWindowTitle(QStringLiteral("Quarnelix - Expertfenster... FINGER WEG!"));
  const PlacedControls c = placeControls(area(), kControls);
  calibrationUpButton = c.get<QPushButton>(CalibrationUp);
  calibrationDownButton = c.get<QPushButton>(CalibrationDown);
  calibrationValue = c.get<QLabel>(CalibrationValue);
  calibrationValue->setAlignment(Qt::AlignCenter);
  speedMeanValue = c.get<QLabel>(SpeedMean);
  for (int k = 0; k < 3; ++k)
    for (int col = 0; col < 7; ++col)
      cylinderValues[static_cast<std::size_t>(k)][static_cast<std::size_t>(col)] =
          c.get<QLabel>(cylinderKey(k, col));
  angleLimitValue = c.get<QLabel>(AngleLimit);
  dynamicAngle1Value = c.get<QLabel>(DynamicAngle1);
  dynamicAngle2Value = c.get<QLabel>(DynamicAngle2);
  accelTimerDiffValue = c.get<QLabel>(AccelTimerDiff);
  accelTimerSignedValue = c.get<QLabel>(AccelTimerSigned);
  accelDegreesValue = c.get<QLabel>(AccelDegrees);
  revsForSetValue = c.get<QLabel>(RevsForSet);
  chooseFileButton = c.get<QPushButton>(ChooseFile);
  fileValue = c.get<QLabel>(FileName);
  deviceTypeField = c.get<QLineEdit>(DeviceType);
  writeDeviceTypeButton = c.get<QPushButton>(WriteDeviceType);
  discCanvas = c.get<Canvas>(Disc);
  for (int k = 0; k < 13; ++k)
    layerChecks[static_cast<std::size_t>(k)] = c.get<QCheckBox>(FirstLayer + k);
  toothGapValue = c.get<QLabel>(ToothGap);
  toothWidthValue = c.get<QLabel>(ToothWidth);
  timestampValue = c.get<QLabel>(Timestamp);
  timeOfDayValue = c.get<QLabel>(TimeOfDay);
  clockDriftValue = c.get<QLabel>(ClockDrift);
  deviationValue = c.get<QLabel>(Deviation);
  resetTimestampButton = c.get<QPushButton>(ResetTimestamp);
  comFrequencyValue = c.get<QLabel>(ComFrequency);
  comFrequencyMeanValue = c.get<QLabel>(ComFrequencyMean);
  controlValue = c.get<QLabel>(ControlValue);
  unusedButton = c.get<QPushButton>(Unused);
  // The column heads of "Kontrollwerte" stand centred over their columns.
  for (QLabel* header : area()->findChildren<QLabel*>())
    if (header->y() == 166 || header->y() == 182) header->setAlignment(Qt::AlignCenter);
}

}  // namespace qx
