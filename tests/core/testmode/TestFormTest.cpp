#include "core/testmode/TestForm.h"

#include <gtest/gtest.h>

#include "core/testmode/SensorCheck.h"
#include "core/testmode/TestCommands.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using F = TestField;
using Strings = std::vector<std::string>;

struct Window {
  test::LinkHarness h;
  SensorCheck sensor;
  TestModeState test;
  TestWindowValues values{h.program.setup.record, sensor, test, h.program.settings};

  // Return with `typed` in one field and the other fields as they are shown.
  void enter(F field, const std::string& typed) {
    takeOverTestFields(values, h.link,
                       [&](F f) { return f == field ? typed : testFieldText(values, f); });
  }
};

TEST(TestForm, TypedTextsAreReadScaledClampedAndShownAgain) {
  struct Case {
    F field;
    const char* typed;
    const char* shown;
  };
  const std::vector<Case> cases{
      {F::CoilChargeTime, "1000", "1000"}, {F::CoilChargeTime, "1100", "1000"},
      {F::CoilChargeTime, "100", "250"},   {F::CoilChargeTime, "9000", "8000"},
      {F::CoilChargeTime, "abc", "250"},   {F::WeightLong1, "12.34", "12.3"},
      {F::WeightShort2, "-5", "0.0"},      {F::WeightLong3, "600", "500.0"},
      {F::WeightShort3, "0.05", "0.1"},    {F::ConstantAngle, "-60", "-50"},
      {F::ConstantAngle, "12.7", "12"},    {F::SpeedOutput, "100", "500"},
      {F::SpeedOutput, "20000", "16000"},  {F::InjectorFlow, "5", "10"},
      {F::InjectorMaxRpm, "99", "100"},    {F::CylinderVolume, "x", "10"},
      {F::DeliveryRatio, "400", "300"},    {F::MaxUsage, "0", "1"},
      {F::CoilMaxRpm, "17000", "16000"},   {F::SupplyVoltage, "30", "24.0"},
      {F::SupplyVoltage, "0.5", "1.0"},    {F::Resistance, "3.46", "3.5"},
      {F::Inductance, "0", "0.1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(testFieldInfo(c.field).label) + " " + c.typed);
    Window w;
    w.enter(c.field, c.typed);
    EXPECT_EQ(testFieldText(w.values, c.field), c.shown);
  }
  Window w;
  w.enter(F::WeightLong1, "12.34");
  resetFlowWeights(w.test);
  EXPECT_EQ(testFieldText(w.values, F::WeightLong1), "");
}

TEST(TestForm, EveryTakeOverSwitchesTheUnitToTheConstantAngle) {
  Window w;
  w.h.connected();
  w.enter(F::ConstantAngle, "-12");
  w.enter(F::SpeedOutput, "900");
  EXPECT_EQ(test::writtenCommands(w.h.port), (Strings{"W 07 26", "W 07 26"}));
  EXPECT_EQ(w.sensor.testIgnitionRaw, 38);
  EXPECT_FALSE(w.sensor.testConstant);  // the option follows the next live sample
}

TEST(TestForm, IgnitionOptionsAndRestartSendOnlyWhenTheyChangeSomething) {
  struct Case {
    const char* what;
    bool identified;
    int rawBefore;
    void (*click)(SensorCheck&, SerialLink&);
    Strings sent;
    int rawAfter;
  };
  const std::vector<Case> cases{
      {"curve from constant", true, 60, chooseCurveIgnition, {"W 07 ff"}, 255},
      {"curve on the curve", true, 255, chooseCurveIgnition, {}, 255},
      {"constant from curve", true, 255, chooseConstantIgnition, {"W 07 3c"}, 60},
      {"no unit", false, 60, chooseCurveIgnition, {}, 60},
      {"restart", true, 255, [](SensorCheck&, SerialLink& l) { restartUnit(l); }, {"N"}, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Window w;
    w.h.program.link.portOpen = true;
    w.h.program.link.unitIdentified = c.identified;
    w.sensor.testIgnitionRaw = c.rawBefore;
    w.sensor.testConstantAngle = 10;
    c.click(w.sensor, w.h.link);
    EXPECT_EQ(test::writtenCommands(w.h.port), c.sent);
    EXPECT_EQ(w.sensor.testIgnitionRaw, c.rawAfter);
  }
}

TEST(TestForm, SensorPositionMovesWithinItsLimitsAndIsSentAlsoAtThem) {
  struct Case {
    int before, step;
    bool connected;
    int after;
    Strings sent;
  };
  const std::vector<Case> cases{{100, 1, true, 101, {"W 06 65"}},
                                {180, 1, true, 180, {"W 06 b4"}},
                                {10, -1, true, 10, {"W 06 0a"}},
                                {11, -1, true, 10, {"W 06 0a"}},
                                {50, 1, false, 51, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    test::LinkHarness h;
    if (c.connected) h.connected();
    h.program.setup.record.sensorAngle = static_cast<std::uint8_t>(c.before);
    moveSensorPosition(h.program.setup.record, h.link, c.step);
    EXPECT_EQ(sensorPositionText(h.program.setup.record), std::to_string(c.after));
    EXPECT_EQ(test::writtenCommands(h.port), c.sent);
  }
}

TEST(TestForm, CalculatorsAtTheDefaults) {
  Window w;
  recomputeTestResults(w.test, w.h.program.settings);
  const TestResultTexts t = testResultTexts(w.test);
  // 148.8 g/min -> 149; 250 * 0.7 / 11.370243 / 1000 g / 149 * 60e6 / 0.85 = 7291.46.
  EXPECT_EQ((Strings{t.fuelFlow, t.requiredOpening, t.availableOpening}),
            (Strings{"149", "7291", "7500"}));
  // 12.5 * 2 / 3.5 * 1000 = 7142.86; 12 / 3.5 * (1 - e^-2) = 2.9646; 7500 - 1000.
  EXPECT_EQ((Strings{t.chargeTime, t.maxChargeCurrent, t.availableChargeTime}),
            (Strings{"7143", "2.96", "6500"}));
  EXPECT_EQ(t.fullLoad, "");
}

TEST(TestForm, ResultsGoIntoTheSetupSaturated) {
  test::LinkHarness h;
  TestModeState t;
  t.flow = {FlowResult{6000, 1, 40000}, FlowResult{250, 1, -40000}, FlowResult{0, 1, 33}};
  takeOverFlowResults(h.program.setup.record, t);
  EXPECT_EQ(h.program.setup.record.injectorSwitchTime, (PerCylinder<std::int16_t>{4000, 250, 0}));
  EXPECT_EQ(h.program.setup.record.injectorBalance, (PerCylinder<std::int16_t>{32767, -32768, 33}));
}

}  // namespace
}  // namespace qx
