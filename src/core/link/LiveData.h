#pragma once
// The live data cycle of every COM timer tick: one sample with "D", decoded and handed to
// its consumers, then "A" for the settings window and "P" for the expert window.

#include <array>
#include <string>

namespace qx {

struct Program;
class SerialLink;

// The raw sensor voltages of the reply to "A": engine temperature sensor, intake-air
// temperature sensor, throttle potentiometer.
struct SensorVoltages {
  std::array<double, 3> volts{};
  std::array<std::string, 3> texts;  // two decimals, for the settings window
};

void liveDataCycle(Program& program, SerialLink& link);

// The learned map with "G": replaced only from a complete reply. Returns whether it was.
bool fetchLearnedMap(Program& program, SerialLink& link);

// Moves the active editor's point to the live operating point when its "auto" is ticked.
void followOperatingPoint(Program& program);

}  // namespace qx
