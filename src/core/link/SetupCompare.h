#pragma once
// "Vergleich mit ORK" (F2 in the main window): the unit's working setup read with "L" into a
// scratch record and compared with the program's, value by value, without changing either.

namespace qx {

class Requesters;
class SerialLink;
struct SetupRecord;

// Lines shown at most in the message box; the rest are counted.
inline constexpr int kCompareLinesShown = 40;

void compareSetupWithUnit(const SetupRecord& program, SerialLink& link, Requesters& requesters);

}  // namespace qx
