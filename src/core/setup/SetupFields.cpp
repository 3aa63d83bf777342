#include "core/setup/SetupFields.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "core/util/Numbers.h"

namespace qx {

namespace {

using F = SetupField;
using S = Scaling;
using R = SetupRecord;

constexpr const char* kOnOff[] = {"aus", "ein"};
constexpr const char* kCoilDriver[] = {"Spule", "ext. Treiber"};
constexpr const char* kSensorEdge[] = {"fallend", "steigend"};
constexpr const char* kOutput1Mode[] = {"Aus", "Ein, wenn Drehzahl größer als",
                                        "Ein, wenn Drehzahl zwischen beiden Werten"};
constexpr const char* kOutput2Mode[] = {"Aus", "Ein, wenn Drehzahl größer als",
                                        "Ein, wenn Drehzahl zwischen beiden Werten",
                                        "Ein, wenn ORK lernt"};
constexpr const char* kInput1[] = {"ohne Funktion"};
constexpr const char* kInput2[] = {"ohne Funktion", "Drehzahlbegrenzer ausschalten"};
constexpr const char* kInput3[] = {"ohne Funktion", "Lern-Modus, EEPROM sichern", "Notprogramm"};

constexpr FieldInfo plain(F id, const char* name, int offset, FieldMember m, S s, int lo, int hi,
                          const char* label, const char* unit, int cylinder = 0) {
  return FieldInfo{id, name, offset, m, cylinder, s, lo, hi, label, unit, {}};
}

constexpr FieldInfo choice(F id, const char* name, int offset, ByteMember m, int hi,
                           const char* label, std::span<const char* const> options) {
  return FieldInfo{id, name, offset, m, 0, S::Choice, 0, hi, label, "", options};
}

// clang-format off
constexpr std::array<FieldInfo, kSetupFieldCount> kFields{{
  plain(F::CylinderOffset12, "cylinderOffset12", 0, &R::cylinderOffset12, S::Plain, 0, 180, "Zylinderversatz 1-2:", "°KW"),
  plain(F::CylinderOffset23, "cylinderOffset23", 1, &R::cylinderOffset23, S::Plain, 0, 180, "Zylinderversatz 2-3:", "°KW"),
  plain(F::EngineTempPoint1Temp, "engineTempPoint1Temp", 2, &R::engineTempPoint1Temp, S::Offset20, 0, 100, "Motorttemperatur-Sensor: Einstellpunkt 1", "°C"),
  plain(F::EngineTempPoint1Volt, "engineTempPoint1Volt", 3, &R::engineTempPoint1Volt, S::Volts, 0, 255, "Motorttemperatur-Sensor: Einstellpunkt 1", "V"),
  plain(F::EngineTempPoint2Temp, "engineTempPoint2Temp", 4, &R::engineTempPoint2Temp, S::Offset20, 0, 140, "Motorttemperatur-Sensor: Einstellpunkt 2", "°C"),
  plain(F::EngineTempPoint2Volt, "engineTempPoint2Volt", 5, &R::engineTempPoint2Volt, S::Volts, 0, 255, "Motorttemperatur-Sensor: Einstellpunkt 2", "V"),
  plain(F::AirTempPoint1Temp, "airTempPoint1Temp", 6, &R::airTempPoint1Temp, S::Offset20, 0, 100, "Ansauglufttemperatur-Sensor: Einstellpunkt 1", "°C"),
  plain(F::AirTempPoint1Volt, "airTempPoint1Volt", 7, &R::airTempPoint1Volt, S::Volts, 0, 255, "Ansauglufttemperatur-Sensor: Einstellpunkt 1", "V"),
  plain(F::AirTempPoint2Temp, "airTempPoint2Temp", 8, &R::airTempPoint2Temp, S::Offset20, 0, 100, "Ansauglufttemperatur-Sensor: Einstellpunkt 2", "°C"),
  plain(F::AirTempPoint2Volt, "airTempPoint2Volt", 9, &R::airTempPoint2Volt, S::Volts, 0, 255, "Ansauglufttemperatur-Sensor: Einstellpunkt 2", "V"),
  plain(F::ThrottlePoint1Percent, "throttlePoint1Percent", 10, &R::throttlePoint1Percent, S::Plain, 0, 100, "Drosselklappenpotentiometer: Einstellpunkt 1", "%"),
  plain(F::ThrottlePoint1Volt, "throttlePoint1Volt", 11, &R::throttlePoint1Volt, S::Volts, 0, 255, "Drosselklappenpotentiometer: Einstellpunkt 1", "V"),
  plain(F::ThrottlePoint2Percent, "throttlePoint2Percent", 12, &R::throttlePoint2Percent, S::Plain, 0, 100, "Drosselklappenpotentiometer: Einstellpunkt 2", "%"),
  plain(F::ThrottlePoint2Volt, "throttlePoint2Volt", 13, &R::throttlePoint2Volt, S::Volts, 0, 255, "Drosselklappenpotentiometer: Einstellpunkt 2", "V"),
  plain(F::CoilChargeTime, "coilChargeTime", 14, &R::coilChargeTime, S::Times250, 1, 32, "Spulenladezeit:", "µs"),
  choice(F::CoilDriver, "coilDriver", 15, &R::coilDriver, 1, "Zündung:", kCoilDriver),
  plain(F::SensorAngle, "sensorAngle", 16, &R::sensorAngle, S::Plain, 10, 180, "Sensor v. OT:", "°KW"),
  plain(F::TriggerWheelTeeth, "triggerWheelTeeth", 17, &R::triggerWheelTeeth, S::Plain, 3, 60, "Triggerrad [Zähne inkl. Lücke]:", ""),
  plain(F::InjectionStartAngle, "injectionStartAngle", 18, &R::injectionStartAngle, S::Plain, 0, 180, "Einspritz-Startwinkel n.OT:", "°KW"),
  plain(F::StartInjectionTime, "startInjectionTime", 19, &R::startInjectionTime, S::Plain, 0, 10000, "Start-Einspritzmenge:", "µs"),
  plain(F::StartInjectionRevs, "startInjectionRevs", 21, &R::startInjectionRevs, S::Plain, 0, 10, "Start-Einspritzmenge:", "Umdr."),
  plain(F::QuickStartRpm, "quickStartRpm", 22, &R::quickStartRpm, S::Times20, 1, 250, "Schnellstartdrehz.:", "Umin"),
  plain(F::RetardRpm, "retardRpm", 23, &R::retardRpm, S::Times100, 10, 160, "Zündwinkel-Rückn.:", "Umin"),
  plain(F::RetardAngle, "retardAngle", 24, &R::retardAngle, S::Plain, 0, 90, "Winkel:", "°KW"),
  plain(F::Output1RpmOn, "output1RpmOn", 25, &R::output1RpmOn, S::Times100, 1, 160, "Schaltausgang 1: Ein, wenn Drehzahl größer als", "Umin"),
  plain(F::Output2RpmOn, "output2RpmOn", 26, &R::output2RpmOn, S::Times100, 1, 160, "Schaltausgang 2: Ein, wenn Drehzahl größer als", "Umin"),
  plain(F::InjectorCorrection1, "injectorCorrection", 27, &R::injectorCorrection, S::Plain, 0, 250, "Einspritzdüse 1: Einspritzkorrektur:", "°/oo", 1),
  plain(F::InjectorCorrection2, "injectorCorrection", 28, &R::injectorCorrection, S::Plain, 0, 250, "Einspritzdüse 2: Einspritzkorrektur:", "°/oo", 2),
  plain(F::InjectorCorrection3, "injectorCorrection", 29, &R::injectorCorrection, S::Plain, 0, 250, "Einspritzdüse 3: Einspritzkorrektur:", "°/oo", 3),
  plain(F::InjectorBalance1, "injectorBalance", 30, &R::injectorBalance, S::Plain, -32768, 32767, "Einspritzdüse 1: Ausgleichswert:", "°/oo", 1),
  plain(F::InjectorBalance2, "injectorBalance", 32, &R::injectorBalance, S::Plain, -32768, 32767, "Einspritzdüse 2: Ausgleichswert:", "°/oo", 2),
  plain(F::InjectorBalance3, "injectorBalance", 34, &R::injectorBalance, S::Plain, -32768, 32767, "Einspritzdüse 3: Ausgleichswert:", "°/oo", 3),
  choice(F::SensorEdge, "sensorEdge", 393, &R::sensorEdge, 1, "Flanke:", kSensorEdge),
  plain(F::TachoPulsesPerRev, "tachoPulsesPerRev", 394, &R::tachoPulsesPerRev, S::Plain, 1, 8, "Drehzahlmesserausgang: Impulse pro Umdrehung:", ""),
  plain(F::LimiterHysteresis, "limiterHysteresis", 395, &R::limiterHysteresis, S::Times20, 1, 50, "Hysterese:", "Umin"),
  plain(F::DynamicFactor1, "dynamicFactor1", 396, &R::dynamicFactor1, S::Factor, 1, 20, "Dynamikfaktor 1:", ""),
  plain(F::DynamicFactor2, "dynamicFactor2", 397, &R::dynamicFactor2, S::Factor, 1, 20, "Dynamikfaktor 2:", ""),
  plain(F::DynamicFactor1UpToRpm, "dynamicFactor1UpToRpm", 398, &R::dynamicFactor1UpToRpm, S::Times100, 1, 160, "Dynamikfaktor 1: bis:", "Umin"),
  plain(F::DynamicFactor2UpToRpm, "dynamicFactor2UpToRpm", 399, &R::dynamicFactor2UpToRpm, S::Times100, 1, 160, "Dynamikfaktor 2: bis:", "Umin"),
  choice(F::LearningActive, "learningActive", 400, &R::learningActive, 1, "Lernen aktiv", kOnOff),
  plain(F::LearnMinEngineTemp, "learnMinEngineTemp", 401, &R::learnMinEngineTemp, S::Offset20, 0, 100, "Mindest-Motortemperatur (°C):", ""),
  plain(F::LearnRpmLow, "learnRpmLow", 402, &R::learnRpmLow, S::Times100, 0, 160, "untere Lerndrehzahl:", "Umin"),
  plain(F::LearnRpmHigh, "learnRpmHigh", 403, &R::learnRpmHigh, S::Times100, 0, 160, "obere Lerndrehzahl:", "Umin"),
  plain(F::LearnThrottleLow, "learnThrottleLow", 404, &R::learnThrottleLow, S::Plain, 0, 100, "untere Drosselklappenstellung (%):", ""),
  plain(F::LearnThrottleHigh, "learnThrottleHigh", 405, &R::learnThrottleHigh, S::Plain, 0, 100, "obere Drosselklappenstellung (%):", ""),
  plain(F::LambdaTarget, "lambdaTarget", 406, &R::lambdaTarget, S::Lambda, 0, 1500, "Lambdazielwert:", "V"),
  plain(F::LearnLambdaInputs, "learnLambdaInputs", 408, &R::learnLambdaInputs, S::Choice, 0, 7, "Vergleichswert wird gebildet aus:", ""),
  plain(F::LearnRate, "learnRate", 409, &R::learnRate, S::Plain, 20, 250, "Änderungsgeschwindigkeit", ""),
  choice(F::Output1Mode, "output1Mode", 410, &R::output1Mode, 2, "Schaltausgang 1:", kOutput1Mode),
  choice(F::Output2Mode, "output2Mode", 411, &R::output2Mode, 3, "Schaltausgang 2:", kOutput2Mode),
  choice(F::Input1Function, "input1Function", 412, &R::input1Function, 0, "Schalteingang 1:", kInput1),
  choice(F::Input2Function, "input2Function", 413, &R::input2Function, 1, "Schalteingang 2:", kInput2),
  choice(F::Input3Function, "input3Function", 414, &R::input3Function, 2, "Schalteingang 3:", kInput3),
  plain(F::Output1RpmOff, "output1RpmOff", 415, &R::output1RpmOff, S::Times100, 1, 160, "Schaltausgang 1: und wenn Drehzahl kleiner als", "Umin"),
  plain(F::Output2RpmOff, "output2RpmOff", 416, &R::output2RpmOff, S::Times100, 1, 160, "Schaltausgang 2: und wenn Drehzahl kleiner als", "Umin"),
  plain(F::TriggerGapCount, "triggerGapCount", 417, &R::triggerGapCount, S::Plain, 1, 2, "Anzahl Lücken:", ""),
  plain(F::LearnIncrement, "learnIncrement", 418, &R::learnIncrement, S::Plain, 5, 500, "Lerninkrement[µs]:", ""),
  plain(F::SensorDamping, "sensorDamping", 420, &R::sensorDamping, S::Plain, 1, 30, "Dämpfung:", ""),
  plain(F::InjectorSwitchTime1, "injectorSwitchTime", 421, &R::injectorSwitchTime, S::Plain, 0, 4000, "Einspritzdüse 1: Umschaltzeit:", "µs", 1),
  plain(F::InjectorSwitchTime2, "injectorSwitchTime", 423, &R::injectorSwitchTime, S::Plain, 0, 4000, "Einspritzdüse 2: Umschaltzeit:", "µs", 2),
  plain(F::InjectorSwitchTime3, "injectorSwitchTime", 425, &R::injectorSwitchTime, S::Plain, 0, 4000, "Einspritzdüse 3: Umschaltzeit:", "µs", 3),
  plain(F::IgnitionCutRpm, "ignitionCutRpm", 427, &R::ignitionCutRpm, S::Times100, 10, 160, "Begrenzer: Zündung Aus:", "Umin"),
  choice(F::StartInjectionAdd, "startInjectionAdd", 428, &R::startInjectionAdd, 1, "Einspritzwert addieren", kOnOff),
  choice(F::StartInjectionOff, "startInjectionOff", 429, &R::startInjectionOff, 1, "Start Einspritzung Aus", kOnOff),
  choice(F::LambdaLoggingActive, "lambdaLoggingActive", 430, &R::lambdaLoggingActive, 1, "Lambda-Loggen", kOnOff),
  plain(F::EmergencyEngineTemp, "emergencyEngineTemp", 431, &R::emergencyEngineTemp, S::Offset20, 70, 170, "Notprogramm: Motor-Temperatur >", "°C"),
  plain(F::EmergencyCutRpm, "emergencyCutRpm", 432, &R::emergencyCutRpm, S::Times100, 0, 160, "Notprogramm: Zündung Aus:", "Umin"),
  plain(F::EmergencyIgnitionAngle, "emergencyIgnitionAngle", 433, &R::emergencyIgnitionAngle, S::Offset30, 0, 60, "Notprogramm: ZZP v.OT konstant:", "°KW"),
  plain(F::EmergencyEnrichment, "emergencyEnrichment", 434, &R::emergencyEnrichment, S::Plain, 0, 255, "Notprogramm: Einspr. Anreich.:", "°/oo"),
}};
// clang-format on

constexpr bool tableIsInEnumOrder() {
  for (int i = 0; i < kSetupFieldCount; ++i)
    if (static_cast<int>(kFields[static_cast<std::size_t>(i)].id) != i) return false;
  return true;
}
static_assert(tableIsInEnumOrder(), "the field table must list the fields in enum order");

// The stored value as a plain integer (unsigned for bytes, signed for words).
int readMember(const R& r, const FieldInfo& f) {
  const auto c = static_cast<std::size_t>(f.cylinder > 0 ? f.cylinder - 1 : 0);
  if (auto* m = std::get_if<ByteMember>(&f.member)) return r.**m;
  if (auto* m = std::get_if<WordMember>(&f.member)) return r.**m;
  if (auto* m = std::get_if<ByteCylinders>(&f.member)) return (r.**m)[c];
  return (r.*std::get<WordCylinders>(f.member))[c];
}

void writeMember(R& r, const FieldInfo& f, int v) {
  const auto c = static_cast<std::size_t>(f.cylinder > 0 ? f.cylinder - 1 : 0);
  if (auto* m = std::get_if<ByteMember>(&f.member))
    r.**m = static_cast<std::uint8_t>(v);
  else if (auto* m = std::get_if<WordMember>(&f.member))
    r.**m = static_cast<std::int16_t>(v);
  else if (auto* m = std::get_if<ByteCylinders>(&f.member))
    (r.**m)[c] = static_cast<std::uint8_t>(v);
  else
    (r.*std::get<WordCylinders>(f.member))[c] = static_cast<std::int16_t>(v);
}

int scaleFactor(Scaling s) {
  switch (s) {
    case S::Times20: return 20;
    case S::Times100: return 100;
    case S::Times250: return 250;
    default: return 1;
  }
}

// The typed text as a stored value before clamping.
long long typedToStored(const FieldInfo& f, std::string_view typed) {
  switch (f.scaling) {
    case S::Offset20: return integerReading(typed) + 20;
    case S::Offset30: return integerReading(typed) + 30;
    case S::Times20:
    case S::Times100:
    case S::Times250: return integerReading(typed) / scaleFactor(f.scaling);
    // The reading is single precision; the scaling is done on that value in double, so
    // 0.45 gives 0.449999988 and 449 mV.
    case S::Volts: return roundHalfAway(static_cast<double>(decimalReading(typed)) * 100.0);
    case S::Lambda: return truncateToInt(static_cast<double>(decimalReading(typed)) * 1000.0);
    case S::Factor: return roundHalfAway(static_cast<double>(decimalReading(typed)));
    case S::Plain:
    case S::Choice: break;
  }
  return integerReading(typed);
}

}  // namespace

std::span<const FieldInfo> setupFields() { return kFields; }

const FieldInfo& fieldInfo(SetupField field) {
  const int i = static_cast<int>(field);
  if (i < 0 || i >= kSetupFieldCount) throw std::out_of_range("unknown setup field");
  return kFields[static_cast<std::size_t>(i)];
}

int fieldWidth(const FieldInfo& info) {
  return std::holds_alternative<ByteMember>(info.member) ||
                 std::holds_alternative<ByteCylinders>(info.member)
             ? 1
             : 2;
}

int storedValue(const SetupRecord& record, SetupField field) {
  return readMember(record, fieldInfo(field));
}

void setStoredValue(SetupRecord& record, SetupField field, long long value) {
  const FieldInfo& f = fieldInfo(field);
  writeMember(record, f, static_cast<int>(clampTo<long long>(value, f.min, f.max)));
}

void storeImageBits(SetupRecord& record, const FieldInfo& info, std::uint16_t bits) {
  // 16-bit values are signed: the bits are taken as two's complement.
  writeMember(record, info, fieldWidth(info) == 1 ? (bits & 0xFF) : static_cast<std::int16_t>(bits));
}

std::uint16_t imageBits(const SetupRecord& record, const FieldInfo& info) {
  return static_cast<std::uint16_t>(readMember(record, info));
}

std::string shownText(const SetupRecord& record, SetupField field) {
  const FieldInfo& f = fieldInfo(field);
  const int v = readMember(record, f);
  switch (f.scaling) {
    case S::Offset20: return intText(v - 20);
    case S::Offset30: return intText(v - 30);
    case S::Times20:
    case S::Times100:
    case S::Times250: return intText(static_cast<long long>(v) * scaleFactor(f.scaling));
    case S::Volts: return fixedText(v / 100.0, 2);
    case S::Lambda: return fixedText(v / 1000.0, 3);
    case S::Plain:
    case S::Factor:
    case S::Choice: break;
  }
  return intText(v);
}

void takeTypedText(SetupRecord& record, SetupField field, std::string_view typed) {
  const FieldInfo& f = fieldInfo(field);
  // A text that still shows the stored value keeps it. Every field of a window is taken
  // over again on each Return; without this the single-precision reading would lower
  // about half of the lambda targets by 1 mV on every pass ("0.020" reads as 19.99...).
  const int current = readMember(record, f);
  if (current >= f.min && current <= f.max && typed == shownText(record, field)) return;
  setStoredValue(record, field, typedToStored(f, typed));
}

void orderPair(SetupRecord& record, SetupField low, SetupField high) {
  const int a = storedValue(record, low);
  const int b = storedValue(record, high);
  if (a <= b) return;
  writeMember(record, fieldInfo(low), b);
  writeMember(record, fieldInfo(high), a);
}

}  // namespace qx
