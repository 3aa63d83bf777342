#pragma once
// Layout of the main window.

#include <array>

#include "forms/FormWindow.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class Canvas;

class Hauptdialog : public FormWindow {
 public:
  Hauptdialog();

  // "Motor"
  QLabel* fileNameValue;
  QLineEdit* descriptionField;

  // "Einspritzung berechnet"
  QLabel* injectionBaseValue;
  QLabel* airCorrPercentValue;
  QLabel* airCorrUsValue;
  QLabel* engineCorrPercentValue;
  QLabel* engineCorrUsValue;
  QLabel* injectionTimeValue;

  // "Zündwinkel berechnet"
  QLabel* ignitionBaseValue;
  QLabel* retardRpmValue;
  QLabel* retardAngleValue;
  QLabel* ignitionAngleValue;

  // "Ein- / Ausgänge": Ausgang 1, Ausgang 2, Eingang 1, 2, 3
  std::array<QLabel*, 5> switchValues;

  // "Vitaldaten"
  QLabel* engineSpeedValue;
  QLabel* throttleValue;
  QLabel* engineTempValue;
  QLabel* airTempValue;
  std::array<QLabel*, 3> lambdaValues;
  QLabel* cpuTempValue;

  // InjectionMap editor
  QCheckBox* mapStartCheck;
  QCheckBox* mapKappCheck;
  QCheckBox* mapX100Check;
  QCheckBox* mapAutoCheck;
  QCheckBox* mapPosCheck;
  QLabel* mapSpeedValue;
  QLabel* mapThrottleValue;
  QLabel* mapInjectionValue;
  Canvas* mapCanvas;

  // The curve editors: AirTempCorrection, EngineTempCorrection, IgnitionCurve.
  struct CurveEditor {
    QCheckBox* autoCheck;
    QCheckBox* posCheck;
    QLabel* axisValue;
    QLabel* valueValue;
    Canvas* canvas;
  };
  CurveEditor airEditor;
  CurveEditor engineEditor;
  CurveEditor ignitionEditor;

  // "Kommunikation"
  QGroupBox* communicationFrame;
  QComboBox* portList;
  QCheckBox* comCheck;
  Canvas* connectionLamp;
  QPushButton* refreshPortsButton;
  QLabel* hardwareValue;
  QLabel* softwareValue;
  QLineEdit* statusLine;

  // The row of buttons.
  QPushButton* toPcButton;
  QPushButton* toUnitButton;
  QPushButton* toEepromButton;
  QPushButton* lambdaLoggerButton;
  QPushButton* vitalLoggerButton;
  QPushButton* bigDisplayButton;
  QPushButton* loadButton;
  QPushButton* settingsButton;
  QPushButton* testButton;
  QPushButton* learningButton;
  QPushButton* powerButton;
  QPushButton* systemButton;
  QPushButton* saveButton;

  QLabel* infoLabel;
};

}  // namespace qx
