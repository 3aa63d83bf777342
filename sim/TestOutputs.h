#pragma once
// The unit's test mode: what the PC switched with "V" (fuel pump, the two switched outputs,
// coil charges, injector openings, the speed-meter output) and the run-time parameters of
// "W" that the test window sets (sensor position, test ignition).

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace orksim {

struct TestOutputs {
  bool pump = false;
  std::array<double, 2> outputOnUntil{};  // seconds since start; 0: off
  std::array<int, 3> coilCharges{};       // charges fired per coil
  std::array<int, 3> lastChargeUs{};
  std::array<int, 3> injectorPulses{};  // openings fired per injector
  std::array<int, 3> lastOpeningUs{};
  int speedOutputRpm = 0;  // 0: off

  // Carries out "V" channel, high, low at `seconds`; returns what the unit did, as a
  // line for the trace (empty for a channel it does not know).
  std::string apply(const std::vector<std::uint8_t>& params, double seconds);
  bool outputOn(int output, double seconds) const {
    return seconds < outputOnUntil[static_cast<std::size_t>(output - 1)];
  }
};

}  // namespace orksim
