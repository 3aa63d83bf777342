#include "core/link/Connection.h"

#include <gtest/gtest.h>

#include "core/app/Lamps.h"
#include "core/app/MessageLog.h"
#include "core/app/Program.h"
#include "core/link/SerialLink.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using Messages = std::vector<std::string>;

// "ORK-Test" padded to 12, HW "1.2", SW "2.7", BL "1.0", restart count 0x01 0x02.
std::vector<std::uint8_t> identReply() {
  std::string text = "iORK-Test    1.22.71.0";
  std::vector<std::uint8_t> r(text.begin(), text.end());
  r.push_back(0x01);
  r.push_back(0x02);
  return r;
}

struct ConnectionFixture : ::testing::Test, test::LinkHarness {
  int setupReads = 0;
  bool unitAnswers = true;

  void SetUp() override {
    program.com.ports = {"ttyS0", "ttyUSB0"};
    program.com.selected = 1;
    port.onWrite = [this](std::uint8_t b) {
      if (b == 'I' && unitAnswers) port.arrive(identReply(), 5);
    };
  }
  void tick() {
    connectionStep(program.com, program.device, link, program.settings.readSetupAfterIdentify,
                   [this] { ++setupReads; });
    askQuitQuestion(program.quitRequested, requesters);
  }
  Messages takeMessages() {
    Messages m;
    m.swap(sink.shown);
    return m;
  }
};

TEST_F(ConnectionFixture, TickingComOpensThePortAndIdentifiesTheUnitInTheSameStep) {
  program.com.checked = true;
  tick();
  EXPECT_EQ(port.openedName, "ttyUSB0");
  EXPECT_EQ(port.openedBuffers.input, 254);
  EXPECT_EQ(takeMessages(),
            (Messages{"ttyUSB0 ist ein", "von ORK gelesen:", "- Gerät: ORK-Test    ",
                      "- HW:    1.2", "- SW:    2.7", "- BL:    1.0", "ORK wurde identifiziert"}));
  EXPECT_TRUE(program.link.portOpen);
  EXPECT_TRUE(program.link.unitIdentified);
  EXPECT_EQ(program.device.device, "ORK-Test    ");  // padding kept
  EXPECT_EQ(program.device.restartCount, 258);
  EXPECT_EQ(setupReads, 0);
  EXPECT_EQ(connectionLampColour(true, program.link), colours::kGreen);

  // Identified: the next tick sends nothing.
  port.written.clear();
  tick();
  EXPECT_TRUE(port.written.empty());
}

TEST_F(ConnectionFixture, ControlBytesFromTheUnitNeverBreakAMessageLine) {
  port.onWrite = [this](std::uint8_t b) {
    if (b != 'I') return;
    std::string text = "iOR\r\nTest    1\n22.71.0";
    std::vector<std::uint8_t> r(text.begin(), text.end());
    r.insert(r.end(), {0x00, 0x01});
    port.arrive(r, 5);
  };
  program.com.checked = true;
  tick();
  const Messages m = takeMessages();
  ASSERT_EQ(m.size(), 7u);
  EXPECT_EQ(m[2], "- Gerät: OR..Test    ");
  EXPECT_EQ(m[3], "- HW:    1 2");
  EXPECT_EQ(program.device.device, "OR\r\nTest    ");  // kept as sent, for the unit's files
  EXPECT_EQ(messageFileLine({2018, 5, 7, 14, 3, 9}, "a\r\nb"), "2018.05.07 14:03:09 : a  b");
}

TEST_F(ConnectionFixture, NoUnitGivesTheTimeoutPairOnEveryTick) {
  unitAnswers = false;
  program.com.checked = true;
  tick();
  EXPECT_EQ(takeMessages(),
            (Messages{"ttyUSB0 ist ein", "Antwort dauert zu lange (i)", "COM Fehler - timeout"}));
  EXPECT_EQ(connectionLampColour(true, program.link), colours::kRed);
  tick();
  EXPECT_EQ(takeMessages(), (Messages{"Antwort dauert zu lange (i)", "COM Fehler - timeout"}));
  EXPECT_TRUE(program.link.portOpen);
  EXPECT_EQ(port.writtenText(), "II");
}

TEST_F(ConnectionFixture, AStrayByteMakesOneAttemptFailAndTheDrainLetsTheNextSucceed) {
  program.com.checked = true;
  tick();
  takeMessages();
  program.link.unitIdentified = false;
  // The unit's next reply is preceded by a stray byte.
  port.onWrite = [this](std::uint8_t b) {
    if (b != 'I') return;
    port.arrive(std::vector<std::uint8_t>{0x00}, 1);
    port.arrive(identReply(), 5);
    port.onWrite = [this](std::uint8_t c) {
      if (c == 'I') port.arrive(identReply(), 5);
    };
  };
  tick();
  EXPECT_EQ(takeMessages(), (Messages{"Antwort dauert zu lange (i)", "COM Fehler - timeout"}));
  EXPECT_TRUE(program.device.device.empty());
  tick();
  EXPECT_TRUE(program.link.unitIdentified);
  EXPECT_EQ(takeMessages().back(), "ORK wurde identifiziert");
}

TEST_F(ConnectionFixture, WrongEchoIsAProtocolErrorAndClearsTheDeviceInfo) {
  program.com.checked = true;
  port.onWrite = [this](std::uint8_t b) {
    if (b != 'I') return;
    auto r = identReply();
    r[0] = 'x';
    port.arrive(r, 5);
  };
  tick();
  EXPECT_EQ(takeMessages(),
            (Messages{"ttyUSB0 ist ein", "unbekannte Antwort (i)", "Protokollfehler"}));
  EXPECT_FALSE(program.link.unitIdentified);
  EXPECT_TRUE(program.link.portOpen);
}

TEST_F(ConnectionFixture, UntickingClosesThePortAndClearsTheDeviceInfo) {
  program.com.checked = true;
  tick();
  takeMessages();
  program.com.checked = false;
  tick();
  EXPECT_EQ(takeMessages(), (Messages{"COM aus"}));
  EXPECT_FALSE(program.link.portOpen);
  EXPECT_FALSE(program.link.unitIdentified);
  EXPECT_FALSE(port.isOpen());
  EXPECT_TRUE(program.device.hardware.empty());
  EXPECT_EQ(program.device.restartCount, 0);
  EXPECT_EQ(connectionLampColour(false, program.link), colours::kLampGrey);
}

TEST_F(ConnectionFixture, PortThatCannotBeOpenedUnticksCom) {
  port.canOpen = false;
  program.com.checked = true;
  tick();
  EXPECT_EQ(takeMessages(), (Messages{"COM Fehler - Port nicht verfügbar"}));
  EXPECT_FALSE(program.com.checked);
  EXPECT_FALSE(program.link.portOpen);
  EXPECT_EQ(program.link.linkErrorCode, LinkError::None);
  tick();  // the box is off and stays off: nothing more happens
  EXPECT_TRUE(takeMessages().empty());
}

TEST_F(ConnectionFixture, NoIdentificationDuringAFirmwareTransfer) {
  program.com.checked = true;
  program.link.firmwareTransferActive = true;
  tick();
  EXPECT_EQ(takeMessages(), (Messages{"ttyUSB0 ist ein"}));
  EXPECT_TRUE(port.written.empty());
  EXPECT_EQ(connectionLampColour(true, program.link), colours::kOrange);
}

TEST_F(ConnectionFixture, SetupIsReadAfterIdentificationWhenSoConfigured) {
  program.settings.readSetupAfterIdentify = true;
  program.com.checked = true;
  tick();
  EXPECT_EQ(setupReads, 1);
  tick();
  EXPECT_EQ(setupReads, 1);
}

TEST_F(ConnectionFixture, TheQuitQuestionComesAfterTheLinkWork) {
  program.com.checked = true;
  program.quitRequested = QuitRequest::Asked;
  requesters.yesNoAnswers = {false};
  tick();
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Beenden?");
  EXPECT_TRUE(program.link.unitIdentified);
  EXPECT_EQ(program.quitRequested, QuitRequest::None);
}

class FakeProbe final : public PortProbe {
 public:
  std::vector<std::string> serialPorts() override { return ports; }
  bool canOpen(const std::string& name) override {
    probed.push_back(name);
    return name != "ttyS3";
  }
  std::vector<std::string> ports{"ttyS10", "ttyUSB0", "ttyS2", "ttyS3", "ttyACM1"};
  std::vector<std::string> probed;
};

TEST_F(ConnectionFixture, PortListHoldsOpenablePortsInNaturalOrderFirstSelected) {
  FakeProbe probe;
  refreshPortList(program.com, program.link, probe);
  EXPECT_EQ(program.com.ports, (std::vector<std::string>{"ttyACM1", "ttyS2", "ttyS10", "ttyUSB0"}));
  EXPECT_EQ(program.com.selected, 0);

  addAndSelectPort(program.com, "/tmp/ork");
  EXPECT_EQ(program.com.selectedName(), "/tmp/ork");
  // The command-line port stays in the list after a refresh.
  refreshPortList(program.com, program.link, probe);
  EXPECT_NE(std::find(program.com.ports.begin(), program.com.ports.end(), "/tmp/ork"),
            program.com.ports.end());
}

TEST_F(ConnectionFixture, RefreshKeepsAnOpenConnectionOpenAndSelected) {
  FakeProbe probe;
  program.com.ports = {"ttyS2", "ttyUSB0"};
  program.com.selected = 1;
  program.com.checked = true;
  tick();
  ASSERT_TRUE(program.link.unitIdentified);
  refreshPortList(program.com, program.link, probe);
  EXPECT_TRUE(port.isOpen());
  EXPECT_TRUE(program.link.unitIdentified);
  EXPECT_EQ(program.com.selectedName(), "ttyUSB0");
  EXPECT_EQ(std::count(probe.probed.begin(), probe.probed.end(), "ttyUSB0"), 0);
  EXPECT_TRUE(takeMessages().size() > 0);
}

TEST(NaturalOrder, NumbersInNamesCompareByValue) {
  EXPECT_TRUE(naturalLess("ttyS2", "ttyS10"));
  EXPECT_FALSE(naturalLess("ttyS10", "ttyS2"));
  EXPECT_TRUE(naturalLess("ttyS", "ttyS0"));
  EXPECT_TRUE(naturalLess("ttyS02", "ttyS3"));
  EXPECT_TRUE(naturalLess("ttyACM0", "ttyS0"));
  EXPECT_FALSE(naturalLess("ttyS1", "ttyS1"));
}

TEST(Lamps, LoggerLampColours) {
  EXPECT_EQ(loggerLampColour(true, true), colours::kGreen);
  EXPECT_EQ(loggerLampColour(true, false), colours::kOrange);
  EXPECT_EQ(loggerLampColour(false, true), colours::kRed);
  EXPECT_EQ(loggerLampColour(false, false), colours::kLampGrey);
  LampDrawing lamp = loggerLamp(41, 41, true, true);
  EXPECT_DOUBLE_EQ(lamp.innerRadius, 18.5);
  EXPECT_DOUBLE_EQ(connectionLamp(15, 15, true, LinkFlags{}).innerRadius, 5.5);
}

}  // namespace
}  // namespace qx
