// Undo and redo of the editors' point edits, and the comparison of the program's setup with
// the unit's.

#include <gtest/gtest.h>

#include "core/app/Program.h"
#include "core/link/SerialLink.h"
#include "core/link/SetupCompare.h"
#include "core/link/SetupTransfer.h"
#include "core/mainwin/MainWindowLogic.h"
#include "core/mainwin/MapEditor.h"
#include "core/setup/SetupImage.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;

struct UndoFixture : ::testing::Test, test::LinkHarness {
  void SetUp() override { connected(); }
  void edit(EditingMode m) { startEditing(program.editors, program.messages, m); }
  void press(EditKey k) { editingKey(program.editors, program.setup, link, k); }
  SetupRecord& setup() { return program.setup.record; }
  ByteList takeWritten() {
    ByteList b = port.writtenBytes();
    port.written.clear();
    return b;
  }
};

TEST_F(UndoFixture, AGroupShiftIsOneStepThatUndoAndRedoWriteWhole) {
  edit(EditingMode::InjectionMap);
  program.editors.mapStart = true;
  program.editors.mapSpeed = 1;
  program.editors.mapThrottle = 1;
  setup().mapCell(0, 0) = 5;  // goes down to 0, comes back as 5
  setup().mapCell(1, 1) = 300;
  shiftMapGroup(program.editors, program.setup, link, false);
  takeWritten();
  program.editors.mapSpeed = program.editors.mapThrottle = 0;  // the user moved on

  press(EditKey::Undo);
  EXPECT_EQ(takeWritten(),
            (ByteList{'K', 1, 1, 5, 0, 'K', 1, 2, 0, 0, 'K', 2, 1, 0, 0, 'K', 2, 2, 0x2C, 0x01}));
  EXPECT_EQ(sink.shown.back(), "Einspritzkennfeld aktualisiert (1:1)");
  EXPECT_EQ(program.editors.mapSpeed, 1);  // back at the step's editing point
  EXPECT_EQ(program.editors.mapThrottle, 1);
  press(EditKey::Redo);
  EXPECT_EQ(setup().mapCell(1, 1), 290);
  EXPECT_EQ(setup().mapCell(0, 0), 0);
  EXPECT_EQ(takeWritten().size(), 20u);

  press(EditKey::Undo);
  press(EditKey::Increase);  // a new edit: the undone group can no longer be redone
  takeWritten();
  press(EditKey::Redo);
  EXPECT_TRUE(port.written.empty());
  press(EditKey::Undo);
  press(EditKey::Undo);  // the history is empty now: nothing changes, nothing is sent
  takeWritten();
  press(EditKey::Undo);
  EXPECT_TRUE(port.written.empty());
  EXPECT_EQ(setup().mapCell(1, 1), 300);
}

TEST_F(UndoFixture, EachEditorHasItsOwnHistoryAndAWholeSetupEmptiesThem) {
  edit(EditingMode::Ignition);
  program.editors.ignitionIndex = 3;
  setup().ignitionCurve[3] = 20;
  press(EditKey::IncreaseShifted);
  edit(EditingMode::InjectionMap);
  press(EditKey::Undo);  // the map has no steps: the ignition step stays
  EXPECT_EQ(setup().ignitionCurve[3], 30);
  edit(EditingMode::Ignition);
  takeWritten();
  press(EditKey::Undo);
  EXPECT_EQ(takeWritten(), (ByteList{'Z', 4, 20}));

  press(EditKey::Redo);
  press(EditKey::Undo);
  // "->PC": the unit's whole setup comes in.
  const Bytes image = encodeSetupImage(SetupRecord{});
  port.onWrite = [&](std::uint8_t b) {
    if (b != 'L') return;
    ByteList reply{'l'};
    reply.insert(reply.end(), image.begin(), image.end());
    port.arrive(reply, 5);
  };
  readSetupFromUnit(program.setup, link, requesters);
  takeWritten();
  press(EditKey::Redo);
  press(EditKey::Undo);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(UndoFixture, TheComparisonListsExactlyWhatDiffers) {
  SetupRecord unit;
  unit.mapCell(2, 3) = 1500;
  unit.ignitionCurve[5] = 12;
  setup() = unit;
  setup().mapCell(2, 3) = 1510;  // edited while the unit was not connected
  setup().ignitionCurve[5] = 14;
  port.onWrite = [&](std::uint8_t b) {
    if (b != 'L') return;
    const Bytes image = encodeSetupImage(unit);
    ByteList reply{'l'};
    reply.insert(reply.end(), image.begin(), image.end());
    port.arrive(reply, 5);
  };
  compareSetupWithUnit(setup(), link, requesters);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Vergleich mit ORK");
  EXPECT_EQ(requesters.shown[0].text,
            "Unterschiede (Quarnelix -> ORK):\r\r"
            "Einspritzung 2000 Umin / 38 %: 1510 µs -> 1500 µs\r"
            "Zündung 5000 Umin: 14 °KW -> 12 °KW\r");
  EXPECT_EQ(sink.shown.back(), "Setup in ORK und Quarnelix verschieden (2)");
  EXPECT_EQ(setup().mapCell(2, 3), 1510);  // nothing of the program changed

  setup() = unit;
  compareSetupWithUnit(setup(), link, requesters);
  EXPECT_EQ(requesters.shown.back().text, "Setup in ORK und Quarnelix gleich");
}

}  // namespace
}  // namespace qx
