#include "core/link/SerialLink.h"

#include <gtest/gtest.h>

#include "core/app/Program.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;

struct LinkFixture : ::testing::Test, test::LinkHarness {

  void SetUp() override {
    connected();
  }
  ByteList reply(char echo, int dataBytes) {
    ByteList r{static_cast<std::uint8_t>(echo)};
    for (int i = 0; i < dataBytes; ++i) r.push_back(static_cast<std::uint8_t>(i + 1));
    return r;
  }
};

TEST_F(LinkFixture, ReplyWithExactCountAndEchoSucceedsAndLeavesTheDataQueued) {
  port.arrive(reply('d', 20), 3);
  port.arrive(ByteList(23, 0x55), 8);  // the rest arrives in a second piece
  link.waitForReply(44, 'd');
  EXPECT_EQ(program.link.linkErrorCode, LinkError::None);
  EXPECT_EQ(clock.nowMs, 8);
  EXPECT_EQ(port.queued(), 43u);
  EXPECT_EQ(link.readByte(), 1);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LinkFixture, OneStrayByteNeverMatchesAndTimesOutAfter100Ms) {
  port.arrive(ByteList{0x00});  // left over in the queue
  port.arrive(reply('d', 43), 9);
  link.waitForReply(44, 'd');
  EXPECT_EQ(program.link.linkErrorCode, LinkError::Timeout);
  EXPECT_GE(clock.nowMs, 100);
  EXPECT_LE(clock.nowMs, 102);
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"Antwort dauert zu lange (d)"}));
  EXPECT_EQ(port.queued(), 45u);  // nothing was read
  EXPECT_TRUE(program.link.unitIdentified);  // the connection step clears it on the next tick
}

TEST_F(LinkFixture, WrongEchoClearsIdentificationBeforeTheCallerContinues) {
  port.arrive(reply('x', 6));
  link.waitForReply(7, 'a');
  EXPECT_EQ(program.link.linkErrorCode, LinkError::UnknownReply);
  EXPECT_FALSE(program.link.unitIdentified);
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"unbekannte Antwort (a)"}));
  EXPECT_EQ(port.queued(), 6u);  // the wrong echo was consumed
}

TEST_F(LinkFixture, EmptyEchoOnlyCountsAndLeavesEveryByteQueued) {
  port.arrive(reply('l', 435));
  link.waitForReply(436, 0);
  EXPECT_EQ(program.link.linkErrorCode, LinkError::None);
  EXPECT_EQ(port.queued(), 436u);
  EXPECT_EQ(link.readByte(), 'l');

  // A short reply with an empty echo times out with "()".
  clock.nowMs = 1000;
  port.arrive(reply('l', 400));
  link.waitForReply(436, 0);
  EXPECT_EQ(program.link.linkErrorCode, LinkError::Timeout);
  EXPECT_EQ(sink.shown.back(), "Antwort dauert zu lange ()");
}

TEST_F(LinkFixture, NoReplyWaitsWithoutBusyLoopingAndNeverBlocksOnRead) {
  link.waitForReply(24, 'i');
  EXPECT_EQ(program.link.linkErrorCode, LinkError::Timeout);
  EXPECT_LE(port.waits, 3);  // the port's own wait, not a spin
  EXPECT_EQ(link.readByte(), 0);  // nothing waiting: no block, nothing read
}

TEST_F(LinkFixture, TestValuesAreConvertedPerChannelAndSplitIntoBytes) {
  link.sendTestValue(4, 262);  // 262 / 524 * 65536 = 32768
  link.sendTestValue(1, 1);
  link.sendTestValue(7, 65.5);  // 65.5 / 131 * 65536 = 32768
  link.sendTestValue(10, 300.9);  // 300 -> 1, 44
  link.sendTestValue(11, 99);  // unknown channel sends 0
  EXPECT_EQ(port.writtenBytes(), (ByteList{'V', 4, 128, 0, 'V', 1, 0, 1, 'V', 7, 128, 0,
                                           'V', 10, 1, 44, 'V', 11, 0, 0}));
  // Each parameter block follows its letter after the 20 ms pause.
  EXPECT_EQ(port.written[1].atMs - port.written[0].atMs, 20);
}

TEST_F(LinkFixture, ParametersAreTruncatedToTheirLowByte) {
  link.sendParameter(7, 255.9);
  link.sendParameter(6, -1.5);  // -1 -> 0xFF
  EXPECT_EQ(port.writtenBytes(), (ByteList{'W', 7, 255, 'W', 6, 255}));
  EXPECT_EQ(clock.sleeps, (std::vector<int>{20, 20}));
}

TEST_F(LinkFixture, CommandsAreSentOnlyWhenTheirPreconditionHolds) {
  program.link.unitIdentified = false;
  EXPECT_FALSE(link.send('K', {Param::byte(1), Param::byte(1), Param::wordLE(1000)}));
  EXPECT_FALSE(link.request('D', 44));
  link.sendParameter(8, 1);
  EXPECT_TRUE(link.send('E'));  // "E" and "V" need only the open port
  link.sendTestValue(1, 1);
  EXPECT_EQ(port.writtenBytes(), (ByteList{'E', 'V', 1, 0, 1}));

  program.link.portOpen = false;
  EXPECT_FALSE(link.send('E'));
  EXPECT_EQ(port.written.size(), 5u);
}

TEST_F(LinkFixture, NothingOfTheCatalogueGoesOutDuringAFirmwareTransfer) {
  program.link.firmwareTransferActive = true;
  for (char c : std::string("IDAPGLSEKTZMWVNBCUX")) EXPECT_FALSE(link.allowed(c)) << c;
  link.sendTestValue(1, 1);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(LinkFixture, MapPointWriteIsLetterPauseThenIndicesAndLittleEndianWord) {
  ASSERT_TRUE(link.send('K', {Param::byte(17), Param::byte(9), Param::wordLE(0x1234)}));
  EXPECT_EQ(port.writtenBytes(), (ByteList{'K', 17, 9, 0x34, 0x12}));
  EXPECT_EQ(port.written[1].atMs, 20);
}

}  // namespace
}  // namespace qx
