#pragma once
// Layout of the expert window: the oscillator calibration, the unit's control values per
// cylinder, the device-type editor of setup files, the switching-angle disc with its layer
// boxes and the clock comparison of unit and PC.

#include <array>

#include "forms/FormWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class Canvas;

class expertdialog : public FormWindow {
 public:
  expertdialog();

  // "Kalibrierung"
  QPushButton* calibrationUpButton;
  QPushButton* calibrationDownButton;
  QLabel* calibrationValue;
  QLabel* speedMeanValue;

  // "Kontrollwerte": per cylinder the seven columns, left to right.
  std::array<std::array<QLabel*, 7>, 3> cylinderValues{};
  QLabel* angleLimitValue;
  QLabel* dynamicAngle1Value;
  QLabel* dynamicAngle2Value;
  QLabel* accelTimerDiffValue;
  QLabel* accelTimerSignedValue;
  QLabel* accelDegreesValue;
  QLabel* revsForSetValue;

  // "Setup bearbeiten"
  QPushButton* chooseFileButton;
  QLabel* fileValue;
  QLineEdit* deviceTypeField;
  QPushButton* writeDeviceTypeButton;

  // "Schaltwinkel SET": the disc, its layer boxes in the order "EV1" .. "Beschl.Korr.".
  Canvas* discCanvas;
  std::array<QCheckBox*, 13> layerChecks{};
  QLabel* toothGapValue;
  QLabel* toothWidthValue;

  // The clock comparison and the rest of the bottom lines.
  QLabel* timestampValue;
  QLabel* timeOfDayValue;
  QLabel* clockDriftValue;
  QLabel* deviationValue;
  QPushButton* resetTimestampButton;
  QLabel* comFrequencyValue;
  QLabel* comFrequencyMeanValue;
  QLabel* controlValue;
  QPushButton* unusedButton;
};

}  // namespace qx
