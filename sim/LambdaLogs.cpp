#include "LambdaLogs.h"

#include <algorithm>
#include <cmath>

namespace orksim {

namespace {
// Below this the engine stands or stalls; nothing is logged.
constexpr double kLoggingRpm = 300;
// Each step moves a cell this part of the way to the new reading.
constexpr double kSmoothing = 0.125;

void write(LambdaLogs::Log& log, int index, double mv) {
  auto& cell = log[static_cast<std::size_t>(index)];
  const double v = std::clamp(mv, 0.0, 65535.0);
  cell = static_cast<std::uint16_t>(std::lround(cell == 0 ? v : cell + (v - cell) * kSmoothing));
}
}  // namespace

void LambdaLogs::record(double rpm, double throttle, const std::array<double, 3>& mv,
                        bool intoEeprom) {
  if (rpm < kLoggingRpm) return;
  const int column = std::clamp(static_cast<int>(std::lround(rpm / 1000.0)), 0, kColumns - 1);
  const int row = std::clamp(static_cast<int>(std::lround(throttle / 12.5)), 0, kRows - 1);
  for (int k = 0; k < kProbes; ++k) {
    const int index = (column * kRows + row) * kProbes + k;
    write(ram_, index, mv[static_cast<std::size_t>(k)]);
    if (intoEeprom) write(eeprom_, index, mv[static_cast<std::size_t>(k)]);
  }
}

void LambdaLogs::clear(int selector) {
  (selector == 1 ? eeprom_ : ram_).fill(0);
}

void LambdaLogs::reply(int selector, int loggingFlag, std::vector<std::uint8_t>& out) const {
  out.push_back('b');
  out.push_back(static_cast<std::uint8_t>(loggingFlag));
  for (std::uint16_t v : selector == 1 ? eeprom_ : ram_) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  }
}

}  // namespace orksim
