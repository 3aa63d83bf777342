#pragma once
// Layout of the main window.

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

  // "Kommunikation"
  QGroupBox* communicationFrame;
  QComboBox* portList;
  QCheckBox* comCheck;
  Canvas* connectionLamp;
  QPushButton* refreshPortsButton;
  QLabel* hardwareValue;
  QLabel* softwareValue;
  QLineEdit* statusLine;

  QLabel* infoLabel;
};

}  // namespace qx
