#include "core/link/VitalData.h"

#include <algorithm>

#include "core/util/Bytes.h"

namespace qx {

VitalData decodeVitalData(const std::uint8_t* d) {
  // d[k] is byte k + 1 of the reply.
  VitalData v;
  v.engineSpeed = readBe16(d + 0);
  v.engineSpeedClamped = std::min(v.engineSpeed, kMaxComputedSpeed);
  // d[2..3] carry a value the program does not use.
  v.throttlePercent = d[4];
  v.engineTemp = d[5] - 20.0;
  v.airTemp = d[6] - 20.0;
  v.ignitionBaseDeg = d[7];
  v.ignitionAngleRaw = d[8];
  v.injectionBaseUs = readBe16(d + 9);
  v.airTempCorrPercent = d[11];
  v.engineTempCorrPercent = d[12];
  v.injectionTimeUs = readBe16(d + 13);
  v.output1 = d[15];
  v.output2 = d[16];
  v.input1 = d[17];
  v.input2 = d[18];
  v.input3 = d[19];
  for (int k = 0; k < 3; ++k) v.lambdaMv[static_cast<std::size_t>(k)] = readBe16(d + 20 + 2 * k);
  v.testIgnitionRaw = d[26];
  v.signalDetected = d[27];
  v.teethCounted = d[28];
  v.teethPerRevUnit = d[29];
  v.toothPeriod = readBe16(d + 30);
  v.gapPeriod = readBe16(d + 32);
  v.timestamp100kHz = readBe32(d + 34);
  v.limiterAngle = d[38];
  v.limiterIgnitionOff = d[39];
  v.startInjectionOff = d[40];
  v.cpuTemp = d[41];
  v.emergencyProgram = d[42];
  return v;
}

}  // namespace qx
