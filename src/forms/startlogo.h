#pragma once
// Layout of the start logo shown while the program starts.

#include "forms/FormWindow.h"

class QProgressBar;

namespace qx {

class startlogo : public FormWindow {
 public:
  startlogo();
  QProgressBar* progress;
};

}  // namespace qx
