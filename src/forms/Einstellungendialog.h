#pragma once
// Layout of the settings window: the scalar setup values in frames on a 750 x 720 area.

#include <array>
#include <vector>

#include "forms/FormWindow.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QString;

namespace qx {

enum class SetupField : int;

class Einstellungendialog : public FormWindow {
 public:
  Einstellungendialog();

  // The text field of a setup value; nullptr when the window has none.
  QLineEdit* field(SetupField f) const;
  // The option group of a setup value (button ids are the stored indices); nullptr if none.
  QButtonGroup* group(SetupField f) const;
  QRadioButton* option(SetupField f, int index) const;
  QCheckBox* check(SetupField f) const;

  // The "Messwert:" column: engine temperature, intake air temperature, throttle.
  std::array<QLabel*, 3> measured{};

 private:
  std::vector<QLineEdit*> fields_;
  std::vector<QButtonGroup*> groups_;
  std::vector<QCheckBox*> checks_;
};

}  // namespace qx
