#pragma once
// The power window's "Sichern" and its three "Laden" buttons: the comparison file through
// the file requesters, with their questions and status messages.

#include <string>

namespace qx {

struct PowerRun;
struct PowerFileContents;
struct DeviceInfo;
class Clock;
class MessageLog;
class Requesters;

// "Sichern": writes the current run. `unit` gives the version texts of line 5 and 6 (pass
// an empty DeviceInfo when no unit is identified).
void savePowerFile(PowerRun& run, Requesters& requesters, MessageLog& log, Clock& clock,
                   const DeviceInfo& unit);

// "Laden" of "Messungs-Datei": the run table, all inputs and the file texts from a file, then
// a calculation of curve 1.
void loadPowerMeasurement(PowerRun& run, Requesters& requesters, MessageLog& log);

// What that load takes from the read file, and the calculation after it.
void takePowerMeasurement(PowerRun& run, const PowerFileContents& contents);

// "Laden" of "Kurve 2:" or "Kurve 3:" (curve 2 or 3): the stored bins and texts only.
void loadPowerComparison(PowerRun& run, int curve, Requesters& requesters, MessageLog& log);

// The folder as the "Pfad:" field shows it: whole up to 55 characters, otherwise its first
// and last 25 characters around " ... ".
std::string shownFolder(const std::string& folder);

}  // namespace qx
