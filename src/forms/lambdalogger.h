#pragma once
// Layout of the lambda logger window: the file buttons with the loaded file's values and
// the comment, the unit's lambda logs, the rating thresholds with their colours, the
// display options and the table's drawing area.

#include <array>

#include "forms/FormWindow.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class Canvas;

class lambdalogger : public FormWindow {
 public:
  lambdalogger();

  // "Datei"
  QPushButton* loadButton;
  QPushButton* saveButton;
  QPushButton* printButton;
  // "Pfad:", "Datei:", "Log_Datum:", "Log_Zeitpunkt:", "Log_HW:", "Log_SW:"
  QLabel* pathValue;
  QLabel* fileValue;
  QLabel* logDateValue;
  QLabel* logTimeValue;
  QLabel* logHwValue;
  QLabel* logSwValue;
  QLineEdit* commentField;

  // "ORK"
  QPushButton* readEepromButton;
  QPushButton* readRamButton;
  QPushButton* clearEepromButton;
  QPushButton* clearRamButton;
  QCheckBox* loggingCheck;

  // "Lambdaanzeige": very rich, rich, lean, very lean; the legend of the colours.
  std::array<QLabel*, 4> thresholdValues;
  Canvas* legendCanvas;

  // "Anzeige"
  QPushButton* clearValuesButton;
  QCheckBox* liveCheck;
  QRadioButton* voltsOption;
  QRadioButton* symbolsOption;
  QButtonGroup* cellTextGroup;
  std::array<QCheckBox*, 3> probeChecks;

  Canvas* tableCanvas;
};

}  // namespace qx
