#pragma once
// The unit's two lambda logs: while the engine runs, the probe voltages are written into
// the cell of its speed (17 columns, 1000 1/min apart) and throttle (9 rows, 12.5 % apart),
// smoothed, in RAM always and in EEPROM while the setup's logging flag is set.

#include <array>
#include <cstdint>
#include <vector>

namespace orksim {

class LambdaLogs {
 public:
  static constexpr int kColumns = 17, kRows = 9, kProbes = 3;
  using Log = std::array<std::uint16_t, kColumns * kRows * kProbes>;

  // One engine step at this speed and throttle with these probe voltages (mV).
  void record(double rpm, double throttle, const std::array<double, 3>& mv, bool intoEeprom);
  // "C": selector 1 clears the EEPROM log, anything else the RAM log.
  void clear(int selector);
  // "B": echo, the logging flag, then the 459 values high byte first, column outer, row,
  // probe inner; selector 1 reads the EEPROM log, anything else the RAM log.
  void reply(int selector, int loggingFlag, std::vector<std::uint8_t>& out) const;

  const Log& ram() const { return ram_; }
  const Log& eeprom() const { return eeprom_; }

 private:
  Log ram_{}, eeprom_{};
};

}  // namespace orksim
