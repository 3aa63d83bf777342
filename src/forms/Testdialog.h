#pragma once
// Layout of the test window: output tests, sensor position and test ignition, the crank
// sensor's checks, the injector flow tests and the two estimates on a 900 x 575 area.

#include <array>

#include "core/testmode/TestForm.h"
#include "forms/FormWindow.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class Canvas;

class Testdialog : public FormWindow {
 public:
  Testdialog();

  // The input field of a value.
  QLineEdit* field(TestField f) const { return fields_[static_cast<std::size_t>(f)]; }
  const std::array<QLineEdit*, kTestFieldCount>& fields() const { return fields_; }

  // "Allgemeines": one column for the connected unit, one for the loaded setup.
  struct UnitColumn {
    QLabel* device;
    QLabel* restarts;
    QLabel* hardware;
    QLabel* software;
    QLabel* bootLoader;
  };
  UnitColumn connectedUnit{};
  UnitColumn loadedSetup{};

  // Ignition and sensor position.
  QLabel* sensorPositionValue;
  QPushButton* sensorUpButton;
  QPushButton* sensorDownButton;
  QLabel* ignitionAngleValue;
  QButtonGroup* ignitionGroup;  // ids: 0 "Kennlinie", 1 "Konstant v.OT [°KW]:"
  QRadioButton* curveOption;
  QRadioButton* constantOption;
  QPushButton* restartButton;

  // Output tests.
  QPushButton* pumpButton;
  std::array<QPushButton*, 2> outputButtons{};
  std::array<QPushButton*, 3> injectorButtons{};
  std::array<QPushButton*, 3> coilButtons{};
  QButtonGroup* repetitionGroup;  // ids: 0 "1x", 1 "10x"
  QRadioButton* onceOption;
  QRadioButton* tenTimesOption;
  QPushButton* speedOutputButton;

  // "Sensorstabilität"
  QLabel* signalValue;
  QLabel* gapValue;
  QLabel* teethValue;
  QLabel* revolutionValue;
  Canvas* sensorLamp;

  // Injector flow tests, per injector.
  std::array<QPushButton*, 3> longTestButtons{};
  std::array<QPushButton*, 3> shortTestButtons{};
  std::array<QLabel*, 3> switchingTimeValues{};
  std::array<QLabel*, 3> flowValues{};
  std::array<QLabel*, 3> compensationValues{};
  QLabel* fullLoadValue;
  QPushButton* takeOverButton;
  QPushButton* resetButton;

  // The estimates' results.
  QLabel* fuelFlowValue;
  QLabel* requiredOpeningValue;
  QLabel* availableOpeningValue;
  QLabel* chargeTimeValue;
  QLabel* maxCurrentValue;
  QLabel* availableChargeValue;

 private:
  std::array<QLineEdit*, kTestFieldCount> fields_{};
};

}  // namespace qx
