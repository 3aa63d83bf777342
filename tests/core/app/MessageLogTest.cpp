#include "core/app/MessageLog.h"

#include <gtest/gtest.h>

#include "core/app/ProgramSettings.h"
#include "core/link/LinkFlags.h"
#include "core/util/Files.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace qx {
namespace {

struct MessageLogFixture : ::testing::Test {
  LinkFlags link;
  ProgramSettings settings;
  test::ManualClock clock;
  test::RecordingSink sink;
  test::TempDir dir;
  MessageLog log{link, settings, clock};

  void SetUp() override {
    log.setSink(&sink);
    log.setFilePath(dir.file("ORK-Meldungen.txt"));
  }
  std::string fileText() {
    auto bytes = readWholeFile(dir.file("ORK-Meldungen.txt"));
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
  }
};

TEST_F(MessageLogFixture, RepeatedProtocolErrorsAreDampedAndResetByOtherMessages) {
  settings.recordMessages = true;
  for (int i = 0; i < 5; ++i) log.reportStatus("Protokollfehler");
  EXPECT_EQ(sink.shown,
            (std::vector<std::string>{"Protokollfehler", "Protokollfehler", "Verbindungsversuch..."}));
  EXPECT_EQ(log.statusLine(), "Verbindungsversuch...");
  // The fourth and fifth were neither shown nor written.
  EXPECT_EQ(fileText(),
            "2018.05.07 14:03:09 : Protokollfehler\r\n"
            "2018.05.07 14:03:09 : Protokollfehler\r\n"
            "2018.05.07 14:03:09 : Verbindungsversuch...\r\n");

  log.reportStatus("COM aus");
  EXPECT_EQ(log.repeatCounter(), 0);
  EXPECT_EQ(sink.shown.back(), "COM aus");
  log.reportStatus("Protokollfehler");
  EXPECT_EQ(sink.shown.back(), "Protokollfehler");
}

TEST_F(MessageLogFixture, UnknownReplyCountsWithProtocolErrorButItsLongFormResets) {
  log.reportStatus("unbekannte Antwort");
  log.reportStatus("Protokollfehler");
  EXPECT_EQ(log.repeatCounter(), 2);
  // The link's own message names the letter and is not the exact text.
  log.reportStatus("unbekannte Antwort (d)");
  EXPECT_EQ(log.repeatCounter(), 0);
  EXPECT_EQ(sink.shown.back(), "unbekannte Antwort (d)");
  log.reportStatus("unbekannte Antwort");
  log.reportStatus("unbekannte Antwort");
  log.reportStatus("unbekannte Antwort");
  EXPECT_EQ(sink.shown.back(), "Verbindungsversuch...");
}

TEST_F(MessageLogFixture, ProtocolErrorsDuringFirmwareTransferAreCountedButNotShown) {
  settings.recordMessages = true;
  link.firmwareTransferActive = true;
  log.reportStatus("Update ...");
  log.reportStatus("Protokollfehler");
  EXPECT_EQ(log.statusLine(), "Update ...");
  EXPECT_EQ(log.repeatCounter(), 1);
  log.reportStatus("Protokollfehler");
  // The third becomes "Verbindungsversuch..." and that is shown.
  log.reportStatus("Protokollfehler");
  EXPECT_EQ(log.statusLine(), "Verbindungsversuch...");
  EXPECT_EQ(fileText(),
            "2018.05.07 14:03:09 : Update ...\r\n"
            "2018.05.07 14:03:09 : Verbindungsversuch...\r\n");
}

TEST_F(MessageLogFixture, FileIsWrittenOnlyWhenSwitchedOnAndAppendsUtf8Lines) {
  log.reportStatus("COM3 ist ein");
  EXPECT_EQ(fileText(), "<missing>");
  EXPECT_EQ(log.statusLine(), "COM3 ist ein");

  ASSERT_TRUE(appendToFile(dir.file("ORK-Meldungen.txt"), "alt\r\n"));
  settings.recordMessages = true;
  clock.dateTime = {2026, 12, 31, 23, 59, 5};
  log.reportStatus("Einspritzkorrektur nach Ansauglufttemperatur bearbeiten – Zündung");
  EXPECT_EQ(fileText(),
            "alt\r\n2026.12.31 23:59:05 : Einspritzkorrektur nach Ansauglufttemperatur "
            "bearbeiten – Zündung\r\n");
}

TEST(MessageFileLine, YearKeepsAllItsDigitsAndTwoDigitFieldsGetLeadingZeros) {
  EXPECT_EQ(messageFileLine({2018, 5, 7, 14, 3, 9}, "COM aus"), "2018.05.07 14:03:09 : COM aus");
  EXPECT_EQ(messageFileLine({12345, 1, 2, 0, 0, 0}, ""), "12345.01.02 00:00:00 : ");
}

TEST_F(MessageLogFixture, UnwritableFileIsSilentAndTheStatusLineStillUpdates) {
  settings.recordMessages = true;
  log.setFilePath(dir.file("no-such-folder/ORK-Meldungen.txt"));
  log.reportStatus("Daten von ORK gelesen");
  EXPECT_EQ(sink.shown.back(), "Daten von ORK gelesen");
}

}  // namespace
}  // namespace qx
