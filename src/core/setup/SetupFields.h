#pragma once
// One table describes every scalar setup value: where it sits in the SetupImage, how a
// stored value is shown, how a typed text becomes the stored value, and its stored range.
// The image codec, the settings window, the setup listing and the learning window all work
// from this table instead of handling each value by hand.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/setup/SetupRecord.h"

namespace qx {

// Every scalar value of the SetupRecord in SetupImage order; per-cylinder values once per
// cylinder.
enum class SetupField : int {
  CylinderOffset12, CylinderOffset23,
  EngineTempPoint1Temp, EngineTempPoint1Volt, EngineTempPoint2Temp, EngineTempPoint2Volt,
  AirTempPoint1Temp, AirTempPoint1Volt, AirTempPoint2Temp, AirTempPoint2Volt,
  ThrottlePoint1Percent, ThrottlePoint1Volt, ThrottlePoint2Percent, ThrottlePoint2Volt,
  CoilChargeTime, CoilDriver, SensorAngle, TriggerWheelTeeth, InjectionStartAngle,
  StartInjectionTime, StartInjectionRevs, QuickStartRpm, RetardRpm, RetardAngle,
  Output1RpmOn, Output2RpmOn,
  InjectorCorrection1, InjectorCorrection2, InjectorCorrection3,
  InjectorBalance1, InjectorBalance2, InjectorBalance3,
  SensorEdge, TachoPulsesPerRev, LimiterHysteresis, DynamicFactor1, DynamicFactor2,
  DynamicFactor1UpToRpm, DynamicFactor2UpToRpm,
  LearningActive, LearnMinEngineTemp, LearnRpmLow, LearnRpmHigh, LearnThrottleLow,
  LearnThrottleHigh, LambdaTarget, LearnLambdaInputs, LearnRate,
  Output1Mode, Output2Mode, Input1Function, Input2Function, Input3Function,
  Output1RpmOff, Output2RpmOff, TriggerGapCount, LearnIncrement, SensorDamping,
  InjectorSwitchTime1, InjectorSwitchTime2, InjectorSwitchTime3,
  IgnitionCutRpm, StartInjectionAdd, StartInjectionOff, LambdaLoggingActive,
  EmergencyEngineTemp, EmergencyCutRpm, EmergencyIgnitionAngle, EmergencyEnrichment,
  Count
};
inline constexpr int kSetupFieldCount = static_cast<int>(SetupField::Count);

// How a stored value is shown and how a typed text is taken over.
enum class Scaling {
  Plain,       // shown as stored; typed: whole number
  Offset20,    // shown = stored - 20; typed: whole number + 20
  Offset30,    // shown = stored - 30; typed: whole number + 30
  Times20,     // shown = stored * 20; typed: whole number / 20, cut toward zero
  Times100,    // shown = stored * 100; typed: whole number / 100, cut toward zero
  Times250,    // shown = stored * 250; typed: whole number / 250, cut toward zero
  Volts,       // shown = stored / 100 V, two decimals; typed: decimal * 100, halves away
  Lambda,      // shown = stored / 1000 V, three decimals; typed: decimal * 1000, cut
  Factor,      // shown as stored; typed: decimal rounded, halves away from zero
  Choice,      // an option group or a check box: the stored index
};

using ByteMember = std::uint8_t SetupRecord::*;
using WordMember = std::int16_t SetupRecord::*;
using ByteCylinders = PerCylinder<std::uint8_t> SetupRecord::*;
using WordCylinders = PerCylinder<std::int16_t> SetupRecord::*;
// Where a value lives in the record: 8-bit values are unsigned, 16-bit values signed.
using FieldMember = std::variant<ByteMember, WordMember, ByteCylinders, WordCylinders>;

struct FieldInfo {
  SetupField id;
  const char* name;  // the member's name
  int offset;        // byte position in the SetupImage
  FieldMember member;
  int cylinder;      // 1..3 for per-cylinder values, 0 otherwise
  Scaling scaling;
  int min;           // stored range that the editors clamp to
  int max;
  const char* label;  // German label in listings
  const char* unit;   // unit after the shown value, may be empty
  std::span<const char* const> options;  // texts by stored index, for choices
};

std::span<const FieldInfo> setupFields();
const FieldInfo& fieldInfo(SetupField field);

// Bytes the value takes in the SetupImage (1 or 2).
int fieldWidth(const FieldInfo& info);

int storedValue(const SetupRecord& record, SetupField field);
// Stores a value clamped into the field's stored range.
void setStoredValue(SetupRecord& record, SetupField field, long long value);
// Stores raw image bits without any range check (the codec: the unit's and the file's
// values are kept as they are).
void storeImageBits(SetupRecord& record, const FieldInfo& info, std::uint16_t bits);
std::uint16_t imageBits(const SetupRecord& record, const FieldInfo& info);

// The text a window shows for the stored value (without unit).
std::string shownText(const SetupRecord& record, SetupField field);
// Takes over a typed text: reading, scaling, cutting or rounding, clamping.
void takeTypedText(SetupRecord& record, SetupField field, std::string_view typed);
// Exchanges the two values when low > high.
void orderPair(SetupRecord& record, SetupField low, SetupField high);
// The four pairs that must be ordered, as (low, high).
struct FieldPair {
  SetupField low;
  SetupField high;
};
inline constexpr FieldPair kOutput1Pair{SetupField::Output1RpmOn, SetupField::Output1RpmOff};
inline constexpr FieldPair kOutput2Pair{SetupField::Output2RpmOn, SetupField::Output2RpmOff};
inline constexpr FieldPair kLearnRpmPair{SetupField::LearnRpmLow, SetupField::LearnRpmHigh};
inline constexpr FieldPair kLearnThrottlePair{SetupField::LearnThrottleLow,
                                              SetupField::LearnThrottleHigh};
inline void orderPair(SetupRecord& record, FieldPair pair) {
  orderPair(record, pair.low, pair.high);
}

}  // namespace qx
