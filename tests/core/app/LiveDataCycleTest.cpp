#include "core/app/LiveDataCycle.h"

#include <gtest/gtest.h>

#include "core/app/Program.h"
#include "core/link/LiveData.h"
#include "core/mainwin/OperatingPoint.h"
#include "core/link/SerialLink.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;

// A "D" reply: 5000 rpm, 50 % throttle, 36-2 wheel seen whole, time stamp 1000.
ByteList vitalReply(int rpm = 5000, int throttle = 50, int airRaw = 45) {
  ByteList r{'d', static_cast<std::uint8_t>(rpm >> 8), static_cast<std::uint8_t>(rpm & 0xFF), 0, 0,
             static_cast<std::uint8_t>(throttle), 100, static_cast<std::uint8_t>(airRaw), 20, 70,
             0x03, 0xE8, 100, 100, 0x03, 0xE8, 0, 0, 0, 0, 0, 0x01, 0xC2, 0x01, 0xC2, 0x01, 0xC2,
             255, 1, 33, 36, 0x01, 0x00, 0x03, 0x00, 0, 0, 0x03, 0xE8, 0, 0, 0, 40, 0};
  return r;
}

struct LiveFixture : ::testing::Test, test::LinkHarness {
  std::function<ByteList(char)> unit = [](char c) -> ByteList {
    if (c == 'D') return vitalReply();
    if (c == 'A') return {'a', 0x08, 0x00, 0x04, 0x00, 0x00, 0x00};
    return {};
  };

  void SetUp() override {
    connected();
    program.setup.record.triggerWheelTeeth = 36;
    program.setup.record.triggerGapCount = 2;
    port.onWrite = [this](std::uint8_t b) {
      auto reply = unit(static_cast<char>(b));
      if (!reply.empty()) port.arrive(reply, 9);
    };
  }
};

TEST_F(LiveFixture, OneCycleDecodesTheSampleAndFeedsItsConsumers) {
  program.lambdaTable.readLive = true;
  liveDataCycle(program, link);
  EXPECT_EQ(port.writtenText(), "D");
  EXPECT_EQ(program.vitalTexts.engineSpeed, "5000");
  EXPECT_EQ(program.vitalTexts.lambda[0], "0.45");
  // Column 5000 / 1000 + 1 = 6, row 50 / 12.5 + 1 = 5.
  EXPECT_EQ(program.lambdaTable.at(6, 5, 1), 450);
  EXPECT_EQ(program.sensorCheck.passed, 4);
  EXPECT_EQ(program.sensorCheck.gapText, "2.00 Ok");
  EXPECT_EQ(program.sensorCheck.teethText, "36 Ok");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LiveFixture, SettingsWindowAddsTheSensorVoltages) {
  program.windowShown(WindowId::Settings) = true;
  liveDataCycle(program, link);
  EXPECT_EQ(port.writtenText(), "DA");
  EXPECT_EQ(program.sensorVoltages.texts[0], "1.00");  // 2048 / 4096 * 2
  EXPECT_EQ(program.sensorVoltages.texts[1], "0.50");
  EXPECT_EQ(program.sensorVoltages.texts[2], "0.00");
}

TEST_F(LiveFixture, FailedSampleLeavesTheOldValuesButTheOtherExchangesStillRun) {
  liveDataCycle(program, link);
  program.windowShown(WindowId::Settings) = true;
  unit = [](char c) -> ByteList {
    if (c == 'D') {
      ByteList r = vitalReply(9000);
      r[0] = 'x';  // wrong echo
      return r;
    }
    return {};
  };
  liveDataCycle(program, link);
  EXPECT_EQ(program.vitalTexts.engineSpeed, "5000");
  EXPECT_FALSE(program.link.unitIdentified);
  // "A" still went out and timed out in turn.
  EXPECT_EQ(port.writtenText(), "DDA");
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"unbekannte Antwort (d)", "Antwort dauert zu lange (a)"}));
}

TEST_F(LiveFixture, NothingIsSentWhileTheUnitIsNotIdentified) {
  program.link.unitIdentified = false;
  program.windowShown(WindowId::Settings) = true;
  liveDataCycle(program, link);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(LiveFixture, LearnedMapIsTakenOnlyFromACompleteReply) {
  program.setup.record.learningActive = 1;
  program.learning.liveMap = true;
  ByteList map{'g'};
  for (int i = 0; i < 153; ++i) map.push_back(static_cast<std::uint8_t>(i)), map.push_back(1);
  unit = [&map](char c) -> ByteList {
    if (c == 'D') return vitalReply();
    if (c == 'G') return map;
    return {};
  };
  liveDataCycle(program, link);
  // Row t, speed r at byte offset t * 34 + r * 2: cell (16, 8) is word 152.
  EXPECT_EQ(program.setup.record.mapCell(16, 8), 0x0100 + 152);
  EXPECT_EQ(program.setup.record.mapCell(1, 0), 0x0101);
  EXPECT_EQ(program.setup.record.mapCell(0, 1), 0x0100 + 17);
  EXPECT_TRUE(program.editors.mapChanged);

  // A wrong first byte or a short reply leaves the map alone.
  program.setup.record.injectionMap.fill(7);
  map[0] = 'x';
  liveDataCycle(program, link);
  map[0] = 'g';
  map.resize(300);
  port.drainAll();
  liveDataCycle(program, link);
  EXPECT_EQ(program.setup.record.mapCell(16, 8), 7);
  EXPECT_EQ(program.setup.record.mapCell(0, 0), 7);
}

TEST_F(LiveFixture, SilentUnitDoesNotHangTheLearnedMap) {
  program.setup.record.learningActive = 1;
  program.learning.liveMap = true;
  program.setup.record.injectionMap.fill(7);
  EXPECT_FALSE(fetchLearnedMap(link, program.setup.record));
  EXPECT_EQ(clock.nowMs, 100);
  EXPECT_EQ(program.setup.record.mapCell(3, 3), 7);
}

TEST_F(LiveFixture, EditingPointFollowsTheEngineInsideTheMap) {
  program.editors.mode = EditingMode::InjectionMap;
  program.editors.boxes.mapAuto = true;
  unit = [](char c) -> ByteList { return c == 'D' ? vitalReply(20000, 120) : ByteList{}; };
  liveDataCycle(program, link);
  EXPECT_EQ(program.editors.mapSpeed, 16);
  EXPECT_EQ(program.editors.mapThrottle, 8);  // 120 % would be row 10

  program.editors.mode = EditingMode::AirTemp;
  program.editors.boxes.airAuto = true;
  unit = [](char c) -> ByteList { return c == 'D' ? vitalReply(5000, 50, 0) : ByteList{}; };
  liveDataCycle(program, link);  // -20 °C
  EXPECT_EQ(program.editors.airIndex, 0);
  unit = [](char c) -> ByteList { return c == 'D' ? vitalReply(5000, 50, 170) : ByteList{}; };
  liveDataCycle(program, link);  // 150 °C
  EXPECT_EQ(program.editors.airIndex, 16);
  unit = [](char c) -> ByteList { return c == 'D' ? vitalReply(5000, 50, 44) : ByteList{}; };
  liveDataCycle(program, link);  // 24 °C: (24 + 25) / 10 = 4.9
  EXPECT_EQ(program.editors.airIndex, 4);
}

TEST(FollowOperatingPoint, OnlyTheActiveEditorWithAutoFollows) {
  test::ManualClock clock;
  Program program{clock, "/tmp"};
  program.vital.engineSpeedClamped = 7600;
  program.vital.throttlePercent = 18;
  program.editors.mode = EditingMode::Ignition;
  program.editors.boxes.mapAuto = true;  // not the active editor
  followOperatingPoint(program.editors, program.vital);
  EXPECT_EQ(program.editors.mapSpeed, 0);
  EXPECT_EQ(program.editors.ignitionIndex, 0);
  program.editors.boxes.ignitionAuto = true;
  followOperatingPoint(program.editors, program.vital);
  EXPECT_EQ(program.editors.ignitionIndex, 8);
  program.editors.mode = EditingMode::InjectionMap;
  followOperatingPoint(program.editors, program.vital);
  EXPECT_EQ(program.editors.mapSpeed, 8);
  EXPECT_EQ(program.editors.mapThrottle, 1);  // (18 + 6.25) / 12.5 = 1.94
}

}  // namespace
}  // namespace qx
