#pragma once
// The cyclic exchanges with the unit and their decoding: one sample with "D", the raw
// sensor voltages with "A", the expert control values with "P" and the learned map with
// "G". What the program does with a sample is up to the subsystems that use it.

#include <array>
#include <string>

namespace qx {

class SerialLink;
struct ControlValues;
struct SetupRecord;
struct VitalData;

// The raw sensor voltages of the reply to "A": engine temperature sensor, intake-air
// temperature sensor, throttle potentiometer.
struct SensorVoltages {
  std::array<double, 3> volts{};
  std::array<std::string, 3> texts;  // two decimals, for the settings window
};

// "D": true when a complete sample came and replaced `vital`.
bool requestVitalData(SerialLink& link, VitalData& vital);

// "A" and "P" go out whatever became of "D" before them: the unit was identified when the
// cycle began. True when the reply came whole.
bool requestSensorVoltages(SerialLink& link, SensorVoltages& voltages);
bool requestControlValues(SerialLink& link, ControlValues& control);

// The learned map with "G": replaced only from a complete reply. Returns whether it was.
bool fetchLearnedMap(SerialLink& link, SetupRecord& setup);

}  // namespace qx
