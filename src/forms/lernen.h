#pragma once
// Layout of the learning-mode window: the learning limits, the target and the probes it is
// compared with, how fast the unit learns, and the switches of learning and of the live map.

#include <array>

#include "forms/FormWindow.h"

class QCheckBox;
class QLineEdit;

namespace qx {

enum class SetupField : int;

class lernen : public FormWindow {
 public:
  lernen();

  // The text field of a learning value; nullptr for any other setup value.
  QLineEdit* field(SetupField f) const;

  QCheckBox* learningActiveCheck;
  std::array<QCheckBox*, 3> probeChecks{};
  QCheckBox* liveMapCheck;

 private:
  std::array<std::pair<SetupField, QLineEdit*>, 8> fields_{};
};

}  // namespace qx
