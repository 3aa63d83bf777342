#include "core/testmode/TestForm.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "core/app/ProgramSettings.h"
#include "core/link/DeviceInfo.h"
#include "core/link/LinkFlags.h"
#include "core/link/SerialLink.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupRecord.h"
#include "core/testmode/FlowTest.h"
#include "core/testmode/SensorCheck.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {

using F = TestField;
using R = TestReading;

// clang-format off
constexpr std::array<TestFieldInfo, kTestFieldCount> kFields{{
  {F::CoilChargeTime, "Spulenladezeit [µs]:", R::ChargeTime, 1, 32},
  {F::ConstantAngle, "Konstant v.OT [°KW]:", R::Whole, -50, 50},
  {F::SpeedOutput, "Drehzahlanzeige [Umin]:", R::Whole, 500, 16000},
  {F::WeightLong1, "Test 1 (lang) Gewicht [g] Einspritzdüse 1", R::Weight, 0, 5000},
  {F::WeightLong2, "Test 1 (lang) Gewicht [g] Einspritzdüse 2", R::Weight, 0, 5000},
  {F::WeightLong3, "Test 1 (lang) Gewicht [g] Einspritzdüse 3", R::Weight, 0, 5000},
  {F::WeightShort1, "Test 2 (kurz) Gewicht [g] Einspritzdüse 1", R::Weight, 0, 5000},
  {F::WeightShort2, "Test 2 (kurz) Gewicht [g] Einspritzdüse 2", R::Weight, 0, 5000},
  {F::WeightShort3, "Test 2 (kurz) Gewicht [g] Einspritzdüse 3", R::Weight, 0, 5000},
  {F::InjectorFlow, "Durchfluss Düse [ml/min]:", R::Whole, 10, 1000},
  {F::InjectorMaxRpm, "max. Drehzahl [Umin]:", R::Whole, 100, 16000},
  {F::CylinderVolume, "Zylindervolumen [ccm]:", R::Whole, 10, 2000},
  {F::DeliveryRatio, "Liefergrad Zylinder[%]:", R::Whole, 1, 300},
  {F::MaxUsage, "max. Düsennutzgrad [%]:", R::Whole, 1, 100},
  {F::CoilMaxRpm, "max. Drehzahl [Umin]:", R::Whole, 100, 16000},
  {F::SupplyVoltage, "Betriebsspannung [V]:", R::Real, 1.0, 24.0},
  {F::Resistance, "Widerstand primar [Ohm]:", R::Real, 0.1, 1000.0},
  {F::Inductance, "Induktivität [mH]:", R::Real, 0.1, 1000.0},
}};
// clang-format on

constexpr bool tableIsInEnumOrder() {
  for (int i = 0; i < kTestFieldCount; ++i)
    if (static_cast<int>(kFields[static_cast<std::size_t>(i)].id) != i) return false;
  return true;
}
static_assert(tableIsInEnumOrder(), "the test field table must list the fields in enum order");

bool isWeight(F f) {
  return f >= F::WeightLong1 && f <= F::WeightShort3;
}

std::optional<int>& weightOf(TestModeState& t, F f) {
  const int i = static_cast<int>(f) - static_cast<int>(F::WeightLong1);
  return t.weightTenths[static_cast<std::size_t>(i / kInjectors)]
                       [static_cast<std::size_t>(i % kInjectors)];
}

// The value of a field that is not a weight (the charge time as its parameter).
double valueOf(const TestWindowValues& v, F f) {
  const ProgramSettings& s = v.settings;
  switch (f) {
    case F::CoilChargeTime:
      return v.setup.coilChargeTime;
    case F::ConstantAngle:
      return v.sensor.testConstantAngle;
    case F::SpeedOutput:
      return v.test.speedOutputRpm;
    case F::InjectorFlow:
      return s.injectorFlowMlMin;
    case F::InjectorMaxRpm:
      return s.injectorEstimateMaxRpm;
    case F::CylinderVolume:
      return s.cylinderVolumeCcm;
    case F::DeliveryRatio:
      return s.volumetricEfficiencyPercent;
    case F::MaxUsage:
      return s.maxInjectorDutyPercent;
    case F::CoilMaxRpm:
      return s.coilEstimateMaxRpm;
    case F::SupplyVoltage:
      return s.coilSupplyVolts;
    case F::Resistance:
      return s.coilResistanceOhm;
    case F::Inductance:
      return s.coilInductanceMh;
    default:
      return 0;
  }
}

void setValue(const TestWindowValues& v, F f, double x) {
  ProgramSettings& s = v.settings;
  const auto whole = static_cast<std::int32_t>(x);
  switch (f) {
    case F::CoilChargeTime:
      v.setup.coilChargeTime = static_cast<std::uint8_t>(whole);
      break;
    case F::ConstantAngle:
      v.sensor.testConstantAngle = whole;
      break;
    case F::SpeedOutput:
      v.test.speedOutputRpm = whole;
      break;
    case F::InjectorFlow:
      s.injectorFlowMlMin = whole;
      break;
    case F::InjectorMaxRpm:
      s.injectorEstimateMaxRpm = whole;
      break;
    case F::CylinderVolume:
      s.cylinderVolumeCcm = whole;
      break;
    case F::DeliveryRatio:
      s.volumetricEfficiencyPercent = whole;
      break;
    case F::MaxUsage:
      s.maxInjectorDutyPercent = whole;
      break;
    case F::CoilMaxRpm:
      s.coilEstimateMaxRpm = whole;
      break;
    case F::SupplyVoltage:
      s.coilSupplyVolts = static_cast<float>(x);
      break;
    case F::Resistance:
      s.coilResistanceOhm = static_cast<float>(x);
      break;
    case F::Inductance:
      s.coilInductanceMh = static_cast<float>(x);
      break;
    default:
      break;
  }
}

// A typed text as the field's value, clamped into its range.
double typedValue(const TestFieldInfo& f, const std::string& typed) {
  switch (f.reading) {
    case R::ChargeTime:
      return clampTo<double>(static_cast<double>(integerReading(typed) / 250), f.min, f.max);
    case R::Whole:
      return clampTo<double>(static_cast<double>(integerReading(typed)), f.min, f.max);
    case R::Weight:
      return clampTo<double>(
          static_cast<double>(roundHalfAway(static_cast<double>(decimalReading(typed)) * 10.0)),
          f.min, f.max);
    case R::Real:
      return clampTo<double>(static_cast<double>(decimalReading(typed)), f.min, f.max);
  }
  return 0;
}

// A result shown as a whole number; what cannot be computed shows 0.
long long wholeResult(double x) {
  return std::isfinite(x) ? roundHalfAway(x) : 0;
}

}  // namespace

std::span<const TestFieldInfo> testFields() {
  return kFields;
}

const TestFieldInfo& testFieldInfo(TestField field) {
  const int i = static_cast<int>(field);
  if (i < 0 || i >= kTestFieldCount) throw std::out_of_range("unknown test field");
  return kFields[static_cast<std::size_t>(i)];
}

std::string testFieldText(const TestWindowValues& values, TestField field) {
  const TestFieldInfo& f = testFieldInfo(field);
  if (isWeight(field)) {
    const std::optional<int>& w = weightOf(values.test, field);
    return w ? fixedText(*w / 10.0, 1) : std::string();
  }
  const double v = valueOf(values, field);
  switch (f.reading) {
    case R::ChargeTime:
      return intText(static_cast<long long>(v) * 250);
    case R::Real:
      return fixedText(v, 1);
    default:
      return intText(static_cast<long long>(v));
  }
}

void takeOverTestFields(const TestWindowValues& values, SerialLink& link,
                        const std::function<std::string(TestField)>& typedText) {
  for (const TestFieldInfo& f : kFields) {
    const double v = typedValue(f, typedText(f.id));
    if (isWeight(f.id)) {
      weightOf(values.test, f.id) = static_cast<int>(v);
      continue;
    }
    setValue(values, f.id, v);
    if (f.id == F::ConstantAngle) {
      // Every take-over puts the unit on the constant angle, whichever option is chosen.
      values.sensor.testIgnitionRaw = values.sensor.testConstantAngle + 50;
      link.sendParameter(7, values.sensor.testIgnitionRaw);
    }
  }
  recomputeTestResults(values.test, values.settings);
}

InjectorEstimate injectorEstimate(const ProgramSettings& s) {
  InjectorEstimate e;
  e.fuelFlowGMin = roundHalfAway(s.injectorFlowMlMin * 0.744);
  const double fuelPerCycle =
      s.cylinderVolumeCcm * (s.volumetricEfficiencyPercent / 100.0) / 11.370243 / 1000.0;
  if (e.fuelFlowGMin > 0 && s.maxInjectorDutyPercent > 0)
    e.requiredUs = wholeResult(fuelPerCycle / static_cast<double>(e.fuelFlowGMin) * 60.0 *
                               1'000'000.0 / (s.maxInjectorDutyPercent / 100.0));
  if (s.injectorEstimateMaxRpm > 0)
    e.availableUs = wholeResult(1.0 / (s.injectorEstimateMaxRpm / 60.0) * 1'000'000.0);
  return e;
}

CoilEstimate coilEstimate(const ProgramSettings& s) {
  CoilEstimate e;
  const double r = s.coilResistanceOhm;
  const double l = s.coilInductanceMh;
  if (r > 0 && l > 0) {
    // Two time constants of the primary circuit.
    const double chargeUs = l * 2.0 / r * 1000.0;
    e.chargeTimeUs = wholeResult(chargeUs);
    e.maxCurrentA = s.coilSupplyVolts / r * (1.0 - std::exp(-(chargeUs / 1000.0) / (l / r)));
    if (!std::isfinite(e.maxCurrentA)) e.maxCurrentA = 0;
  }
  if (s.coilEstimateMaxRpm > 0)
    e.availableUs = wholeResult(1.0 / (s.coilEstimateMaxRpm / 60.0) * 1'000'000.0 - 1000.0);
  return e;
}

void recomputeTestResults(TestModeState& test, const ProgramSettings& settings) {
  test.injector = injectorEstimate(settings);
  test.coil = coilEstimate(settings);
  evaluateFlowTests(test);
}

TestResultTexts testResultTexts(const TestModeState& t) {
  TestResultTexts x;
  x.fuelFlow = intText(t.injector.fuelFlowGMin);
  x.requiredOpening = intText(t.injector.requiredUs);
  x.availableOpening = intText(t.injector.availableUs);
  x.chargeTime = intText(t.coil.chargeTimeUs);
  x.maxChargeCurrent = fixedText(t.coil.maxCurrentA, 2);
  x.availableChargeTime = intText(t.coil.availableUs);
  for (std::size_t k = 0; k < kInjectors; ++k) {
    x.switchingTime[k] = intText(t.flow[k].switchingTimeUs);
    x.flow[k] = fixedText(t.flow[k].flowMlMin, 1);
    x.compensation[k] = intText(t.flow[k].compensation);
  }
  if (t.fullLoadLitresPerHour) x.fullLoad = fixedText(*t.fullLoadLitresPerHour, 1);
  return x;
}

UnitTexts connectedUnitTexts(const DeviceInfo& d) {
  return {latin1ToUtf8(d.device), intText(d.restartCount), latin1ToUtf8(d.hardware),
          latin1ToUtf8(d.software), latin1ToUtf8(d.bootLoader)};
}

UnitTexts loadedSetupTexts(const SetupFileHeader& h) {
  return {h.device, h.restartCount, h.hardware, h.software, h.bootLoader};
}

std::string sensorPositionText(const SetupRecord& setup) {
  return intText(setup.sensorAngle);
}

void moveSensorPosition(SetupRecord& setup, SerialLink& link, int step) {
  setup.sensorAngle = static_cast<std::uint8_t>(clampTo(setup.sensorAngle + step, 10, 180));
  // Sent also when the position stayed at its limit.
  if (link.flags().portOpen) link.sendParameter(6, setup.sensorAngle);
}

void chooseCurveIgnition(SensorCheck& sensor, SerialLink& link) {
  sensor.testConstant = false;
  if (sensor.testIgnitionRaw == 255 || !link.flags().unitIdentified) return;
  sensor.testIgnitionRaw = 255;
  link.sendParameter(7, 255);
}

void chooseConstantIgnition(SensorCheck& sensor, SerialLink& link) {
  sensor.testConstant = true;
  if (sensor.testIgnitionRaw != 255 || !link.flags().unitIdentified) return;
  sensor.testIgnitionRaw = sensor.testConstantAngle + 50;
  link.sendParameter(7, sensor.testIgnitionRaw);
}

void restartUnit(SerialLink& link) {
  if (link.flags().unitIdentified) link.send('N');
}

void takeOverFlowResults(SetupRecord& setup, const TestModeState& test) {
  for (std::size_t k = 0; k < kInjectors; ++k) {
    setup.injectorBalance[k] =
        static_cast<std::int16_t>(clampTo<long long>(test.flow[k].compensation, -32768, 32767));
    setup.injectorSwitchTime[k] =
        static_cast<std::int16_t>(clampTo<long long>(test.flow[k].switchingTimeUs, 0, 4000));
  }
}

void resetFlowWeights(TestModeState& test) {
  for (auto& column : test.weightTenths) column.fill(std::nullopt);
  evaluateFlowTests(test);
}

}  // namespace qx
