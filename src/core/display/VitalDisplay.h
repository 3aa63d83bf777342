#pragma once
// The live values of the main window as text: "Vitaldaten", "Einspritzung berechnet",
// "Zündwinkel berechnet" and "Ein- / Ausgänge".

#include <array>
#include <string>

#include "core/util/Rgb.h"

namespace qx {

struct VitalData;

struct VitalTexts {
  std::string engineSpeed, throttle, engineTemp, airTemp;
  std::array<std::string, 3> lambda;
  std::string cpuTemp;
  Rgb cpuTempColour = colours::kBlack;
  std::string injectionBase, airCorrPercent, airCorrUs, engineCorrPercent, engineCorrUs;
  std::string injectionTime;
  Rgb injectionTimeColour = colours::kBlack;
  std::string ignitionBase, ignitionAngle;
  // "Aus" / "Ein"; other values from the unit leave the text as it is.
  std::string output1, output2, input1, input2, input3;

  friend bool operator==(const VitalTexts&, const VitalTexts&) = default;
};

// Available injection time in µs: P % of one revolution at the given speed.
long long availableInjectionUs(int engineSpeedClamped, int warnPercent);

// The µs a correction adds: base × percent / 100 − base, integer division.
int correctionDifferenceUs(int baseUs, int percent);

// Writes the sample into the texts, field by field.
void showVitalData(VitalTexts& texts, const VitalData& v, int warnPercent);

}  // namespace qx
