// The big display's window fitting, tachometer geometry, speed rounding, lambda rating and
// click targets.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/display/BigDisplay.h"
#include "core/display/BigDisplayParts.h"
#include "core/util/Numbers.h"

namespace qx {

BigDisplayFit fitBigDisplay(int innerWidth, int innerHeight) {
  int w = std::max(innerWidth, kBigDisplayMinWidth);
  int h = std::max(innerHeight, kBigDisplayMinHeight);
  if (h / 3 < w / 4)
    w = (h / 3) * 4;
  else
    h = (w / 4) * 3;
  return {w, h, static_cast<double>(h) / kBigDisplayHeight};
}

double needleAngle(int engineSpeed, int tachoMaxRpm) {
  const int top = bigdisplay::clampedTachoMax(tachoMaxRpm);
  const double theta = 315.0 - engineSpeed * 270.0 / (1.1 * top);
  return std::clamp(theta, 45.0, 315.0);
}

DrawPoint tachoPoint(double thetaDeg, double radius) {
  const double rad = thetaDeg * std::numbers::pi / 180.0;
  return {kTachoCentre.x + radius * std::sin(rad), kTachoCentre.y + radius * std::cos(rad)};
}

int shownSpeed(int engineSpeed, int rounding) {
  const int step = std::clamp(rounding, 1, 500);
  return engineSpeed / step * step;
}

std::string lambdaRating(double lambdaMv, const std::array<float, 4>& t) {
  const double l = static_cast<double>(roundHalfAway(lambdaMv));
  const double veryRich = t[0], rich = t[1], lean = t[2], veryLean = t[3];
  if (0 <= l && l <= veryLean) return "--";
  if (veryLean <= l && l <= lean) return "-";
  if (lean <= l && l <= rich) return "";
  if (rich <= l && l <= veryRich) return "+";
  if (veryRich <= l && l <= 1500) return "++";
  return "-?-";
}

BigDisplayHit bigDisplayHitAt(long long x, long long y) {
  if (x >= 501 && x <= 559 && y >= 431 && y <= 449) return BigDisplayHit::SensorErrors;
  if (x >= 461 && x <= 529 && y >= 66 && y <= 84) return BigDisplayHit::Peak;
  return BigDisplayHit::None;
}

BigDisplayHit clickBigDisplay(BigDisplayState& state, int& sensorErrorCount, double x, double y,
                              double scale) {
  if (!(scale > 0)) return BigDisplayHit::None;
  const BigDisplayHit hit = bigDisplayHitAt(roundHalfAway(x / scale), roundHalfAway(y / scale));
  if (hit == BigDisplayHit::SensorErrors) sensorErrorCount = 0;
  if (hit == BigDisplayHit::Peak) state.peakSpeed = 0;
  return hit;
}

}  // namespace qx
