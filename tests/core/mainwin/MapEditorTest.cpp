#include "core/mainwin/MapEditor.h"

#include <gtest/gtest.h>

#include "core/app/Program.h"
#include "core/link/SerialLink.h"
#include "core/mainwin/MainWindowLogic.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;
using Messages = std::vector<std::string>;

struct EditorFixture : ::testing::Test, test::LinkHarness {
  void SetUp() override { connected(); }
  void edit(EditingMode m) {
    startEditing(program.editors, program.messages, m);
    sink.shown.clear();
  }
  void press(EditKey k) { editingKey(program.editors, program.setup, link, k); }
  std::uint16_t& cell() {
    return program.setup.record.mapCell(program.editors.mapSpeed, program.editors.mapThrottle);
  }
};

TEST_F(EditorFixture, MovingStopsAtTheEdgesAndCurvesIgnoreUpAndDown) {
  edit(EditingMode::InjectionMap);
  press(EditKey::Left);
  press(EditKey::Down);
  EXPECT_EQ(program.editors.mapSpeed, 0);
  EXPECT_EQ(program.editors.mapThrottle, 0);
  for (int k = 0; k < 20; ++k) press(EditKey::Right), press(EditKey::Up);
  EXPECT_EQ(program.editors.mapSpeed, 16);
  EXPECT_EQ(program.editors.mapThrottle, 8);

  edit(EditingMode::Ignition);
  press(EditKey::Right);
  press(EditKey::Up);
  EXPECT_EQ(program.editors.ignitionIndex, 1);
  EXPECT_EQ(program.editors.mapThrottle, 8);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(EditorFixture, WithAutoTheArrowsDoNothingButPlusStillChangesTheFollowedPoint) {
  edit(EditingMode::AirTemp);
  program.editors.boxes.airAuto = true;
  program.editors.airIndex = 4;
  press(EditKey::Right);
  EXPECT_EQ(program.editors.airIndex, 4);
  press(EditKey::Increase);
  EXPECT_EQ(program.setup.record.airTempCorrection[4], 1);
  EXPECT_EQ(port.writtenBytes(), (ByteList{'T', 5, 1}));
  EXPECT_EQ(sink.shown, (Messages{"Einspritzkorrekturkennlinie(ASLT) aktualisiert"}));
}

TEST_F(EditorFixture, MapStepsStayBelowTheKeyLimit) {
  edit(EditingMode::InjectionMap);
  cell() = 59990;
  press(EditKey::IncreaseShifted);
  EXPECT_EQ(cell(), 59990);
  EXPECT_TRUE(port.written.empty());
  EXPECT_TRUE(sink.shown.empty());
  cell() = 59989;
  press(EditKey::IncreaseShifted);
  EXPECT_EQ(cell(), 59999);
  EXPECT_EQ(port.writtenBytes(), (ByteList{'K', 1, 1, 0x5F, 0xEA}));  // 59999 = 0xEA5F
  EXPECT_EQ(port.written[1].atMs - port.written[0].atMs, 20);
  EXPECT_EQ(sink.shown, (Messages{"Einspritzkennfeld aktualisiert"}));

  cell() = 5;
  press(EditKey::DecreaseShifted);
  EXPECT_EQ(cell(), 5);  // 5 - 10 is ignored by the keys
  press(EditKey::Decrease);
  EXPECT_EQ(cell(), 4);
}

TEST_F(EditorFixture, X100MultipliesTheMapSteps) {
  edit(EditingMode::InjectionMap);
  program.editors.mapX100 = true;
  cell() = 1000;
  press(EditKey::IncreaseShifted);
  EXPECT_EQ(cell(), 2000);
  press(EditKey::Decrease);
  EXPECT_EQ(cell(), 1900);
}

TEST_F(EditorFixture, CurveRangesForIgnitionAndCorrections) {
  edit(EditingMode::Ignition);
  program.setup.record.ignitionCurve[0] = 45;
  press(EditKey::IncreaseShifted);
  EXPECT_EQ(program.setup.record.ignitionCurve[0], 45);
  press(EditKey::Increase);
  EXPECT_EQ(program.setup.record.ignitionCurve[0], 46);
  EXPECT_EQ(port.writtenBytes(), (ByteList{'Z', 1, 46}));
  EXPECT_EQ(sink.shown, (Messages{"Zündkennlinie aktualisiert"}));

  edit(EditingMode::EngineTemp);
  program.editors.engineIndex = 16;
  program.setup.record.engineTempCorrection[16] = 140;
  press(EditKey::IncreaseShifted);
  EXPECT_EQ(program.setup.record.engineTempCorrection[16], 150);
  press(EditKey::Increase);
  EXPECT_EQ(program.setup.record.engineTempCorrection[16], 150);
  EXPECT_EQ(sink.shown, (Messages{"Einspritzkorrekturkennlinie(MT) aktualisiert"}));
}

TEST_F(EditorFixture, DisconnectedChangesStayInTheRecordSilently) {
  program.link.unitIdentified = false;
  edit(EditingMode::InjectionMap);
  press(EditKey::Increase);
  EXPECT_EQ(cell(), 1);
  EXPECT_TRUE(port.written.empty());
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(EditorFixture, GroupShiftCoversTheRectangleUpToTheEditingPoint) {
  edit(EditingMode::InjectionMap);
  shiftMapGroup(program.editors, program.setup, link, true);  // "Start" not ticked: nothing
  EXPECT_TRUE(port.written.empty());
  program.editors.mapStart = true;
  shiftMapGroup(program.editors, program.setup, link, true);
  EXPECT_EQ(program.setup.record.mapCell(0, 0), 10);
  EXPECT_EQ(port.written.size(), 5u);
  EXPECT_EQ(sink.shown, (Messages{"Einspritzkennfeld aktualisiert (0:0)"}));

  port.written.clear();
  sink.shown.clear();
  program.editors.mapSpeed = 16;
  program.editors.mapThrottle = 8;
  program.setup.record.mapCell(3, 2) = 64995;
  program.setup.record.mapCell(16, 8) = 5;
  shiftMapGroup(program.editors, program.setup, link, true);
  EXPECT_EQ(sink.shown.size(), 153u);
  EXPECT_EQ(port.written.size(), 153u * 5);
  EXPECT_EQ(program.setup.record.mapCell(3, 2), 65000);
  EXPECT_EQ(sink.shown[1], "Einspritzkennfeld aktualisiert (0:1)");  // throttle inner
  EXPECT_EQ(sink.shown[9], "Einspritzkennfeld aktualisiert (1:0)");
  EXPECT_EQ(sink.shown.back(), "Einspritzkennfeld aktualisiert (16:8)");

  program.editors.mapX100 = false;
  shiftMapGroup(program.editors, program.setup, link, false);
  shiftMapGroup(program.editors, program.setup, link, false);
  EXPECT_EQ(program.setup.record.mapCell(16, 8), 0);  // 15 - 10 - 10 stops at 0
}

TEST_F(EditorFixture, GroupShiftOnlyWhileTheMapIsEdited) {
  program.editors.mapStart = true;
  edit(EditingMode::Ignition);
  shiftMapGroup(program.editors, program.setup, link, true);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(EditorFixture, TypedValueIsClampedAndSentWithItsIndexes) {
  edit(EditingMode::InjectionMap);
  program.editors.mapSpeed = 3;
  program.editors.mapThrottle = 5;
  cell() = 1234;
  requesters.textAnswers = {std::string("70000")};
  typeMapValue(program.editors, program.setup, link, requesters);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Einspritzwert [µs] für:");
  EXPECT_EQ(requesters.shown[0].text, "  Drehzahl: 3000   Drosselklappe: 63");
  EXPECT_EQ(cell(), 65000);
  EXPECT_EQ(port.writtenBytes(), (ByteList{'K', 4, 6, 0xE8, 0xFD}));
  EXPECT_EQ(sink.shown, (Messages{"Einspritzkennfeld aktualisiert (3:5)"}));
}

TEST_F(EditorFixture, TypedLettersStoreZeroButCancellingChangesNothing) {
  edit(EditingMode::InjectionMap);
  cell() = 1234;
  requesters.textAnswers = {std::nullopt};
  typeMapValue(program.editors, program.setup, link, requesters);
  EXPECT_EQ(cell(), 1234);
  EXPECT_TRUE(port.written.empty());
  requesters.textAnswers = {std::string("abc")};
  typeMapValue(program.editors, program.setup, link, requesters);
  EXPECT_EQ(cell(), 0);
  requesters.textAnswers = {std::string("")};
  cell() = 99;
  typeMapValue(program.editors, program.setup, link, requesters);
  EXPECT_EQ(cell(), 0);
  requesters.textAnswers = {std::string("-5")};
  typeMapValue(program.editors, program.setup, link, requesters);
  EXPECT_EQ(cell(), 0);
}

TEST_F(EditorFixture, NoPointWritesDuringAFirmwareTransfer) {
  program.link.firmwareTransferActive = true;
  edit(EditingMode::InjectionMap);
  press(EditKey::Increase);
  EXPECT_EQ(cell(), 1);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(EditorFixture, KeysClearTheOtherEditorsLabels) {
  program.editors.ignitionLabels = {"3000", "20", ""};
  edit(EditingMode::InjectionMap);
  program.editors.ignitionLabels = {"3000", "20", ""};
  press(EditKey::Right);
  EXPECT_TRUE(program.editors.ignitionLabels.first.empty());
}

}  // namespace
}  // namespace qx
