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
  void motorFrame();
  void injectionFrame();
  void emergencyFrame();
  void startFrame();
  void limiterFrame();
  void ignitionFrame();
  void sensorFrame();
  void inputFrame();
  void outputFrame();
  void sensorRow(int y, const QString& name, SetupField volt1, SetupField value1,
                 SetupField volt2, SetupField value2, const QString& unit, int row);
  void outputBlock(int output, int y);

  // Placing helpers: a numeric field accepts digits only.
  QLineEdit* addField(SetupField f, int x, int y, int w, const QString& tooltip = {},
                      bool numeric = true);
  QRadioButton* addOption(SetupField f, int index, const QString& text, int x, int y,
                          const QString& tooltip = {});
  QCheckBox* addCheck(SetupField f, const QString& text, int x, int y, const QString& tooltip);

  std::vector<QLineEdit*> fields_;
  std::vector<QButtonGroup*> groups_;
  std::vector<QCheckBox*> checks_;
};

}  // namespace qx
