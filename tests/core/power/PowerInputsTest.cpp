#include "core/power/PowerInputs.h"

#include <gtest/gtest.h>

#include <string>

namespace qx {
namespace {

TEST(PowerInputs, TypedTextsAreReadRoundedClampedAndShownInTheirForm) {
  struct Case {
    PowerField field;
    std::string typed, shown;
  };
  using F = PowerField;
  // clang-format off
  const Case cases[] = {
    {F::Pressure, "650", "700"}, {F::DragCoefficient, "0.004", "0.01"}, {F::Temperature, "-30", "-25"},
    {F::Temperature, "21.9", "21"}, {F::Humidity, "abc", "0"}, {F::Weight, "3500", "3000"},
    {F::Ratio, "2.345", "2.35"}, {F::Ratio, "0", "0.01"}, {F::WheelCircumference, "180.7", "180"},
    {F::RollerCircumference, "0", "1"}, {F::Inertia, "15.04", "15.0"}, {F::Inertia, "250", "100.0"},
    {F::FrontalArea, "0.555", "0.56"},
  };
  // clang-format on
  for (const Case& c : cases) {
    PowerRun run;
    run.table[1][kRunSpeed] = 3000;
    run.table[2] = {0, 100, 3600, 0, 0, 0};
    confirmPowerInputs(run, [&](PowerField f) {
      return f == c.field ? c.typed : powerFieldText(PowerInputs{}, f);
    });
    EXPECT_EQ(powerFieldText(run.inputs, c.field), c.shown) << c.typed;
    EXPECT_GT(run.table[2][kRunTorque], 0.0f);  // confirmed inputs recalculate
  }
  std::string all;
  for (const PowerFieldInfo& f : powerFields()) all += powerFieldText(PowerInputs{}, f.id) + " ";
  EXPECT_EQ(all, "25 1013 50 1000 1.00 100 100 15.0 2.50 0.35 ");
}

TEST(PowerInputs, TheDescriptionIsCutCleanedAndNeverEmpty) {
  std::string umlauts;
  for (int i = 0; i < 200; ++i) umlauts += "ä";
  EXPECT_EQ(cleanDescription("Lauf 1, warm\r\n"), "Lauf 1 warm");
  EXPECT_EQ(cleanDescription(",\r\n"), "...");
  EXPECT_EQ(cleanDescription(umlauts + "ö"), umlauts);
}

TEST(PowerInputs, TheTwoCorrectionsExcludeEachOther) {
  PowerRun run;
  clickPowerOption(run, PowerOption::Ewg, true);
  clickPowerOption(run, PowerOption::Din, true);
  EXPECT_TRUE(run.inputs.din && !run.inputs.ewg);
  clickPowerOption(run, PowerOption::Ewg, true);
  EXPECT_TRUE(run.inputs.ewg && !run.inputs.din);
  clickPowerOption(run, PowerOption::Ewg, false);
  EXPECT_EQ(correctionText(run.inputs), "keine Korr.");
}

}  // namespace
}  // namespace qx
