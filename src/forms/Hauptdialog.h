#pragma once
// Layout of the main window.

#include "forms/FormWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace qx {

class Hauptdialog : public FormWindow {
 public:
  Hauptdialog();

  QGroupBox* communicationFrame;
  QLineEdit* statusLine;
  QLabel* infoLabel;
};

}  // namespace qx
