#include "forms/Testdialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "forms/Canvas.h"
#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;
using F = TestField;
constexpr int kRow = 16;  // height of a one-line static text

constexpr int key(F f) {
  return static_cast<int>(f);
}

// The window's keys; the input fields use their TestField numbers.
enum Key : int {
  UnitDevice = 100,
  UnitRestarts,
  UnitHardware,
  UnitSoftware,
  UnitBootLoader,
  SetupDevice,
  SetupRestarts,
  SetupHardware,
  SetupSoftware,
  SetupBootLoader,
  SensorPosition,
  SensorUp,
  SensorDown,
  IgnitionAngle,
  Curve,
  Constant,
  Restart,
  Pump,
  Output1,
  Output2,
  Injector1,
  Injector2,
  Injector3,
  Coil1,
  Coil2,
  Coil3,
  Once,
  TenTimes,
  SpeedOutput,
  Signal,
  Gap,
  Teeth,
  Revolution,
  Lamp,
  LongTest1,
  LongTest2,
  LongTest3,
  ShortTest1,
  ShortTest2,
  ShortTest3,
  Switching1,
  Switching2,
  Switching3,
  Flow1,
  Flow2,
  Flow3,
  Compensation1,
  Compensation2,
  Compensation3,
  FullLoad,
  TakeOver,
  Reset,
  FuelFlow,
  RequiredOpening,
  AvailableOpening,
  ChargeTime,
  MaxCurrent,
  AvailableCharge,
};

// One row of the flow tests: injector k's weights, "Test" buttons and results.
#define QX_FLOW_ROW(k, y)                                              \
  {K::Label, "Einspritzdüse " #k ":", 20, (y) + 2, -1, kRow},          \
      {K::Field, "", 125, y, 50, 20, nullptr, key(F::WeightLong##k)},  \
      {K::Button, "Test", 180, (y)-2, 45, 24, nullptr, LongTest##k},   \
      {K::Field, "", 245, y, 50, 20, nullptr, key(F::WeightShort##k)}, \
      {K::Button, "Test", 300, (y)-2, 45, 24, nullptr, ShortTest##k},  \
      {K::Value, "", 365, y, 60, 20, nullptr, Switching##k},           \
      {K::Value, "", 440, y, 65, 20, nullptr, Flow##k}, {              \
    K::Value, "", 515, y, 60, 20, nullptr, Compensation##k             \
  }

// clang-format off
constexpr ControlSpec kControls[] = {
    // "Allgemeines"
    {K::Frame, "Allgemeines", 10, 5, 290, 135},
    {K::Label, "verbundene ORK", 95, 22, 100, kRow},
    {K::Label, "geladnes Setup", 200, 22, 95, kRow},
    {K::Label, "Gerätetyp:", 20, 42, -1, kRow},
    {K::Label, "", 95, 42, 100, kRow, nullptr, UnitDevice},
    {K::Label, "", 200, 42, 95, kRow, nullptr, SetupDevice},
    {K::Label, "Neustarts:", 20, 60, -1, kRow},
    {K::Label, "", 95, 60, 100, kRow, nullptr, UnitRestarts},
    {K::Label, "", 200, 60, 95, kRow, nullptr, SetupRestarts},
    {K::Label, "HW:", 20, 78, -1, kRow},
    {K::Label, "", 95, 78, 100, kRow, nullptr, UnitHardware},
    {K::Label, "", 200, 78, 95, kRow, nullptr, SetupHardware},
    {K::Label, "SW:", 20, 96, -1, kRow},
    {K::Label, "", 95, 96, 100, kRow, nullptr, UnitSoftware},
    {K::Label, "", 200, 96, 95, kRow, nullptr, SetupSoftware},
    {K::Label, "BL:", 20, 114, -1, kRow},
    {K::Label, "", 95, 114, 100, kRow, nullptr, UnitBootLoader},
    {K::Label, "", 200, 114, 95, kRow, nullptr, SetupBootLoader},

    // Ignition and sensor position
    {K::Frame, "Zündung", 10, 145, 290, 170},
    {K::Label, "Spulenladezeit [µs]:", 20, 167, -1, kRow},
    {K::Field, "", 200, 165, 60, 20, nullptr, key(F::CoilChargeTime)},
    {K::Label, "Sensor v.OT [°KW]:", 20, 194, -1, kRow},
    {K::Value, "", 200, 192, 30, 20, nullptr, SensorPosition},
    {K::Button, "+", 235, 190, 25, 24, nullptr, SensorUp},
    {K::Button, "-", 263, 190, 25, 24, nullptr, SensorDown},
    {K::Label, "ZZP v.OT aktuell [°KW]:", 20, 220, -1, kRow},
    {K::Value, "", 200, 218, 30, 20, nullptr, IgnitionAngle},
    {K::Option, "Kennlinie", 20, 243, -1, -1, nullptr, Curve},
    {K::Option, "Konstant v.OT [°KW]:", 20, 266, -1, -1, nullptr, Constant},
    {K::Field, "", 200, 265, 60, 20, nullptr, key(F::ConstantAngle)},
    {K::Button, "ORK Neustart", 20, 288, 100, 22, "Neustart der ORK (nur bei COM-Verbindung)",
     Restart},

    // Output tests
    {K::Frame, "Ausgangstest", 310, 5, 285, 185},
    {K::Button, "Benzinpumpe", 320, 25, 86, 25,
     "Der Ausgang für die Benzinpumpe wird für 3 Sekunden geschaltet.", Pump},
    {K::Button, "Ausgang 1", 412, 25, 86, 25, nullptr, Output1},
    {K::Button, "Ausgang 2", 504, 25, 86, 25, nullptr, Output2},
    {K::Button, "E-Ventil 1", 320, 60, 86, 25, nullptr, Injector1},
    {K::Button, "E-Ventil 2", 412, 60, 86, 25, nullptr, Injector2},
    {K::Button, "E-Ventil 3", 504, 60, 86, 25, nullptr, Injector3},
    {K::Button, "Zündschalter 1", 320, 90, 86, 25, nullptr, Coil1},
    {K::Button, "Zündschalter 2", 412, 90, 86, 25, nullptr, Coil2},
    {K::Button, "Zündschalter 3", 504, 90, 86, 25, nullptr, Coil3},
    {K::Option, "1x", 320, 122, -1, -1, nullptr, Once},
    {K::Option, "10x", 365, 122, -1, -1, nullptr, TenTimes},
    {K::Label, "Drehzahlanzeige [Umin]:", 320, 157, -1, kRow},
    {K::Field, "", 456, 155, 44, 20, nullptr, key(F::SpeedOutput)},
    {K::Button, "Drehz.-Ausg.", 504, 152, 86, 25, nullptr, SpeedOutput},

    // "Sensorstabilität"
    {K::Frame, "Sensorstabilität", 310, 195, 285, 120},
    {K::Label, "Signal erkannt:", 320, 217, -1, kRow},
    {K::Label, "", 440, 217, 80, kRow, nullptr, Signal},
    {K::Label, "Lückenerkennung:", 320, 237, -1, kRow},
    {K::Label, "", 440, 237, 80, kRow, nullptr, Gap},
    {K::Label, "erkannte Zähnezahl:", 320, 257, -1, kRow},
    {K::Label, "", 440, 257, 80, kRow, nullptr, Teeth},
    {K::Label, "Umdrehung erkannt:", 320, 277, -1, kRow},
    {K::Label, "", 440, 277, 80, kRow, nullptr, Revolution},
    {K::Canvas, "", 530, 222, 50, 50, nullptr, Lamp},

    // Injector flow tests
    {K::Frame, "Einspritzdüsentest", 10, 320, 585, 250},
    {K::Label, "Test 1 (lang)", 125, 338, -1, kRow},
    {K::Label, "Test 2 (kurz)", 245, 338, -1, kRow},
    {K::Label, "Gewicht", 125, 356, -1, kRow},
    {K::Label, "[g]", 125, 370, -1, kRow},
    {K::Label, "Gewicht", 245, 356, -1, kRow},
    {K::Label, "[g]", 245, 370, -1, kRow},
    {K::Label, "Umschalt-", 370, 356, -1, kRow},
    {K::Label, "zeit [µs]", 370, 370, -1, kRow},
    {K::Label, "Durchfluss", 450, 356, -1, kRow},
    {K::Label, "[ml/min]", 450, 370, -1, kRow},
    {K::Label, "Ausgleichs-", 520, 356, -1, kRow},
    {K::Label, "wert [°/oo]", 520, 370, -1, kRow},
    QX_FLOW_ROW(1, 397),
    QX_FLOW_ROW(2, 432),
    QX_FLOW_ROW(3, 467),
    {K::Label, "Verbrauch bei Volllast Einspritzdüse 1 [l/h]:", 20, 527, -1, kRow},
    {K::Value, "", 255, 525, 45, 20, nullptr, FullLoad},
    {K::Button, "Werte übernehmen", 365, 522, 105, 25, nullptr, TakeOver},
    {K::Button, "Werte rücksetzten", 478, 522, 105, 25, nullptr, Reset},

    // "Einspritzdüsenschätzung"
    {K::Frame, "Einspritzdüsenschätzung", 605, 5, 285, 280},
    {K::Label, "Durchfluss Düse [ml/min]:", 615, 30, -1, kRow},
    {K::Field, "", 815, 28, 65, 20, nullptr, key(F::InjectorFlow)},
    {K::Label, "max. Drehzahl [Umin]:", 615, 60, -1, kRow},
    {K::Field, "", 815, 58, 65, 20, nullptr, key(F::InjectorMaxRpm)},
    {K::Label, "Zylindervolumen [ccm]:", 615, 90, -1, kRow},
    {K::Field, "", 815, 88, 65, 20, nullptr, key(F::CylinderVolume)},
    {K::Label, "Liefergrad Zylinder[%]:", 615, 120, -1, kRow},
    {K::Field, "", 815, 118, 65, 20, nullptr, key(F::DeliveryRatio)},
    {K::Label, "max. Düsennutzgrad [%]:", 615, 150, -1, kRow},
    {K::Field, "", 815, 148, 65, 20, nullptr, key(F::MaxUsage)},
    {K::Label, "Durchfluss Düse (Benzin) [g/min]:", 615, 192, -1, kRow},
    {K::Value, "", 815, 190, 65, 20, nullptr, FuelFlow},
    {K::Label, "erforderliche Öffnungszeit Düse [µs]:", 615, 222, -1, kRow},
    {K::Value, "", 815, 220, 65, 20, nullptr, RequiredOpening},
    {K::Label, "max. verfügbare Öffnungszeit [µs]:", 615, 252, -1, kRow},
    {K::Value, "", 815, 250, 65, 20, nullptr, AvailableOpening},

    // "Zündspulenschätzung"
    {K::Frame, "Zündspulenschätzung", 605, 295, 285, 275},
    {K::Label, "max. Drehzahl [Umin]:", 615, 322, -1, kRow},
    {K::Field, "", 815, 320, 65, 20, nullptr, key(F::CoilMaxRpm)},
    {K::Label, "Betriebsspannung [V]:", 615, 352, -1, kRow},
    {K::Field, "", 815, 350, 65, 20, nullptr, key(F::SupplyVoltage)},
    {K::Label, "Widerstand primar [Ohm]:", 615, 382, -1, kRow},
    {K::Field, "", 815, 380, 65, 20, nullptr, key(F::Resistance)},
    {K::Label, "Induktivität [mH]:", 615, 412, -1, kRow},
    {K::Field, "", 815, 410, 65, 20, nullptr, key(F::Inductance)},
    {K::Label, "Ladezeit [µs]:", 615, 454, -1, kRow},
    {K::Value, "", 815, 452, 65, 20, nullptr, ChargeTime},
    {K::Label, "max. Ladestrom [A]:", 615, 484, -1, kRow},
    {K::Value, "", 815, 482, 65, 20, nullptr, MaxCurrent},
    {K::Label, "max. verfügbare Ladezeit [µs]:", 615, 514, -1, kRow},
    {K::Value, "", 815, 512, 65, 20, nullptr, AvailableCharge},
};
// clang-format on
#undef QX_FLOW_ROW

template <std::size_t N>
std::array<QPushButton*, N> buttons(const PlacedControls& c, int first) {
  std::array<QPushButton*, N> out{};
  for (std::size_t k = 0; k < N; ++k) out[k] = c.get<QPushButton>(first + static_cast<int>(k));
  return out;
}

std::array<QLabel*, 3> values(const PlacedControls& c, int first) {
  return {c.get<QLabel>(first), c.get<QLabel>(first + 1), c.get<QLabel>(first + 2)};
}

QButtonGroup* group(QWidget* owner, QRadioButton* first, QRadioButton* second) {
  auto* g = new QButtonGroup(owner);
  g->addButton(first, 0);
  g->addButton(second, 1);
  return g;
}
}  // namespace

Testdialog::Testdialog() : FormWindow(WindowId::Test) {
  const PlacedControls c = placeControls(area(), kControls);
  for (int f = 0; f < kTestFieldCount; ++f)
    fields_[static_cast<std::size_t>(f)] = c.get<QLineEdit>(f);

  connectedUnit = {c.get<QLabel>(UnitDevice), c.get<QLabel>(UnitRestarts),
                   c.get<QLabel>(UnitHardware), c.get<QLabel>(UnitSoftware),
                   c.get<QLabel>(UnitBootLoader)};
  loadedSetup = {c.get<QLabel>(SetupDevice), c.get<QLabel>(SetupRestarts),
                 c.get<QLabel>(SetupHardware), c.get<QLabel>(SetupSoftware),
                 c.get<QLabel>(SetupBootLoader)};

  sensorPositionValue = c.get<QLabel>(SensorPosition);
  sensorUpButton = c.get<QPushButton>(SensorUp);
  sensorDownButton = c.get<QPushButton>(SensorDown);
  ignitionAngleValue = c.get<QLabel>(IgnitionAngle);
  curveOption = c.get<QRadioButton>(Curve);
  constantOption = c.get<QRadioButton>(Constant);
  ignitionGroup = group(this, curveOption, constantOption);
  restartButton = c.get<QPushButton>(Restart);

  pumpButton = c.get<QPushButton>(Pump);
  outputButtons = buttons<2>(c, Output1);
  injectorButtons = buttons<3>(c, Injector1);
  coilButtons = buttons<3>(c, Coil1);
  onceOption = c.get<QRadioButton>(Once);
  tenTimesOption = c.get<QRadioButton>(TenTimes);
  repetitionGroup = group(this, onceOption, tenTimesOption);
  speedOutputButton = c.get<QPushButton>(SpeedOutput);

  signalValue = c.get<QLabel>(Signal);
  gapValue = c.get<QLabel>(Gap);
  teethValue = c.get<QLabel>(Teeth);
  revolutionValue = c.get<QLabel>(Revolution);
  sensorLamp = c.get<Canvas>(Lamp);

  longTestButtons = buttons<3>(c, LongTest1);
  shortTestButtons = buttons<3>(c, ShortTest1);
  switchingTimeValues = values(c, Switching1);
  flowValues = values(c, Flow1);
  compensationValues = values(c, Compensation1);
  fullLoadValue = c.get<QLabel>(FullLoad);
  takeOverButton = c.get<QPushButton>(TakeOver);
  resetButton = c.get<QPushButton>(Reset);

  fuelFlowValue = c.get<QLabel>(FuelFlow);
  requiredOpeningValue = c.get<QLabel>(RequiredOpening);
  availableOpeningValue = c.get<QLabel>(AvailableOpening);
  chargeTimeValue = c.get<QLabel>(ChargeTime);
  maxCurrentValue = c.get<QLabel>(MaxCurrent);
  availableChargeValue = c.get<QLabel>(AvailableCharge);
}

}  // namespace qx
