// The emergency program of the simulated unit, seen through the live data and the
// emergency window's rules.

#include <gtest/gtest.h>

#include "core/app/LiveDataCycle.h"
#include "core/link/LiveData.h"
#include "core/mainwin/EmergencyWindow.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"

namespace qx {
namespace {

struct EmergencyFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  EmergencyFixture() : SimLinkHarness({"--scenario", "idle", "--seed", "3"}) {}
  // Live-data cycles until the emergency window opens or closes; false after 6 s.
  bool cycleUntil(EmergencyChange wanted) {
    for (int i = 0; i < 120; ++i) {
      liveDataCycle(program, link);
      if (updateEmergencyWindow(window, program.link, program.vital).change == wanted) return true;
      clock.sleepMs(50);
    }
    return false;
  }
  EmergencyWindowState window;
};

TEST_F(EmergencyFixture, AnOverheatedEngineOpensTheWindowUntilItHasCooledDown) {
  ASSERT_TRUE(identifyWithin(5, 20));
  liveDataCycle(program, link);
  EXPECT_EQ(program.vital.emergencyProgram, 0);
  EXPECT_LT(program.vital.engineTemp, 115);

  sim.setFault("overheat");
  ASSERT_TRUE(cycleUntil(EmergencyChange::Open));
  EXPECT_GT(program.vital.engineTemp, 115);            // the factory setup's emergency temperature
  EXPECT_EQ(program.vital.ignitionAngleRaw - 50, 10);  // its constant emergency angle
  EXPECT_FALSE(emergencyWindowClosable(window, program.link));

  sim.setFault("none");
  ASSERT_TRUE(cycleUntil(EmergencyChange::Close));
  EXPECT_LE(program.vital.engineTemp, 115);
}

}  // namespace
}  // namespace qx
