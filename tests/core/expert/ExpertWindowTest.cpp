#include "core/expert/ExpertWindow.h"

#include <gtest/gtest.h>

#include "core/link/VitalData.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

TEST(ExpertCalibration, ClampedBeforeSendingAndSentOnlyWhileIdentified) {
  struct Case {
    int start, delta;
    bool identified;
    std::vector<std::uint8_t> sent;
    int kept;
  };
  const Case cases[] = {{0, -1, true, {'X', 4, 0}, 0},
                        {255, 1, true, {'X', 4, 255}, 255},
                        {128, 1, true, {'X', 4, 129}, 129},
                        {128, -1, true, {'X', 4, 127}, 127},
                        {128, 1, false, {}, 128}};
  for (const Case& c : cases) {
    test::LinkHarness h;
    h.program.link.portOpen = true;
    h.program.link.unitIdentified = c.identified;
    h.program.expert.control.calibration = c.start;
    EXPECT_EQ(stepCalibration(h.program.expert, c.delta, h.link), c.identified);
    EXPECT_EQ(h.port.writtenBytes(), c.sent);
    EXPECT_EQ(h.program.expert.control.calibration, c.kept);
    if (c.identified) {
      EXPECT_EQ(h.port.written[1].atMs - h.port.written[0].atMs, 20);
      EXPECT_EQ(h.port.written[2].atMs - h.port.written[1].atMs, 20);
    }
  }
}

TEST(ExpertTexts, ControlValuesOnlyAfterAReplyAndTheResetClearsTheDeviations) {
  ExpertData e;
  VitalData v;
  v.toothPeriod = 35;
  v.gapPeriod = 105;
  e.control.calibration = 128;
  ExpertTexts t = expertTexts(e, v);
  EXPECT_EQ(t.calibration, "128");
  EXPECT_EQ(t.toothGap, "105");
  EXPECT_EQ(t.toothWidth, "35");
  EXPECT_EQ(t.cylinders[0].startAngle, "");

  e.controlValid = true;
  e.control.injectionStartAngle[1] = 210;
  e.control.accelTimerDiffRaw = 65496;
  e.control.accelTimerDiff = -40;
  e.derived.chargeSharePercent[2] = 100;
  e.derived.accelDegrees = -11.52;
  t = expertTexts(e, v);
  EXPECT_EQ(t.cylinders[1].startAngle, "210");
  EXPECT_EQ(t.cylinders[2].chargeShare, "100");
  EXPECT_EQ(t.accelTimerDiff, "65496");
  EXPECT_EQ(t.accelTimerSigned, "(-40)");
  EXPECT_EQ(t.accelDegrees, "-11.5");

  e.deviations.add(50);
  resetTimestampDifference(e);
  EXPECT_EQ(e.deviations.mean(), 0);
  EXPECT_TRUE(e.resetRequested);
}

}  // namespace
}  // namespace qx
