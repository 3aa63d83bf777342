// The core's link against the simulated unit over a real pseudo terminal.

#include <gtest/gtest.h>

#include "core/ports/Clock.h"
#include "core/app/Program.h"
#include "core/link/Connection.h"
#include "core/link/SerialLink.h"
#include "core/util/Bytes.h"
#include "support/Fakes.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"
#include "support/TempDir.h"

namespace qx {
namespace {

struct SimFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  SimFixture() : SimLinkHarness({"--scenario", "drive", "--seed", "7"}) {}
  // Ticks until the unit is identified; false after `ticks` attempts.
  bool identifyWithin(int ticks) { return SimLinkHarness::identifyWithin(ticks, 20); }
  // One "D" exchange; the 43 data bytes, or nothing on failure.
  std::optional<Bytes> vitalData() {
    if (!link.request('D', 44)) return std::nullopt;
    Bytes b;
    for (int i = 0; i < 43; ++i) b.push_back(link.readByte());
    return b;
  }
};

TEST_F(SimFixture, IdentifiesTheSimulatedUnitAndReadsLiveData) {
  ASSERT_TRUE(identifyWithin(3));
  EXPECT_EQ(program.device.device, "ORK-Sim     ");
  EXPECT_EQ(program.device.hardware, "1.2");
  EXPECT_EQ(program.device.software, "2.7");
  EXPECT_EQ(program.device.bootLoader, "1.0");
  EXPECT_EQ(program.device.restartCount, 1);  // a new unit, switched on once

  auto first = vitalData();
  ASSERT_TRUE(first.has_value());
  clock.sleepMs(50);
  auto second = vitalData();
  ASSERT_TRUE(second.has_value());
  const Bytes& d = *second;  // d[k] is reply byte k + 1
  const int speed = readBe16(&d[0]);
  EXPECT_GT(speed, 500);
  EXPECT_LT(speed, 13000);
  // A 36-2 wheel: 33 teeth between gaps, 36 per revolution, the gap three teeth long.
  EXPECT_EQ(d[27], 1);
  EXPECT_EQ(d[28], 33);
  EXPECT_EQ(d[29], 36);
  const double ratio = static_cast<double>(readBe16(&d[32])) / readBe16(&d[30]) - 1;
  EXPECT_NEAR(ratio, 2.0, 0.05);
  // Time stamps in 10 µs ticks move with real time.
  const auto t1 = readBe32(&(*first)[34]), t2 = readBe32(&d[34]);
  EXPECT_GT(t2 - t1, 4000u);
  EXPECT_LT(t2 - t1, 20000u);
  // The trace names every command with its time.
  const std::string trace = sim.traceText();
  EXPECT_NE(trace.find(" I\n"), std::string::npos);
  EXPECT_NE(trace.find(" D\n"), std::string::npos);
}

TEST_F(SimFixture, EveryCommandIsParsedWithItsParametersSoTheUnitNeverLosesStep) {
  ASSERT_TRUE(identifyWithin(3));
  link.send('K', {Param::byte(1), Param::byte(2), Param::wordLE(0x0D0A)});
  link.send('T', {Param::byte(3), Param::byte('D')});
  link.send('W', {Param::byte(7), Param::byte(60)});
  link.sendTestValue(4, 262);
  link.send('X', {Param::byte(4), Param::byte(0x77)});
  link.send('C', {Param::byte(0)});
  link.sendCommand('S');
  for (int i = 0; i < 435; ++i) link.sendByte('I');  // bytes that look like commands
  ASSERT_TRUE(vitalData().has_value());
  // "W" 7 set a test ignition angle of 60 - 50 = 10 °KW.
  auto d = vitalData();
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ((*d)[26], 60);
  EXPECT_EQ((*d)[8], 60);
  const std::string trace = sim.traceText();
  EXPECT_NE(trace.find(" K 01 02 0a 0d\n"), std::string::npos);
  EXPECT_NE(trace.find(" V 04 80 00\n"), std::string::npos);
  EXPECT_NE(trace.find(" X 04 77\n"), std::string::npos);
}

TEST_F(SimFixture, RecoversFromEveryFaultOnceItEnds) {
  struct Case {
    const char* fault;
    LinkError error;
  };
  for (const Case& c : {Case{"silent", LinkError::Timeout}, Case{"wrong-echo", LinkError::UnknownReply},
                        Case{"stray-byte", LinkError::Timeout}, Case{"truncate", LinkError::Timeout}}) {
    SCOPED_TRACE(c.fault);
    ASSERT_TRUE(identifyWithin(5));
    sim.setFault(c.fault);
    // A stray byte after a reply spoils the exchange after it.
    bool failed = false;
    for (int i = 0; i < 3 && !failed; ++i) failed = !vitalData().has_value();
    EXPECT_TRUE(failed);
    // A stray byte ahead of a reply may also pass for its echo once the count matches.
    if (std::string(c.fault) == "stray-byte")
      EXPECT_NE(program.link.linkErrorCode, LinkError::None);
    else
      EXPECT_EQ(program.link.linkErrorCode, c.error);
    tick();  // reports the error and starts identifying again
    EXPECT_FALSE(program.link.unitIdentified);
    EXPECT_TRUE(program.link.portOpen);
    sim.setFault("none");
    ASSERT_TRUE(identifyWithin(5));
    EXPECT_TRUE(vitalData().has_value());
  }
}

TEST_F(SimFixture, SlowLineStillCarriesShortReplies) {
  ASSERT_TRUE(identifyWithin(3));
  sim.setFault("slow");
  const auto start = clock.elapsedMs();
  EXPECT_TRUE(vitalData().has_value());  // 44 bytes at a tenth of the rate: about 84 ms
  EXPECT_GE(clock.elapsedMs() - start, 70);
}

TEST_F(SimFixture, RestartCountSurvivesInTheStateFile) {
  sim.stop();
  sim.start();
  ASSERT_TRUE(identifyWithin(5));
  EXPECT_EQ(program.device.restartCount, 2);
}

}  // namespace
}  // namespace qx
