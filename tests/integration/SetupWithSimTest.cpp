// Reading, editing, writing and storing the setup against the simulated unit.

#include <gtest/gtest.h>

#include "core/app/Program.h"
#include "core/link/Connection.h"
#include "core/link/SerialLink.h"
#include "core/link/SetupCompare.h"
#include "core/link/SetupTransfer.h"
#include "core/mainwin/MainWindowLogic.h"
#include "core/mainwin/MapEditor.h"
#include "core/ports/Clock.h"
#include "support/Fakes.h"
#include "support/PosixPort.h"
#include "support/SimLinkHarness.h"
#include "support/TempDir.h"

namespace qx {
namespace {

struct SetupSimFixture : ::testing::Test, test::SimLinkHarness<test::PosixPort> {
  SetupSimFixture() : SimLinkHarness({"--scenario", "idle"}) {}
  bool identify() { return identifyWithin(20, 50); }
  // The unit's working setup as it holds it now.
  SetupRecord unitSetup() {
    SetupRecord saved = program.setup.record;
    readSetupFromUnit(program.setup, link, requesters);
    SetupRecord unit = program.setup.record;
    program.setup.record = saved;
    return unit;
  }
};

TEST_F(SetupSimFixture, ACellChangedWithTheKeysReachesTheUnitAndSurvivesARestartOnceStored) {
  ASSERT_TRUE(identify());
  readSetupFromUnit(program.setup, link, requesters);
  EXPECT_EQ(sink.shown.back(), "Daten von ORK gelesen");
  EXPECT_EQ(program.setup.record.triggerWheelTeeth, 36);  // the simulated unit's 36-2 wheel
  const int before = program.setup.record.mapCell(5, 4);
  ASSERT_GT(before, 0);

  startEditing(program.editors, program.messages, EditingMode::InjectionMap);
  for (int k = 0; k < 5; ++k)
    editingKey(program.editors, program.setup, link, EditKey::Right);
  for (int k = 0; k < 4; ++k) editingKey(program.editors, program.setup, link, EditKey::Up);
  editingKey(program.editors, program.setup, link, EditKey::IncreaseShifted);
  editingKey(program.editors, program.setup, link, EditKey::Increase);
  EXPECT_EQ(program.setup.record.mapCell(5, 4), before + 11);
  EXPECT_EQ(sink.shown.back(), "Einspritzkennfeld aktualisiert");
  EXPECT_EQ(unitSetup().mapCell(5, 4), before + 11);

  storeSetupInEeprom(link);
  clock.sleepMs(50);
  sim.stop();
  sim.start();
  // A new terminal behind the link: open it again.
  program.com.checked = false;
  connectionStep(program.com, program.device, link, false, nullptr);
  program.com.checked = true;
  ASSERT_TRUE(identify());
  EXPECT_EQ(unitSetup().mapCell(5, 4), before + 11);
}

TEST_F(SetupSimFixture, WithoutStoringARestartBringsBackTheEepromSetup) {
  ASSERT_TRUE(identify());
  readSetupFromUnit(program.setup, link, requesters);
  const SetupRecord original = program.setup.record;
  program.setup.record.ignitionCurve[3] = 44;
  program.setup.record.cylinderOffset12 = 7;
  writeSetupToUnit(program.setup.record, link);
  EXPECT_EQ(sink.shown.back(), "Daten an ORK geschrieben");
  SetupRecord inUnit = unitSetup();
  EXPECT_EQ(inUnit.ignitionCurve[3], 44);
  EXPECT_EQ(inUnit.cylinderOffset12, 7);
  EXPECT_EQ(inUnit, program.setup.record);  // the whole record went over and came back

  link.send('N');  // restart: the working setup comes from the EEPROM again
  clock.sleepMs(50);
  EXPECT_EQ(unitSetup(), original);
}

TEST_F(SetupSimFixture, ThreeEditsTakenBackLeaveTheUnitAsItWasAndTheComparisonAgrees) {
  ASSERT_TRUE(identify());
  readSetupFromUnit(program.setup, link, requesters);
  const int before = program.setup.record.mapCell(2, 1);
  startEditing(program.editors, program.messages, EditingMode::InjectionMap);
  auto press = [&](EditKey k) { editingKey(program.editors, program.setup, link, k); };
  press(EditKey::Right), press(EditKey::Right), press(EditKey::Up);
  for (int k = 0; k < 3; ++k) press(EditKey::IncreaseShifted);
  ASSERT_EQ(readUnitSetup(program.setup.record, link)->mapCell(2, 1), before + 30);
  for (int k = 0; k < 3; ++k) press(EditKey::Undo);
  EXPECT_EQ(program.setup.record.mapCell(2, 1), before);
  EXPECT_EQ(readUnitSetup(program.setup.record, link)->mapCell(2, 1), before);
  compareSetupWithUnit(program.setup.record, link, requesters);
  EXPECT_EQ(requesters.shown.back().text, "Setup in ORK und Quarnelix gleich");
}

}  // namespace
}  // namespace qx
