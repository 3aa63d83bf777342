// Firmware updates and the EEPROM erase against the simulated unit's boot loader.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "core/firmware/FirmwareUpdate.h"
#include "core/link/SetupTransfer.h"
#include "core/system/SystemForm.h"
#include "core/util/Files.h"
#include "support/IntelHex.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;

// The folder for the firmware files; it exists before the simulator starts.
struct FirmwareFolder {
  test::TempDir files;
};

struct FirmwareSimFixture : ::testing::Test, FirmwareFolder, test::SimLinkHarness<test::PosixPort> {
  FirmwareSimFixture()
      : SimLinkHarness({"--scenario", "idle", "--firmware-out", files.file("received.bin")}) {}

  // 3008 bytes as Intel HEX; the unit receives 24 blocks, the last with 64 zero bytes.
  ByteList start() {
    ByteList data(3008);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 13 + 5);
    std::ofstream(files.file("ork.hex"), std::ios::binary) << test::intelHex(data);
    update.folder = files.path() + "/";
    update.fileName = "ork.hex";
    startFirmwareUpdate(update, link, requesters);
    EXPECT_TRUE(program.link.firmwareTransferActive);
    data.resize(24 * 128, 0);
    return data;
  }
  // One upload step per COM tick of 5 ms; false when it did not end within maxTicks.
  bool upload(int maxTicks) {
    for (int i = 0; i < maxTicks && program.link.firmwareTransferActive; ++i) {
      firmwareUpdateStep(update, link);
      clock.sleepMs(5);
    }
    return !program.link.firmwareTransferActive;
  }
  ByteList received() { return readWholeFile(files.file("received.bin")).value_or(Bytes{}); }
  // Live data within a few ticks, re-identifying the unit on the way if need be.
  bool liveDataWithin(int ticks) {
    for (int i = 0; i < ticks; ++i, clock.sleepMs(20)) {
      tick();
      if (program.link.unitIdentified && link.request('D', 44)) return true;
    }
    return false;
  }

  FirmwareUpdate update;
};

TEST_F(FirmwareSimFixture, AHexFileArrivesWholeEvenWhenAnAcknowledgementGoesAstray) {
  ASSERT_TRUE(identifyWithin(20, 50));
  for (const char* fault : {"none", "drop-ack", "corrupt-ack"}) {
    SCOPED_TRACE(fault);
    std::remove(files.file("received.bin").c_str());
    sim.setFault(fault);  // spoils the acknowledgement of block 1
    const ByteList expected = start();
    ASSERT_TRUE(upload(2000));
    EXPECT_EQ(update.statusText, "update erfolgreich beendet");
    EXPECT_EQ(received(), expected);
    EXPECT_TRUE(liveDataWithin(10));
  }
  const std::string trace = sim.traceText();
  EXPECT_NE(trace.find("boot end 24"), std::string::npos);
  EXPECT_NE(trace.find("boot again 2"), std::string::npos);  // asked again after a silence
  EXPECT_NE(trace.find("boot repeat 1"), std::string::npos);
}

TEST_F(FirmwareSimFixture, CancelledMidWayTheUnitIsFoundAgain) {
  ASSERT_TRUE(identifyWithin(20, 50));
  start();
  EXPECT_FALSE(upload(30));
  ASSERT_GT(update.currentBlock, 1);
  firmwareButtonPressed(update, link, requesters);
  EXPECT_TRUE(liveDataWithin(10));
  EXPECT_NE(sim.traceText().find("boot leave"), std::string::npos);
  EXPECT_TRUE(received().empty());
}

TEST_F(FirmwareSimFixture, ErasingTheEepromRestartsTheUnitWithAnErasedSetup) {
  ASSERT_TRUE(identifyWithin(20, 50));
  const int restarts = program.device.restartCount;
  eraseUnitEeprom(link, program.settings, requesters, program.info.programName);
  clock.sleepMs(50);
  readSetupFromUnit(program.setup, link, requesters);
  EXPECT_EQ(program.setup.record.triggerWheelTeeth, 255);
  EXPECT_EQ(program.setup.record.mapCell(3, 3), 0xFFFF);
  program.link.unitIdentified = false;
  ASSERT_TRUE(identifyWithin(20, 50));
  EXPECT_EQ(program.device.restartCount, restarts + 1);
}

}  // namespace
}  // namespace qx
