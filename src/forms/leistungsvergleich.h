#pragma once
// Layout of the power window: files, run, inputs, display options, the loaded comparison
// curves, the cursor values and the diagram area on a 905 x 760 area.

#include <array>

#include "forms/FormWindow.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qx {

class Canvas;

class leistungsvergleich : public FormWindow {
 public:
  leistungsvergleich();

  QPushButton* loadButton;
  QPushButton* saveButton;
  QPushButton* printButton;

  // "Messungs-Datei"
  QLabel* folderValue;
  QLabel* fileValue;
  QLabel* dateValue;
  QLabel* timeValue;
  QLabel* hardwareValue;
  QLabel* softwareValue;
  QLineEdit* descriptionField;

  // "Messung"
  QPushButton* startButton;
  QPushButton* stopButton;
  QProgressBar* progress;
  Canvas* remainingTime;

  // The number fields of "Umwelt" and "Einstellungen", in the order of PowerField.
  std::array<QLineEdit*, 10> fields{};

  // Every check box and option button, in the order of PowerOption.
  std::array<QAbstractButton*, 13> options{};
  QButtonGroup* systemGroup;
  QButtonGroup* displayGroup;

  // "Anzeige Kurven": the colour squares of curves 1..3 (index 0 unused), the line samples.
  std::array<Canvas*, 4> colourSquares{};
  Canvas* powerSample;
  Canvas* torqueSample;

  // "Geladene Kurven", index 2 and 3.
  struct LoadedCurve {
    QLabel* file;
    QLabel* date;
    QLabel* time;
    QLineEdit* description;
    QLabel* system;
    QLabel* correction;
    QLabel* drag;
    QPushButton* load;
  };
  std::array<LoadedCurve, 4> loaded{};

  // "Werte": the cursor speed, and kW and Nm of curves 1..3 (index 0 unused).
  QLabel* cursorValue;
  std::array<QLabel*, 4> kwValues{};
  std::array<QLabel*, 4> nmValues{};

  Canvas* diagram;
};

}  // namespace qx
