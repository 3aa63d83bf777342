#include "core/display/VitalDisplay.h"

#include "core/link/VitalData.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
void switchText(std::string& text, int value) {
  if (value == 0) text = "Aus";
  if (value == 1) text = "Ein";
}
}  // namespace

long long availableInjectionUs(int engineSpeedClamped, int warnPercent) {
  return roundHalfAway(60.0 / (engineSpeedClamped + 1) * 1000.0 * 10.0 * warnPercent);
}

int correctionDifferenceUs(int baseUs, int percent) { return baseUs * percent / 100 - baseUs; }

void showVitalData(VitalTexts& t, const VitalData& v, int warnPercent) {
  t.engineSpeed = intText(v.engineSpeed);
  t.throttle = intText(v.throttlePercent);
  t.engineTemp = intText(roundHalfAway(v.engineTemp));
  t.airTemp = intText(roundHalfAway(v.airTemp));
  t.ignitionBase = intText(v.ignitionBaseDeg);
  t.ignitionAngle = intText(v.ignitionAngleRaw - 50);
  t.injectionBase = intText(v.injectionBaseUs);
  t.airCorrPercent = intText(v.airTempCorrPercent) + "%";
  t.airCorrUs = intText(correctionDifferenceUs(v.injectionBaseUs, v.airTempCorrPercent));
  t.engineCorrPercent = intText(v.engineTempCorrPercent) + "%";
  t.engineCorrUs = intText(correctionDifferenceUs(v.injectionBaseUs, v.engineTempCorrPercent));
  t.injectionTimeColour = availableInjectionUs(v.engineSpeedClamped, warnPercent) >= v.injectionTimeUs
                              ? colours::kBlack
                              : colours::kRed;
  t.injectionTime = intText(v.injectionTimeUs);
  switchText(t.output1, v.output1);
  switchText(t.output2, v.output2);
  switchText(t.input1, v.input1);
  switchText(t.input2, v.input2);
  switchText(t.input3, v.input3);
  for (std::size_t k = 0; k < 3; ++k) t.lambda[k] = fixedText(v.lambdaMv[k] / 1000.0, 2);
  t.cpuTempColour = v.cpuTemp >= 86 ? colours::kRed : colours::kBlack;
  t.cpuTemp = intText(v.cpuTemp);
}

}  // namespace qx
