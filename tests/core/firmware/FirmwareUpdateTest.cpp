#include "core/firmware/FirmwareUpdate.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/app/Lamps.h"
#include "support/LinkHarness.h"
#include "support/TempDir.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

const std::string kReminder =
    "ORK-firmware update|Setup aus der ORK gesichert?\rAktuelle firmware als Datei verfügbar?"
    "\r\rEEPROM gelöscht (bei einigen firmware-updates erforderlich) ?\r\rMotor im Stillstand?"
    "\rZündkerzenstecker gezogen?\rEinspritzpumpe ausser Funktion?";

struct UpdateFixture : ::testing::Test, test::LinkHarness {
  void SetUp() override {
    // 1000 bytes of 0x01: eight blocks, the last with 104 data bytes and 24 zeros.
    std::ofstream(dir.file("ork.bin"), std::ios::binary) << std::string(1000, '\x01');
    std::ofstream(dir.file("bad.hex"), std::ios::binary) << ":0400000001020304F3\r\n";
    update.folder = dir.path() + "/";
  }
  // One COM tick 100 ms after the last; `sent` is what it wrote.
  void tick(ByteList arriving = {}) {
    clock.nowMs += 100;
    port.arrive(arriving);
    const std::size_t before = port.written.size();
    firmwareUpdateStep(update, link);
    const ByteList all = port.writtenBytes();
    sent.assign(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
  }
  void start(const std::string& file) {
    update.fileName = file;
    startFirmwareUpdate(update, link, requesters);
  }
  // Started against an identified unit and past the handshake, block 1 sent.
  void startedAndHandshaken() {
    connected();
    start("ork.bin");
    tick();
    tick({0x7B});
    tick({0x15});
  }
  Texts boxes() const {
    Texts out;
    for (const auto& s : requesters.shown) out.push_back(s.title + "|" + s.text);
    return out;
  }

  test::TempDir dir;
  FirmwareUpdate update;
  ByteList sent;
};

TEST_F(UpdateFixture, StartChecksComeInOrderAndOnlyAnIdentifiedUnitGetsU) {
  struct Case {
    const char* file;
    bool portOpen, identified;
    Texts boxes, status;
    const char* written;
  } cases[] = {
      {"", true, true, {"firmweare update|Passende Firmwaredatei wählen !"}, {}, ""},
      {"ork.txt", true, true, {"firmweare update|Passende Firmwaredatei wählen !"}, {}, ""},
      {"missing.bin",
       true,
       true,
       {kReminder, "firmweare update|Konnte firmare-Datei nicht öffnen :-("},
       {"firmware-Datei konnte nicht geöffnet werden"},
       ""},
      {"bad.hex",
       true,
       true,
       {kReminder, "firmware| Formatfehler (3)", "update|firmware-Datei fehlerhaft"},
       {"firmware bad.hex gewählt", "firmware-Datei decodieren(hex)",
        "firmware: Formatfehler (3) Checksumme falsch", "firmware-Datei fehlerhaft"},
       ""},
      {"ork.bin",
       false,
       false,
       {kReminder, "update|com-port nicht verfügbar"},
       {"firmware ork.bin gewählt", "firmware-Datei decodieren(bin)",
        "Update com-port nicht verfügbar"},
       ""},
      {"ork.bin",
       true,
       false,
       {kReminder},
       {"firmware ork.bin gewählt", "firmware-Datei decodieren(bin)", "Update innitialisieren",
        "Update ..."},
       ""},
      {"ork.bin",
       true,
       true,
       {kReminder},
       {"firmware ork.bin gewählt", "firmware-Datei decodieren(bin)", "Update innitialisieren",
        "Update ..."},
       "U"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + (c.identified ? " identified" : ""));
    requesters.shown.clear();
    sink.shown.clear();
    port.written.clear();
    clock.sleeps.clear();
    program.link = {c.portOpen, c.identified, LinkError::None, false};
    start(c.file);
    EXPECT_EQ(boxes(), c.boxes);
    EXPECT_EQ(sink.shown, c.status);
    EXPECT_EQ(port.writtenText(), c.written);
    EXPECT_EQ(clock.sleeps, *c.written ? std::vector<int>{200} : std::vector<int>{});
    const bool started = !c.status.empty() && c.status.back() == "Update ...";
    EXPECT_EQ(program.link.firmwareTransferActive, started);
    EXPECT_EQ(update.buttonCaption, started ? "Abbruch" : "update ORK");
    if (started) {
      EXPECT_EQ(update.progressMaximum, 8);
      EXPECT_EQ(update.statusText, "update wird gestartet ...");
      EXPECT_EQ(connectionLampColour(true, program.link), colours::kOrange);
    }
  }
}

TEST_F(UpdateFixture, AWholeUploadByteForByte) {
  connected();
  start("ork.bin");
  tick();
  EXPECT_EQ(sent, (ByteList{0x7B}));  // the start request, every tick until it is echoed
  tick({0x7B});
  EXPECT_EQ(sent, (ByteList{0x7B, 0x00}));
  tick({0x15});  // the boot loader asks for block 1
  ASSERT_EQ(sent.size(), 132u);
  EXPECT_EQ((ByteList{sent[0], sent[1], sent[2], sent[3], sent[131]}),
            (ByteList{0x01, 0x01, 0x02, 0x01, 0x84}));  // 1 + 1 + 2 + 128
  EXPECT_EQ(update.statusText, "übertrage Datenblock 1  (0.0 sec.)");
  for (int n = 2; n <= 8; ++n) {
    tick({0x06});
    ASSERT_EQ(sent.size(), 132u);
    EXPECT_EQ(sent[1], n);
    EXPECT_EQ(update.progressValue, n);
  }
  // Block 8: 104 bytes of the file, 24 zeros, 1 + 8 + 9 + 104.
  EXPECT_EQ((ByteList{sent[106], sent[107], sent[131]}), (ByteList{0x01, 0x00, 0x7A}));
  EXPECT_EQ(update.statusText, "übertrage Datenblock 8  (0.0 sec.)");

  clock.sleeps.clear();
  tick({0x06, 0x42, 0x43});  // the last acknowledgement, then leftovers
  EXPECT_EQ(sent, (ByteList{0x04}));
  EXPECT_EQ(clock.sleeps, (std::vector<int>{100}));
  EXPECT_FALSE(program.link.firmwareTransferActive);
  EXPECT_EQ((Texts{update.buttonCaption, update.statusText, sink.shown.back()}),
            (Texts{"update ORK", "update erfolgreich beendet", "update erfolgreich"}));
  EXPECT_EQ(update.blockCount + update.progressValue, 0);
  EXPECT_EQ(port.queued(), 0u);
}

TEST_F(UpdateFixture, RepeatsStrayBytesABusyLineTheEstimateAndCancel) {
  startedAndHandshaken();
  tick({0x06});
  tick({0x06});
  EXPECT_EQ(update.statusText, "übertrage Datenblock 3  (0.5 sec.)");  // 200 / 2 * 5 ms
  struct Step {
    ByteList arriving;
    std::size_t queuedOutput;
    int sentBlock;  // 0: nothing sent
    int current;
  } steps[] = {
      {{0x15}, 0, 3, 3},        // the same block again
      {{0x42}, 0, 0, 3},        // ignored
      {{0x06, 0x06}, 0, 0, 4},  // an answer still waits: counted, not sent
      {{}, 5, 0, 5},            // output still queued
      {{0x15}, 5, 0, 5},       {{0x15}, 0, 5, 5},
  };
  for (const Step& s : steps) {
    port.outputQueued = s.queuedOutput;
    tick(s.arriving);
    EXPECT_EQ(sent.empty() ? 0 : sent[1], s.sentBlock);
    EXPECT_EQ(update.currentBlock, s.current);
  }
  // The button cancels the upload; nothing goes to the unit, not even on the next tick.
  port.written.clear();
  firmwareButtonPressed(update, link, requesters);
  tick({0x06});
  EXPECT_TRUE(port.written.empty());
  EXPECT_FALSE(program.link.firmwareTransferActive);
  EXPECT_EQ((Texts{update.buttonCaption, update.statusText, sink.shown.back()}),
            (Texts{"update ORK", "update abgebrochen!!!", "Update abgebrochen"}));
  EXPECT_EQ(update.blockCount + update.progressValue, 0);
}

}  // namespace
}  // namespace qx
