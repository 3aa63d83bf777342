// The test window's commands against the simulated unit: what each button makes the unit
// do, as its trace and its live data show.

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "core/link/SetupTransfer.h"
#include "core/link/VitalData.h"
#include "core/ports/EventPoll.h"
#include "core/testmode/FlowTest.h"
#include "core/testmode/OutputTests.h"
#include "core/testmode/TestForm.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"

namespace qx {
namespace {

// Whole seconds of countdown pass in 20 ms; the pauses inside commands stay real.
class QuickClock final : public Clock {
 public:
  std::int64_t elapsedMs() override { return real.elapsedMs(); }
  void sleepMs(int ms) override { real.sleepMs(std::min(ms, 20)); }
  LocalDateTime now() override { return real.now(); }
  SystemClock real;
};

struct EscAfter final : EventPoll {
  explicit EscAfter(int pulses) : left(pulses) {}
  PendingEvent takePending() override {
    return left-- == 0 ? PendingEvent::Escape : PendingEvent::None;
  }
  int left;
};

struct TestModeSimFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  TestModeSimFixture() : SimLinkHarness({"--scenario", "idle"}) {}
  std::size_t traced(const std::string& line) {
    clock.sleepMs(50);  // the unit has taken the last bytes
    const std::string t = sim.traceText();
    std::size_t n = 0;
    for (std::size_t at = t.find(line); at != std::string::npos; at = t.find(line, at + 1)) ++n;
    return n;
  }
  VitalData sample() {
    EXPECT_TRUE(link.request('D', kVitalReplyBytes));
    std::uint8_t data[kVitalReplyBytes - 1];
    for (auto& b : data) b = link.readByte();
    return decodeVitalData(data);
  }
  QuickClock quick;
  SerialLink quickLink{program.link, program.messages, quick, port};
  SensorCheck sensor;
  TestModeState test;
  TestWindowValues values{program.setup.record, sensor, test, program.settings};
};

TEST_F(TestModeSimFixture, EachButtonReachesTheUnitAsItsCommands) {
  ASSERT_TRUE(identifyWithin(20, 50));
  runFuelPumpTest(quickLink, {"Benzinpumpe", {}});
  runSwitchedOutputTest(quickLink, 1, {"Ausgang 1", {}});
  runInjectorTest(quickLink, 1, 1, {"E-Ventil 1", {}});
  runCoilTest(quickLink, 2, 4, 1, {"Zündschalter 2", {}});
  runSpeedOutputTest(quickLink, "20000", {"Drehz.-Ausg.", {}});
  EXPECT_EQ(traced(" = pump on\n"), 1u);
  EXPECT_EQ(traced(" = pump off\n"), 1u);
  EXPECT_EQ(traced(" = output 1 10 s\n"), 1u);
  EXPECT_EQ(traced(" V 07 f4 46\n"), 15u);
  EXPECT_EQ(traced(" = injector 1 125068 us\n"), 15u);  // 62534 ticks of 2 µs
  EXPECT_EQ(traced(" = coil 2 1000 us\n"), 1u);
  EXPECT_EQ(traced(" = speed 16000\n"), 1u);
  EXPECT_EQ(sample().output1, 1);  // still within its 10 s

  program.setup.record.sensorAngle = 180;
  moveSensorPosition(program.setup.record, link, 1);
  EXPECT_EQ(traced(" = sensor 180\n"), 1u);
  takeOverTestFields(values, link, [&](TestField f) {
    return f == TestField::ConstantAngle ? std::string("12") : testFieldText(values, f);
  });
  EXPECT_EQ(sample().ignitionAngleRaw, 62);
  chooseCurveIgnition(sensor, link);
  EXPECT_EQ(sample().testIgnitionRaw, 255);

  restartUnit(link);
  EXPECT_EQ(traced(" = restart\n"), 1u);
  EXPECT_EQ(sample().output1, 0);  // a restart switches the test outputs off
}

TEST_F(TestModeSimFixture, AFlowTestAbortedWithEscAndItsResultsReachTheUnit) {
  ASSERT_TRUE(identifyWithin(20, 50));
  EscAfter esc(5);
  runFlowTest(test, link, requesters, esc, flowTestChannel(2), kShortPulseMs, {"Test", {}});
  EXPECT_EQ(traced(" V 08 0b b9\n"), 5u);
  EXPECT_EQ(traced(" = pump on\n"), 6u);
  EXPECT_EQ(traced(" = pump off\n"), 1u);
  ASSERT_EQ(requesters.shown.size(), 2u);
  EXPECT_EQ(requesters.shown[1].text, "Test abgebrochen.\rErgebnis nicht verwendbar !");

  // Weighed: injector 2 delivers 30 : 29 of injector 1; no short-test fuel.
  test.weightTenths = {{{30, 29, {}}, {0, 0, {}}}};
  evaluateFlowTests(test);
  takeOverFlowResults(program.setup.record, test);
  writeSetupToUnit(program.setup.record, link);
  readSetupFromUnit(program.setup, link, requesters);
  EXPECT_EQ(program.setup.record.injectorBalance, (PerCylinder<std::int16_t>{0, 34, 0}));
  EXPECT_EQ(program.setup.record.injectorSwitchTime, (PerCylinder<std::int16_t>{4000, 4000, 0}));
}

}  // namespace
}  // namespace qx
