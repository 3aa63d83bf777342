#pragma once
// The crank-sensor checks of the test window, run on every live sample: the gap of the
// trigger wheel, the signal, the counted teeth and the revolution.

#include <string>

#include "core/draw/Drawing.h"

namespace qx {

struct VitalData;

struct SensorCheck {
  std::string gapText = "--";         // "Lückenerkennung:"
  std::string signalText = "--";      // "Signal erkannt:"
  std::string teethText = "--";       // "erkannte Zähnezahl:"
  std::string revolutionText = "--";  // "Umdrehung erkannt:"
  int passed = 0;                     // checks passed in the last sample, 0..4
  int errorCount = 0;                 // samples with a failed check above the minimum speed
  // The unit's test ignition: a constant angle (option "Konstant v.OT [°KW]:") or the curve.
  bool testConstant = false;
  int testConstantAngle = 0;
  // The unit's test ignition byte as last reported or set by the test window: 255 the
  // curve, otherwise the constant angle + 50.
  int testIgnitionRaw = 255;
  std::string ignitionAngleText;  // "ZZP v.OT aktuell [°KW]:"
  // Whether the lamp shows the last sample's result; cleared on every tick while no unit is
  // identified, drawn again by the next sample.
  bool lampShown = false;

  bool allPassed() const { return passed == 4; }
};

// missingTeeth: the setup's gap count (1 or 2); wheelTeeth: the trigger wheel's teeth with
// the gap; minErrorRpm: the speed above which failed checks are counted.
void runSensorCheck(SensorCheck& check, const VitalData& v, int missingTeeth, int wheelTeeth,
                    int minErrorRpm);

// A tick while no unit is identified: the lamp shows only its background.
void clearSensorLamp(SensorCheck& check);

// The 50 x 50 sensor lamp: a green check mark when all four checks passed, a red cross
// otherwise, only the background while no unit is identified.
Drawing sensorLamp(const SensorCheck& check, bool unitIdentified, int width, int height,
                   Rgb background);

}  // namespace qx
