#include "core/expert/ExpertWindow.h"

#include "core/link/Commands.h"
#include "core/link/LinkFlags.h"
#include "core/link/SerialLink.h"
#include "core/link/VitalData.h"
#include "core/util/Numbers.h"

namespace qx {

bool stepCalibration(ExpertData& expert, int delta, SerialLink& link) {
  if (!link.flags().unitIdentified || !link.allowed('X')) return false;
  // Until the unit has reported its byte the window knows none: stepping from 0 would
  // mistune the oscillator the serial line runs on.
  if (!expert.controlValid) return false;
  const int value = clampTo(expert.control.calibration + delta, 0, 255);
  expert.control.calibration = value;
  link.sendCommand('X');
  link.pause(kCalibrationPauseMs);
  link.sendByte(kExpertCalibration);
  link.pause(kCalibrationPauseMs);
  link.sendByte(value);
  return true;
}

void resetTimestampDifference(ExpertData& expert) {
  expert.deviations = MovingAverage{100};
  expert.deviationMeanText = fixedText(0.0, 2);
  expert.resetRequested = true;
}

ExpertTexts expertTexts(const ExpertData& expert, const VitalData& vital) {
  ExpertTexts t;
  t.calibration = intText(expert.control.calibration);
  t.toothGap = intText(vital.gapPeriod);
  t.toothWidth = intText(vital.toothPeriod);
  if (!expert.controlValid) return t;
  const ControlValues& c = expert.control;
  const DerivedControl& d = expert.derived;
  for (std::size_t k = 0; k < 3; ++k) {
    CylinderTexts& row = t.cylinders[k];
    row.startAngle = intText(c.injectionStartAngle[k]);
    row.injectionUs = intText(c.injectionTimeUs[k]);
    row.injectionShare = intText(d.injectionSharePercent[k]);
    row.chargeStart = intText(c.chargeStartAngle[k]);
    row.ignitionAngle = intText(c.ignitionAngle[k]);
    row.chargeUs = intText(d.chargeTimeUs[k]);
    row.chargeShare = intText(d.chargeSharePercent[k]);
  }
  t.angleLimit = intText(c.angleLimit);
  t.dynamicAngle1 = intText(c.dynamicAngle1);
  t.dynamicAngle2 = intText(c.dynamicAngle2);
  t.accelTimerDiff = intText(c.accelTimerDiffRaw);
  t.accelTimerSigned = "(" + intText(c.accelTimerDiff) + ")";
  t.accelDegrees = fixedText(d.accelDegrees, 1);
  t.revsForSet = intText(c.revsForSet);
  t.controlValue = intText(c.controlValue);
  return t;
}

}  // namespace qx
