#include "core/testmode/SensorCheck.h"

#include "core/link/VitalData.h"
#include "core/util/Numbers.h"

namespace qx {

void runSensorCheck(SensorCheck& c, const VitalData& v, int missing, int wheelTeeth,
                    int minErrorRpm) {
  c.passed = 0;
  c.lampShown = true;

  // Gap: the gap lasts as long as the missing teeth and the one before them. Without a
  // tooth period there is no ratio to compute.
  if (v.engineSpeedClamped < 1 || v.toothPeriod == 0) {
    c.gapText = "--";
  } else {
    const double ratio = static_cast<double>(v.gapPeriod) / v.toothPeriod - 1.0;
    c.gapText = fixedText(ratio, 2);
    if (ratio > missing - 0.3 && ratio < missing + 0.3) {
      c.gapText += " Ok";
      ++c.passed;
    }
  }

  c.ignitionAngleText = intText(v.ignitionAngleRaw - 50);
  c.testIgnitionRaw = v.testIgnitionRaw;
  if (v.testIgnitionRaw != 255) {
    c.testConstantAngle = v.testIgnitionRaw - 50;
    c.testConstant = true;
  } else {
    c.testConstant = false;
  }

  if (v.signalDetected == 1) {
    c.signalText = "Ok";
    ++c.passed;
  } else {
    c.signalText = "--";
  }

  if (v.teethCounted == 0) {
    c.teethText = "--";
    c.revolutionText = "--";
  } else {
    const int n = v.teethCounted + missing + 1;
    if (n == wheelTeeth) {
      c.teethText = intText(n) + " Ok";
      ++c.passed;
    } else {
      c.teethText = intText(n) + " falsch";
    }
    if (v.teethCounted + missing == v.teethPerRevUnit - 1) {
      c.revolutionText = "Ok";
      ++c.passed;
    } else {
      c.revolutionText = "falsch";
    }
  }

  if (v.engineSpeedClamped > minErrorRpm && c.passed < 4) c.errorCount = (c.errorCount + 1) % 10000;
}

void clearSensorLamp(SensorCheck& check) {
  check.lampShown = false;
}

Drawing sensorLamp(const SensorCheck& check, bool unitIdentified, int width, int height,
                   Rgb background) {
  Drawing d;
  d.width = width;
  d.height = height;
  d.background = background;
  d.fillRect(0, 0, width, height, background);
  if (!unitIdentified) return d;
  const double w = width, h = height;
  constexpr double kWidth = 7;
  if (check.allPassed()) {
    constexpr Rgb kCheckGreen{0, 192, 0};
    d.line(5, h / 2, w / 2, h - 5, kCheckGreen, kWidth);
    d.line(w / 2, h - 5, w - 5, 5, kCheckGreen, kWidth);
  } else {
    d.line(5, 5, w - 5, h - 5, colours::kRed, kWidth);
    d.line(5, h - 5, w - 5, 5, colours::kRed, kWidth);
  }
  return d;
}

}  // namespace qx
