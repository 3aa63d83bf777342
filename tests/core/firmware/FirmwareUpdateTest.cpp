#include "core/firmware/FirmwareUpdate.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/app/Lamps.h"
#include "core/util/Rgb.h"
#include "support/LinkHarness.h"
#include "support/TempDir.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;
using Messages = std::vector<std::string>;

constexpr const char* kReminder =
    "Setup aus der ORK gesichert?\rAktuelle firmware als Datei verfügbar?\r\rEEPROM gelöscht "
    "(bei einigen firmware-updates erforderlich) ?\r\rMotor im Stillstand?\rZündkerzenstecker "
    "gezogen?\rEinspritzpumpe ausser Funktion?";

struct UpdateFixture : ::testing::Test, test::LinkHarness {
  void SetUp() override {
    // 1000 bytes of 0x01: eight blocks, the last with 104 data bytes and 24 zeros.
    std::ofstream(dir.file("ork.bin"), std::ios::binary) << std::string(1000, '\x01');
    std::ofstream(dir.file("bad.hex"), std::ios::binary) << ":0400000001020304F3\r\n";
    update.folder = dir.path() + "/";
  }
  void choose(const std::string& name) { update.fileName = name; }
  // One COM tick 100 ms after the last.
  void tick(ByteList arriving = {}) {
    clock.nowMs += 100;
    port.arrive(arriving);
    const std::size_t before = port.written.size();
    firmwareUpdateStep(update, link);
    const ByteList all = port.writtenBytes();
    sent = ByteList(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
  }
  // Started against an identified unit and past the handshake, block 1 sent.
  void startedAndHandshaken() {
    connected();
    choose("ork.bin");
    startFirmwareUpdate(update, link, requesters);
    tick();
    tick({0x7B});
    tick({0x15});
  }
  std::vector<std::string> boxes() const {
    std::vector<std::string> out;
    for (const auto& s : requesters.shown) out.push_back(s.title + "|" + s.text);
    return out;
  }

  test::TempDir dir;
  FirmwareUpdate update;
  ByteList sent;
};

TEST_F(UpdateFixture, StartChecksComeInOrderWithTheirTexts) {
  struct Case {
    const char* file;
    bool portOpen;
    std::vector<std::string> boxes;
    Messages status;
  } cases[] = {
      {"", true, {"firmweare update|Passende Firmwaredatei wählen !"}, {}},
      {"ork.txt", true, {"firmweare update|Passende Firmwaredatei wählen !"}, {}},
      {"missing.bin",
       true,
       {std::string("ORK-firmware update|") + kReminder,
        "firmweare update|Konnte firmare-Datei nicht öffnen :-("},
       {"firmware-Datei konnte nicht geöffnet werden"}},
      {"bad.hex",
       true,
       {std::string("ORK-firmware update|") + kReminder, "firmware| Formatfehler (3)",
        "update|firmware-Datei fehlerhaft"},
       {"firmware bad.hex gewählt", "firmware-Datei decodieren(hex)",
        "firmware: Formatfehler (3) Checksumme falsch", "firmware-Datei fehlerhaft"}},
      {"ork.bin",
       false,
       {std::string("ORK-firmware update|") + kReminder, "update|com-port nicht verfügbar"},
       {"firmware ork.bin gewählt", "firmware-Datei decodieren(bin)",
        "Update com-port nicht verfügbar"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    requesters.shown.clear();
    sink.shown.clear();
    program.link.portOpen = c.portOpen;
    choose(c.file);
    startFirmwareUpdate(update, link, requesters);
    EXPECT_EQ(boxes(), c.boxes);
    EXPECT_EQ(sink.shown, c.status);
    EXPECT_FALSE(program.link.firmwareTransferActive);
    EXPECT_TRUE(port.written.empty());
  }
}

TEST_F(UpdateFixture, OnlyAnIdentifiedUnitGetsTheUpdateCommand) {
  for (bool identified : {false, true}) {
    SCOPED_TRACE(identified);
    port.written.clear();
    program.link.portOpen = true;
    program.link.unitIdentified = identified;
    program.link.firmwareTransferActive = false;
    clock.sleeps.clear();
    choose("ork.bin");
    startFirmwareUpdate(update, link, requesters);
    EXPECT_TRUE(program.link.firmwareTransferActive);
    EXPECT_EQ(port.writtenText(), identified ? "U" : "");
    EXPECT_EQ(clock.sleeps, identified ? std::vector<int>{200} : std::vector<int>{});
    EXPECT_EQ(update.blockCount, 8);
    EXPECT_EQ(update.progressMaximum, 8);
    EXPECT_EQ(update.buttonCaption, "Abbruch");
    EXPECT_EQ(update.statusText, "update wird gestartet ...");
    EXPECT_EQ(sink.shown.back(), "Update ...");
    EXPECT_EQ(connectionLampColour(true, program.link), colours::kOrange);
  }
}

TEST_F(UpdateFixture, AWholeUploadByteForByte) {
  connected();
  choose("ork.bin");
  startFirmwareUpdate(update, link, requesters);
  port.written.clear();
  tick();
  EXPECT_EQ(sent, (ByteList{0x7B}));  // the start request, every tick until it is echoed
  tick({0x7B});
  EXPECT_EQ(sent, (ByteList{0x7B, 0x00}));
  tick({0x15});  // the boot loader asks for block 1
  ASSERT_EQ(sent.size(), 132u);
  EXPECT_EQ((ByteList(sent.begin(), sent.begin() + 4)), (ByteList{0x01, 0x01, 0x02, 0x01}));
  EXPECT_EQ(sent[131], 0x84);  // 1 + 1 + 2 + 128
  EXPECT_EQ(update.statusText, "übertrage Datenblock 1  (0.0 sec.)");
  for (int n = 2; n <= 8; ++n) {
    tick({0x06});
    ASSERT_EQ(sent.size(), 132u);
    EXPECT_EQ(sent[1], n);
    EXPECT_EQ(update.progressValue, n);
  }
  EXPECT_EQ(sent[3 + 103], 0x01);
  EXPECT_EQ(sent[3 + 104], 0x00);  // the 24 bytes past the file are zero
  EXPECT_EQ(sent[131], 0x7A);      // 1 + 8 + 9 + 104
  // 700 ms for blocks 2..8, 100 ms a block, no block left.
  EXPECT_EQ(update.statusText, "übertrage Datenblock 8  (0.0 sec.)");

  clock.sleeps.clear();
  tick({0x06, 0x42, 0x43});  // the last acknowledgement, then leftovers
  EXPECT_EQ(sent, (ByteList{0x04}));
  EXPECT_EQ(clock.sleeps, (std::vector<int>{100}));
  EXPECT_FALSE(program.link.firmwareTransferActive);
  EXPECT_EQ(update.blockCount, 0);
  EXPECT_EQ(update.buttonCaption, "update ORK");
  EXPECT_EQ(update.statusText, "update erfolgreich beendet");
  EXPECT_EQ(update.progressValue, 0);
  EXPECT_EQ(sink.shown.back(), "update erfolgreich");
  EXPECT_EQ(port.queued(), 0u);
}

TEST_F(UpdateFixture, RepeatsStrayBytesAndABusyLine) {
  startedAndHandshaken();
  tick({0x06});
  tick({0x06});
  ASSERT_EQ(sent.size(), 132u);
  EXPECT_EQ(update.statusText, "übertrage Datenblock 3  (0.5 sec.)");  // 200 / 2 * 5 ms
  tick({0x15});
  ASSERT_EQ(sent.size(), 132u);
  EXPECT_EQ(sent[1], 3);  // the same block again
  tick({0x42});
  EXPECT_TRUE(sent.empty());
  tick({0x06, 0x06});  // another byte waits: the block is counted but not sent
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(update.currentBlock, 4);
  port.outputQueued = 5;
  tick();  // the second 0x06 meets a queue still full of output
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(update.currentBlock, 5);
  tick({0x15});
  EXPECT_TRUE(sent.empty());
  port.outputQueued = 0;
  tick({0x15});
  ASSERT_EQ(sent.size(), 132u);
  EXPECT_EQ(sent[1], 5);
}

TEST_F(UpdateFixture, TheButtonCancelsARunningUploadWithoutSendingAnything) {
  startedAndHandshaken();
  tick({0x06});
  port.written.clear();
  firmwareButtonPressed(update, link, requesters);
  EXPECT_TRUE(port.written.empty());
  EXPECT_FALSE(program.link.firmwareTransferActive);
  EXPECT_EQ(update.blockCount, 0);
  EXPECT_EQ(update.progressValue, 0);
  EXPECT_EQ(update.buttonCaption, "update ORK");
  EXPECT_EQ(update.statusText, "update abgebrochen!!!");
  EXPECT_EQ(sink.shown.back(), "Update abgebrochen");
  tick({0x06});  // the tick belongs to the live data again
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(connectionLampColour(true, program.link), colours::kGreen);
}

TEST_F(UpdateFixture, ChoosingAFileKeepsOnlyBinOrHex) {
  struct Case {
    std::optional<std::string> answer;
    std::string folder, name, nameLine;
  } cases[] = {
      {"/srv/fw/ork-2.8.hex", "/srv/fw/", "ork-2.8.hex", "ork-2.8.hex"},
      {"/srv/other/ork.HEX", "/srv/fw/", "ork-2.8.hex", "Falscher Dateityp"},
      {std::nullopt, "/srv/fw/", "ork-2.8.hex", "Falscher Dateityp"},
      {"/home/werkstatt/firmware/ork/versionen/ork.bin", "/home/werkstatt/firmware/ork/versionen/",
       "ork.bin", "ork.bin"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("cancelled"));
    requesters.fileAnswers = {c.answer};
    chooseFirmwareFile(update, requesters);
    EXPECT_EQ(update.folder, c.folder);
    EXPECT_EQ(update.fileName, c.name);
    EXPECT_EQ(firmwareNameText(update), c.nameLine);
  }
  EXPECT_EQ(requesters.shown[1].title, "ORK-firmware wählen");
  EXPECT_EQ(requesters.shown[1].text,
            "/srv/fw/ork-2.8.hex|ORK-fimware-Dateien|*.bin;*.hex|Alle Dateien (*.*)|*.*");
  EXPECT_EQ(firmwareFolderText(update), "/home/werkstatt/firm ... mware/ork/versionen/");
}

}  // namespace
}  // namespace qx
