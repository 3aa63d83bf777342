#pragma once
// The rules of the expert window: the control values of the live data as texts, the
// oscillator calibration byte trimmed with "X" 4, and the reset of the clock comparison.

#include <array>
#include <string>

#include "core/link/ExpertData.h"

namespace qx {

class SerialLink;
struct VitalData;

// The pauses of the calibration write, after the letter and after the sub-command.
inline constexpr int kCalibrationPauseMs = 20;

// " + " (delta 1) or " - " (delta -1): while the unit is identified the calibration byte
// moves by delta, clamped to 0..255 before it is sent (so " - " at 0 sends 0 again), and
// goes to the unit as "X", 20 ms, 4, 20 ms, the byte. The byte is kept as the one the
// window shows until the next reply to "P" reports the unit's. Nothing is sent before a
// reply to "P" has told the unit's byte. Returns whether it was sent.
bool stepCalibration(ExpertData& expert, int delta, SerialLink& link);

// "Reset Zeitstempel-Diff.": the 100 stored differences become 0, and the next sample takes
// the PC's clock as the new reference.
void resetTimestampDifference(ExpertData& expert);

// The texts of one row of "Kontrollwerte", column by column.
struct CylinderTexts {
  std::string startAngle;      // "Ev-Startwinkel" [°KW]
  std::string injectionUs;     // "Einspritzzeit" [µs]
  std::string injectionShare;  // "[% Umdr.]"
  std::string chargeStart;     // "ZT Ladestartw." [°KW]
  std::string ignitionAngle;   // "Zündw." [°KW]
  std::string chargeUs;        // "Ladezeit" [µs]
  std::string chargeShare;     // "[%Soll]"
};

// Everything of the window that comes from "P" and the last "D" sample. The control values
// stay empty until a reply to "P" has come in; the timing texts are ExpertData's own.
struct ExpertTexts {
  std::array<CylinderTexts, 3> cylinders;
  std::string angleLimit;        // "Winkelgrenze berechnet:"
  std::string dynamicAngle1;     // "dyn Winkel 1:"
  std::string dynamicAngle2;     // "dyn. Winkel2:"
  std::string accelTimerDiff;    // "Beschl.-Korr.timerdiff.:" as received
  std::string accelTimerSigned;  // beside it, signed, in "(" ")"
  std::string accelDegrees;      // "Beschl.-Korr.timerdiff. [°KW]:", one decimal
  std::string revsForSet;        // "Umdr. für Set_Berechnung:"
  std::string controlValue;      // "Kontrollwert:"
  std::string calibration;       // between " + " and " - "
  std::string toothGap;          // "Zahnlücke:" gap period in unit ticks
  std::string toothWidth;        // "Zahnbreite:" tooth period in unit ticks
};
ExpertTexts expertTexts(const ExpertData& expert, const VitalData& vital);

}  // namespace qx
