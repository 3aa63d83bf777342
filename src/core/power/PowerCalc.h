#pragma once
// The power calculation: from the run table's time and engine speed and the run inputs,
// vehicle or roller speed, torque and power of every row, then curve 1 as one torque and
// power pair per 50 1/min of engine speed.

#include "core/power/PowerRun.h"

namespace qx {

// Correction to standard air and the air density of the inputs. Without a correction the
// factor is 1 and the density 1.293 kg/m^3; "EWG 80/1269" and "DIN 70200" take the dry-air
// pressure from temperature, pressure and humidity. A value that is not finite is 0.
struct AirCorrection {
  double dryPressureHpa = 0;  // 0 when no correction is checked
  double factor = 1;
  double density = 1.293;
};
AirCorrection airCorrection(const PowerInputs& inputs);

// The largest engine speed of rows 1..700, rounded (0 when none is positive).
long long runMaximumSpeed(const RunTable& table);

// Recomputes columns 3 to 5 of the run table and curve 1; curves 2 and 3 stay as they are.
void calculatePower(PowerRun& run);

}  // namespace qx
