#pragma once
// Layout of the main window.

#include "forms/FormWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class Hauptdialog : public FormWindow {
 public:
  Hauptdialog();

  // "Zündwinkel berechnet": the limiter speed and retard angle of the setup.
  QGroupBox* ignitionFrame;
  QLabel* retardRpmValue;
  QLabel* retardAngleValue;

  QGroupBox* communicationFrame;
  QLineEdit* statusLine;
  QLabel* infoLabel;
  QPushButton* settingsButton;
};

}  // namespace qx
