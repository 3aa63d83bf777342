#include "core/setup/SettingsForm.h"

#include <array>

namespace qx {

namespace {
using F = SetupField;

// The order of the frames "Zündung", "Motor", "Begrenzer", the switch outputs, then the rest.
constexpr std::array kTextFields{
    F::CoilChargeTime,
    F::CylinderOffset12, F::CylinderOffset23, F::SensorAngle,
    F::RetardRpm, F::RetardAngle, F::IgnitionCutRpm, F::LimiterHysteresis,
    F::Output1RpmOn, F::Output1RpmOff, F::Output2RpmOn, F::Output2RpmOff,
    // The switch-output pairs are ordered here, before the fields below.
    F::InjectionStartAngle, F::StartInjectionTime, F::StartInjectionRevs,
    F::InjectorCorrection1, F::InjectorCorrection2, F::InjectorCorrection3,
    F::InjectorSwitchTime1, F::InjectorSwitchTime2, F::InjectorSwitchTime3,
    F::QuickStartRpm, F::TriggerWheelTeeth, F::TriggerGapCount,
    F::EngineTempPoint1Volt, F::EngineTempPoint1Temp, F::EngineTempPoint2Volt, F::EngineTempPoint2Temp,
    F::AirTempPoint1Volt, F::AirTempPoint1Temp, F::AirTempPoint2Volt, F::AirTempPoint2Temp,
    F::ThrottlePoint1Volt, F::ThrottlePoint1Percent, F::ThrottlePoint2Volt, F::ThrottlePoint2Percent,
    F::SensorDamping, F::TachoPulsesPerRev,
    F::DynamicFactor1, F::DynamicFactor2, F::DynamicFactor1UpToRpm, F::DynamicFactor2UpToRpm,
    F::EmergencyEngineTemp, F::EmergencyCutRpm, F::EmergencyIgnitionAngle, F::EmergencyEnrichment,
};
constexpr std::size_t kPairsAfter = 12;

constexpr std::array kChoiceFields{
    F::SensorEdge, F::CoilDriver, F::StartInjectionAdd, F::StartInjectionOff,
    F::Input1Function, F::Input2Function, F::Input3Function, F::Output1Mode, F::Output2Mode,
};
}  // namespace

std::span<const SetupField> settingsTextFields() { return kTextFields; }
std::span<const SetupField> settingsChoiceFields() { return kChoiceFields; }

void takeOverSettingsFields(SetupRecord& record,
                            const std::function<std::string(SetupField)>& typedText) {
  for (std::size_t i = 0; i < kTextFields.size(); ++i) {
    if (i == kPairsAfter) {
      orderPair(record, kOutput1Pair);
      orderPair(record, kOutput2Pair);
    }
    takeTypedText(record, kTextFields[i], typedText(kTextFields[i]));
  }
}

}  // namespace qx
