#include "core/expert/ExpertWindow.h"

#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace qx {
namespace {

TEST(ExpertCalibration, ClampedBeforeSendingAndSentOnlyWhileIdentified) {
  struct Case {
    int start, delta;
    bool identified, reported;
    std::vector<std::uint8_t> sent;
  };
  for (const Case& c :
       {Case{0, -1, true, true, {'X', 4, 0}}, Case{255, 1, true, true, {'X', 4, 255}},
        Case{128, 1, true, true, {'X', 4, 129}}, Case{128, 1, false, true, {}},
        Case{0, 1, true, false, {}}}) {
    test::LinkHarness h;
    h.program.link = {true, c.identified, LinkError::None, false};
    h.program.expert.control.calibration = c.start;
    h.program.expert.controlValid = c.reported;  // the unit has told its byte with "P"
    EXPECT_EQ(stepCalibration(h.program.expert, c.delta, h.link), !c.sent.empty());
    EXPECT_EQ(h.port.writtenBytes(), c.sent);
    EXPECT_EQ(h.program.expert.control.calibration, c.sent.empty() ? c.start : c.sent[2]);
    if (!c.sent.empty()) {  // 20 ms after the letter and after the sub-command
      EXPECT_EQ(h.port.written[1].atMs - h.port.written[0].atMs, 20);
      EXPECT_EQ(h.port.written[2].atMs - h.port.written[1].atMs, 20);
    }
  }
}

}  // namespace
}  // namespace qx
