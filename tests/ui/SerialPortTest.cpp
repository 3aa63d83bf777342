// The Qt serial port against the simulated unit: line parameters accepted on a pseudo
// terminal, and a device that goes away and comes back; its output queue on a bare one.

#include "platform/QtSerialPort.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "core/app/Program.h"
#include "core/link/Connection.h"
#include "core/link/SerialLink.h"
#include "core/ports/Clock.h"
#include "support/Fakes.h"
#include "support/SimLinkHarness.h"
#include "support/TempDir.h"

namespace qx {
namespace {

struct QtPortFixture : ::testing::Test, test::SimLinkHarness<QtSerialPort> {
  QtPortFixture() : SimLinkHarness({"--scenario", "idle"}) {}
  bool identifyWithin(int ticks) { return SimLinkHarness::identifyWithin(ticks, 100); }
};

TEST_F(QtPortFixture, IdentifiesAndReadsAWholeReply) {
  ASSERT_TRUE(identifyWithin(3));
  EXPECT_EQ(program.device.software, "2.7");
  ASSERT_TRUE(link.request('D', 44));
  EXPECT_EQ(link.bytesAvailable(), 43u);
}

TEST_F(QtPortFixture, AUnitThatGoesAwayTimesOutAndIsIdentifiedAgainWhenItIsBack) {
  ASSERT_TRUE(identifyWithin(3));
  sim.stop();
  EXPECT_FALSE(link.request('D', 44));
  sink.shown.clear();
  connectionStep(program.com, program.device, link, false, nullptr);
  connectionStep(program.com, program.device, link, false, nullptr);
  EXPECT_EQ(sink.shown,
            (std::vector<std::string>{"COM Fehler - timeout", "Antwort dauert zu lange (i)",
                                      "COM Fehler - timeout"}));
  EXPECT_TRUE(program.link.portOpen);

  sim.start();  // a new pseudo terminal behind the same link
  ASSERT_TRUE(identifyWithin(20));
  EXPECT_TRUE(link.request('D', 44));
}

TEST_F(QtPortFixture, HangUpIsRecoveredWithoutTouchingTheProgram) {
  ASSERT_TRUE(identifyWithin(3));
  sim.setFault("hangup");
  EXPECT_FALSE(link.request('D', 44));
  connectionStep(program.com, program.device, link, false, nullptr);  // reports the timeout
  EXPECT_FALSE(program.link.unitIdentified);
  ASSERT_TRUE(identifyWithin(20));
  EXPECT_TRUE(link.request('D', 44));
}

TEST(QtSerialPort, BytesToWriteCountsWhatHasNotLeftForTheLine) {
  // A terminal whose other end reads nothing: the system's buffers fill, the rest waits.
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  QtSerialPort port;
  ASSERT_TRUE(port.open(::ptsname(master), kWorkingBuffers));
  EXPECT_EQ(port.bytesToWrite(), 0u);
  const std::vector<std::uint8_t> bytes(256 * 1024, 0x55);
  port.write(bytes.data(), bytes.size());
  EXPECT_GT(port.bytesToWrite(), 0u);
  port.close();
  ::close(master);
}

}  // namespace
}  // namespace qx
