#include "TestOutputs.h"

namespace orksim {

std::string TestOutputs::apply(const std::vector<std::uint8_t>& p, double seconds) {
  if (p.size() < 3) return {};
  const int channel = p[0];
  const int value = (p[1] << 8) | p[2];
  const auto k = static_cast<std::size_t>((channel - 1) % 3);
  switch (channel) {
    case 1:
      pump = value != 0;
      return pump ? "pump on" : "pump off";
    case 2:
    case 3:
      // The value is the on-time in seconds.
      outputOnUntil[static_cast<std::size_t>(channel - 2)] = seconds + value;
      return "output " + std::to_string(channel - 1) + " " + std::to_string(value) + " s";
    case 4:
    case 5:
    case 6:
      // Charge time in 8 µs ticks.
      ++coilCharges[k];
      lastChargeUs[k] = value * 8;
      return "coil " + std::to_string(channel - 3) + " " + std::to_string(value * 8) + " us";
    case 7:
    case 8:
    case 9:
      // Opening time in 2 µs ticks.
      ++injectorPulses[k];
      lastOpeningUs[k] = value * 2;
      return "injector " + std::to_string(channel - 6) + " " + std::to_string(value * 2) + " us";
    case 10:
      speedOutputRpm = value;
      return "speed " + std::to_string(value);
    default:
      return {};
  }
}

}  // namespace orksim
