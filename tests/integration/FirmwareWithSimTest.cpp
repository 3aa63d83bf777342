// Firmware updates and the EEPROM erase against the simulated unit's boot loader.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/firmware/FirmwareUpdate.h"
#include "core/link/SetupTransfer.h"
#include "core/system/SystemForm.h"
#include "core/util/Files.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"
#include "support/TempDir.h"

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

  // 3008 bytes in Intel HEX records of 16 bytes: 24 blocks, the last with 64 zero bytes.
  ByteList writeHexFile() {
    ByteList data(3008);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 13 + 5);
    std::ofstream out(files.file("ork.hex"), std::ios::binary);
    for (std::size_t a = 0; a < data.size(); a += 16) {
      char text[16];
      int sum = 16 + static_cast<int>(a >> 8) + static_cast<int>(a & 0xFF);
      std::snprintf(text, sizeof text, ":10%04X00", static_cast<unsigned>(a));
      out << text;
      for (std::size_t i = a; i < a + 16; ++i) {
        std::snprintf(text, sizeof text, "%02X", data[i]);
        out << text;
        sum += data[i];
      }
      std::snprintf(text, sizeof text, "%02X\r\n", (256 - sum % 256) % 256);
      out << text;
    }
    out << ":00000001FF\r\n";
    data.resize(24 * 128, 0);
    return data;
  }

  void start() {
    update.folder = files.path() + "/";
    update.fileName = "ork.hex";
    startFirmwareUpdate(update, link, requesters);
    ASSERT_TRUE(program.link.firmwareTransferActive);
  }

  // One upload step per COM tick of tickMs; the ticks it took, or -1 when it did not end.
  int upload(int tickMs, int maxTicks) {
    for (int i = 0; i < maxTicks; ++i) {
      if (!program.link.firmwareTransferActive) return i;
      firmwareUpdateStep(update, link);
      clock.sleepMs(tickMs);
    }
    return -1;
  }

  ByteList received() { return readWholeFile(files.file("received.bin")).value_or(Bytes{}); }

  // Live data again within a few ticks (re-identifying the unit on the way if need be).
  bool liveDataWithin(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      tick();
      if (program.link.unitIdentified && link.request('D', 44)) return true;
      clock.sleepMs(20);
    }
    return false;
  }

  FirmwareUpdate update;
};

TEST_F(FirmwareSimFixture, AHexFileArrivesWholeAndTheLiveDataGoOn) {
  ASSERT_TRUE(identifyWithin(20, 50));
  const ByteList expected = writeHexFile();
  start();
  EXPECT_EQ(update.blockCount, 24);
  ASSERT_GE(upload(5, 1000), 0);
  EXPECT_EQ(update.statusText, "update erfolgreich beendet");
  EXPECT_EQ(sink.shown.back(), "update erfolgreich");
  EXPECT_EQ(received(), expected);
  EXPECT_NE(sim.traceText().find("boot end 24"), std::string::npos);
  EXPECT_TRUE(liveDataWithin(10));
}

TEST_F(FirmwareSimFixture, ALostOrSpoiltAcknowledgementIsMadeGoodByAskingAgain) {
  ASSERT_TRUE(identifyWithin(20, 50));
  const ByteList expected = writeHexFile();
  for (const char* fault : {"drop-ack", "corrupt-ack"}) {
    SCOPED_TRACE(fault);
    std::remove(files.file("received.bin").c_str());
    ASSERT_TRUE(liveDataWithin(10));
    sim.setFault(fault);  // the acknowledgement of block 1
    start();
    ASSERT_GE(upload(5, 2000), 0);
    EXPECT_EQ(received(), expected);
    sim.setFault("none");
  }
  const std::string trace = sim.traceText();
  EXPECT_NE(trace.find("boot again 2"), std::string::npos);
  EXPECT_NE(trace.find("boot repeat 1"), std::string::npos);
}

TEST_F(FirmwareSimFixture, CancelledMidWayTheUnitIsFoundAgain) {
  ASSERT_TRUE(identifyWithin(20, 50));
  writeHexFile();
  start();
  EXPECT_EQ(upload(5, 30), -1);
  ASSERT_GT(update.currentBlock, 1);
  firmwareButtonPressed(update, link, requesters);
  EXPECT_FALSE(program.link.firmwareTransferActive);
  EXPECT_TRUE(liveDataWithin(10));
  EXPECT_NE(sim.traceText().find("boot leave"), std::string::npos);
  EXPECT_TRUE(received().empty());
}

TEST_F(FirmwareSimFixture, ErasingTheEepromRestartsTheUnitWithAnErasedSetup) {
  ASSERT_TRUE(identifyWithin(20, 50));
  const int restarts = program.device.restartCount;
  eraseUnitEeprom(link, program.settings, requesters, program.info.programName);
  EXPECT_EQ(sink.shown.back(), "EEPROM loeschen");
  clock.sleepMs(50);
  readSetupFromUnit(program, link, requesters);
  EXPECT_EQ(program.setup.triggerWheelTeeth, 255);
  EXPECT_EQ(program.setup.mapCell(3, 3), 0xFFFF);
  EXPECT_NE(sim.traceText().find(" X 03"), std::string::npos);
  program.link.unitIdentified = false;
  ASSERT_TRUE(identifyWithin(20, 50));
  EXPECT_EQ(program.device.restartCount, restarts + 1);
}

}  // namespace
}  // namespace qx
