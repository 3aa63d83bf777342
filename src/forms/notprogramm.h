#pragma once
// Layout of the emergency-program warning: a small window kept above all others.

#include "forms/FormWindow.h"

class QLabel;
class QPushButton;

namespace qx {

class notprogramm : public FormWindow {
 public:
  notprogramm();

  QLabel* warning;
  QPushButton* closeButton;  // "Fenster schliessen"
};

}  // namespace qx
