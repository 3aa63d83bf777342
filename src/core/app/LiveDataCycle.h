#pragma once
// The live data cycle of every COM timer tick: one sample with "D", handed to each
// subsystem that uses it, then "A" while the settings window is shown and "P" while the
// expert window is shown.

namespace qx {

struct Program;
class SerialLink;

void liveDataCycle(Program& program, SerialLink& link);

}  // namespace qx
