#pragma once
// The crank-sensor checks of the test window, run on every live sample: the gap of the
// trigger wheel, the signal, the counted teeth and the revolution.

#include <string>

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

  bool allPassed() const { return passed == 4; }
};

// missingTeeth: the setup's gap count (1 or 2); wheelTeeth: the trigger wheel's teeth with
// the gap; minErrorRpm: the speed above which failed checks are counted.
void runSensorCheck(SensorCheck& check, const VitalData& v, int missingTeeth, int wheelTeeth,
                    int minErrorRpm);

}  // namespace qx
