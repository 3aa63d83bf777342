#pragma once
// Layout of the help window: the main window's keys and buttons in the left column, what
// they do in the right one, on a scroll area.

#include "forms/FormWindow.h"

class QLabel;

namespace qx {

class hilfedialog : public FormWindow {
 public:
  hilfedialog();

  QLabel* keys;
  QLabel* explanations;
};

}  // namespace qx
