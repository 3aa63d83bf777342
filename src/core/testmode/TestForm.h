#pragma once
// The rules of the test window's fields: which values it edits, how a typed text becomes a
// value (read, scaled, cut or rounded, clamped) and how each value is shown again; the
// injector and coil calculators; the identification texts; the sensor position, the test
// ignition, the unit's restart and the take-over of the flow test results.

#include <functional>
#include <span>
#include <string>

#include "core/testmode/TestModeState.h"

namespace qx {

struct DeviceInfo;
struct ProgramSettings;
struct SensorCheck;
struct SetupFileHeader;
struct SetupRecord;
class SerialLink;

// The window's input fields in the order they are taken over.
enum class TestField : int {
  CoilChargeTime,  // "Spulenladezeit [µs]:"
  ConstantAngle,   // "Konstant v.OT [°KW]:"
  SpeedOutput,     // "Drehzahlanzeige [Umin]:"
  WeightLong1,
  WeightLong2,
  WeightLong3,  // "Test 1 (lang)", injectors 1..3
  WeightShort1,
  WeightShort2,
  WeightShort3,    // "Test 2 (kurz)", injectors 1..3
  InjectorFlow,    // "Durchfluss Düse [ml/min]:"
  InjectorMaxRpm,  // "max. Drehzahl [Umin]:" (injector block)
  CylinderVolume,  // "Zylindervolumen [ccm]:"
  DeliveryRatio,   // "Liefergrad Zylinder[%]:"
  MaxUsage,        // "max. Düsennutzgrad [%]:"
  CoilMaxRpm,      // "max. Drehzahl [Umin]:" (coil block)
  SupplyVoltage,   // "Betriebsspannung [V]:"
  Resistance,      // "Widerstand primar [Ohm]:"
  Inductance,      // "Induktivität [mH]:"
  Count
};
inline constexpr int kTestFieldCount = static_cast<int>(TestField::Count);

enum class TestReading {
  ChargeTime,  // whole number / 250, cut toward zero; shown x 250
  Whole,       // whole number
  Weight,      // decimal x 10, halves away from zero, in 0.1 g; shown with one decimal
  Real,        // decimal; shown with one decimal
};

struct TestFieldInfo {
  TestField id;
  const char* label;
  TestReading reading;
  double min;  // range of the value (for the charge time: of the parameter, 1..32)
  double max;
};

std::span<const TestFieldInfo> testFields();
const TestFieldInfo& testFieldInfo(TestField field);

// The owners of the values the window edits.
struct TestWindowValues {
  SetupRecord& setup;         // coil charge time, sensor position
  SensorCheck& sensor;        // the test ignition
  TestModeState& test;        // speed output, weights, results
  ProgramSettings& settings;  // the calculators' inputs
};

// The text a field shows for its value (an empty weight shows nothing).
std::string testFieldText(const TestWindowValues& values, TestField field);

// Return, the key with code 43, or a field losing the focus: takes over every field in
// order. The constant angle is sent to the unit each time ("W" 7, angle + 50), which
// switches it to the constant angle. Then both calculators and the flow test evaluation are
// recomputed. The caller shows every field again (and the charge time in the settings
// window too).
void takeOverTestFields(const TestWindowValues& values, SerialLink& link,
                        const std::function<std::string(TestField)>& typedText);

// The calculators and the flow test evaluation from the current inputs (at start, after a
// take-over and after a new setup).
void recomputeTestResults(TestModeState& test, const ProgramSettings& settings);
InjectorEstimate injectorEstimate(const ProgramSettings& settings);
CoilEstimate coilEstimate(const ProgramSettings& settings);

// The result fields as shown.
struct TestResultTexts {
  std::string fuelFlow, requiredOpening, availableOpening;        // injector block
  std::string chargeTime, maxChargeCurrent, availableChargeTime;  // coil block
  std::array<std::string, kInjectors> switchingTime, flow, compensation;
  std::string fullLoad;  // empty before the first flow test
};
TestResultTexts testResultTexts(const TestModeState& test);

// The "Allgemeines" group: one column for the connected unit, one for the loaded setup.
struct UnitTexts {
  std::string device;      // "Gerätetyp:"
  std::string restarts;    // "Neustarts:"
  std::string hardware;    // "HW:"
  std::string software;    // "SW:"
  std::string bootLoader;  // "BL:"
};
UnitTexts connectedUnitTexts(const DeviceInfo& device);     // "verbundene ORK"
UnitTexts loadedSetupTexts(const SetupFileHeader& header);  // "geladnes Setup"

// "Sensor v.OT [°KW]:" (also the settings window's "Sensor v. OT:").
std::string sensorPositionText(const SetupRecord& setup);
// "+" (step 1) and "-" (step -1): the sensor position moves within 10..180 and is sent as
// parameter 6 while the port is open, also when it stayed at a limit. The caller shows it
// here and in the settings window.
void moveSensorPosition(SetupRecord& setup, SerialLink& link, int step);

// Option "Kennlinie": a unit in constant mode goes back to its curve ("W" 7, 255).
void chooseCurveIgnition(SensorCheck& sensor, SerialLink& link);
// Option "Konstant v.OT [°KW]:": a unit on its curve goes to the constant angle.
void chooseConstantIgnition(SensorCheck& sensor, SerialLink& link);

// "ORK Neustart": "N" to an identified unit.
void restartUnit(SerialLink& link);

// "Werte übernehmen": compensation and switching time of each injector into the setup
// (saturated to the 16-bit range and to 0..4000 µs). The caller then refreshes every
// window from the setup.
void takeOverFlowResults(SetupRecord& setup, const TestModeState& test);

// "Werte rücksetzten": the six weights become empty and the results are evaluated again.
void resetFlowWeights(TestModeState& test);

}  // namespace qx
