#include "core/link/SetupTransfer.h"

#include <gtest/gtest.h>

#include "core/app/Program.h"
#include "core/link/SerialLink.h"
#include "core/setup/SetupImage.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;
using Messages = std::vector<std::string>;

// An image whose bytes are their offsets (mod 251), with learning and lambda logging set
// as asked.
ByteList image(bool learning = false, bool lambdaLogging = false) {
  ByteList b(435);
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i % 251);
  b[400] = learning ? 1 : 0;
  b[430] = lambdaLogging ? 1 : 0;
  return b;
}

ByteList reply(const ByteList& img) {
  ByteList r;
  r.reserve(img.size() + 1);
  r.push_back('l');
  r.insert(r.end(), img.begin(), img.end());
  return r;
}

struct TransferFixture : ::testing::Test, test::LinkHarness {
  void SetUp() override { connected(); }
  void answerL(const ByteList& bytes, std::int64_t after = 40) {
    port.onWrite = [this, bytes, after](std::uint8_t b) {
      if (b == 'L') port.arrive(bytes, after);
    };
  }
};

TEST_F(TransferFixture, AWholeReplyIsDecodedWithoutAQuestion) {
  answerL(reply(image()));
  const int revision = program.setup.revision;
  readSetupFromUnit(program.setup, link, requesters);
  EXPECT_TRUE(requesters.shown.empty());
  EXPECT_EQ(sink.shown, (Messages{"Daten von ORK gelesen"}));
  EXPECT_EQ(program.setup.record.cylinderOffset23, 1);
  EXPECT_EQ(program.setup.record.mapCell(16, 8), (374 % 251) | ((375 % 251) << 8));
  EXPECT_EQ(program.setup.revision, revision + 1);
  EXPECT_EQ(port.queued(), 0u);
}

TEST_F(TransferFixture, AShortReplyAsksAndYesLogsTheCountThenTimesOutLeavingTheRecord) {
  ByteList short435 = reply(image());
  short435.pop_back();
  answerL(short435);
  program.setup.record.cylinderOffset23 = 77;
  requesters.yesNoAnswers = {true};
  readSetupFromUnit(program.setup, link, requesters);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Achtung!");
  EXPECT_EQ(requesters.shown[0].text,
            "Datenpaket ggf. nicht kompatibel.\rNach dem Einlesen müssen alle Einstellungen "
            "kontrolliert werden.\r\rTrotzdem einlesen?");
  // The length test waits with an empty echo and reports its own timeout first.
  EXPECT_EQ(sink.shown, (Messages{"Antwort dauert zu lange ()",
                                  "eingelesene Setup-Daten aus ORK ggf. nicht kompatibel (435)",
                                  "Antwort dauert zu lange (l)"}));
  EXPECT_EQ(program.setup.record.cylinderOffset23, 77);
}

TEST_F(TransferFixture, NoEndsTheReadAtOnce) {
  answerL(ByteList{'l', 1, 2});
  requesters.yesNoAnswers = {false};
  readSetupFromUnit(program.setup, link, requesters);
  EXPECT_EQ(sink.shown, (Messages{"Antwort dauert zu lange ()"}));
  EXPECT_EQ(port.queued(), 3u);
  // The timeout stays for the connection step, which drains the queue and identifies anew.
  EXPECT_EQ(program.link.linkErrorCode, LinkError::Timeout);
}

TEST_F(TransferFixture, AReplyCompletedDuringTheSecondWaitIsDecoded) {
  const ByteList whole = reply(image());
  port.onWrite = [this, whole](std::uint8_t b) {
    if (b != 'L') return;
    port.arrive(ByteList(whole.begin(), whole.begin() + 300), 20);
    port.arrive(ByteList(whole.begin() + 300, whole.end()), 150);  // a slow line
  };
  requesters.yesNoAnswers = {true};
  readSetupFromUnit(program.setup, link, requesters);
  EXPECT_EQ(sink.shown.back(), "Daten von ORK gelesen");
  EXPECT_EQ(program.setup.record.cylinderOffset23, 1);
}

TEST_F(TransferFixture, BothModeWarningsComeInOrderAfterTheRead) {
  answerL(reply(image(true, true)));
  readSetupFromUnit(program.setup, link, requesters);
  ASSERT_EQ(requesters.shown.size(), 2u);
  EXPECT_EQ(requesters.shown[0].text.rfind("\rDer Lern-Modus ist aktiv.", 0), 0u);
  EXPECT_EQ(requesters.shown[1].text.rfind("\rLambda-Loggen ist aktiv.", 0), 0u);
}

TEST_F(TransferFixture, NothingHappensWithoutAnIdentifiedUnit) {
  program.link.unitIdentified = false;
  readSetupFromUnit(program.setup, link, requesters);
  writeSetupToUnit(program.setup.record, link);
  EXPECT_TRUE(port.written.empty());
  storeSetupInEeprom(link);  // "E" needs only the open port
  EXPECT_EQ(port.writtenText(), "E");
  EXPECT_EQ(clock.sleeps, (std::vector<int>{20}));
}

TEST_F(TransferFixture, WriteSendsTheLetterThePauseAndTheImageUnbroken) {
  program.setup.record.cylinderOffset12 = 0x11;
  program.setup.record.startInjectionTime = 0x1234;
  program.setup.record.mapCell(16, 8) = 0xBEEF;
  writeSetupToUnit(program.setup.record, link);
  ASSERT_EQ(port.written.size(), 436u);
  EXPECT_EQ(port.written[0].byte, 'S');
  EXPECT_EQ(port.written[1].atMs, 10);
  EXPECT_EQ(port.written[435].atMs, 10);  // no pause between the bytes
  const ByteList sent = port.writtenBytes();
  EXPECT_EQ(sent[1], 0x11);
  EXPECT_EQ(sent[1 + 19], 0x34);
  EXPECT_EQ(sent[1 + 20], 0x12);
  EXPECT_EQ(sent[1 + 374], 0xEF);
  EXPECT_EQ(sent[1 + 375], 0xBE);
  EXPECT_EQ(sink.shown, (Messages{"Daten an ORK geschrieben"}));
}

TEST_F(TransferFixture, NoTransferDuringAFirmwareUpdate) {
  program.link.firmwareTransferActive = true;
  writeSetupToUnit(program.setup.record, link);
  storeSetupInEeprom(link);
  readSetupFromUnit(program.setup, link, requesters);
  EXPECT_TRUE(port.written.empty());
  EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
}  // namespace qx
