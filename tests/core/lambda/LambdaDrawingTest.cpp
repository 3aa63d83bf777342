// The lambda table and legend drawings, checked at points computed from the origin (15, 230).

#include "core/lambda/LambdaDrawing.h"

#include <gtest/gtest.h>

#include "core/app/ProgramSettings.h"
#include "core/lambda/LambdaRating.h"
#include "core/link/VitalData.h"
#include "core/mainwin/DrawingQueries.h"

namespace qx {
namespace {

using test::textAt;
constexpr Rgb kBack{128, 128, 128};
constexpr Rgb kVeryLean{2, 123, 255}, kGood{2, 255, 25}, kVeryRich{255, 113, 2};

// The filled box with this top-left corner and size drawn last (the one on top).
std::optional<Rgb> boxAt(const Drawing& d, double x, double y, double w, double h) {
  std::optional<Rgb> found;
  for (const DrawItem& item : d.items)
    if (const auto* r = std::get_if<DrawRect>(&item);
        r && r->filled && test::near(r->topLeft, {x, y}) && r->w == w && r->h == h)
      found = r->fill;
  return found;
}

struct LambdaDrawingTest : ::testing::Test {
  LambdaDrawingTest() {
    for (int k = 1; k <= 3; ++k) {
      table.at(1, 1, k) = 450;
      table.at(2, 1, k) = 100;
      table.at(17, 9, k) = 2500;
    }
    table.at(2, 1, 3) = 1300;
    vital.engineSpeedClamped = 1500;  // column 3
    vital.throttlePercent = 13;       // row 2
  }
  LambdaTable table;
  LambdaLoggerState state;
  ProgramSettings settings;
  VitalData vital;
};

TEST_F(LambdaDrawingTest, CellsLabelsAndTheFrameStandWhereTheOriginPutsThem) {
  const Drawing d = drawLambdaTable(state, table, vital, settings, true, kBack);
  EXPECT_EQ(d.width, 725);
  EXPECT_EQ(d.height, 280);
  EXPECT_EQ(boxAt(d, 81, 210, 30, 14), kGood);  // cell (1, 1): 0.45 V
  EXPECT_EQ(textAt(d, {81, 210}), "0.45");
  EXPECT_EQ(boxAt(d, 117, 210, 30, 14), kGood);  // (100 + 100 + 1300) / 3 = 500 mV
  EXPECT_EQ(textAt(d, {117, 210}), "0.50");
  EXPECT_EQ(boxAt(d, 657, 50, 30, 14), colours::kBlack);  // 2500 mV
  EXPECT_EQ(textAt(d, {25, 2}), "Drossel-");
  EXPECT_EQ(textAt(d, {35, 50}), "100");
  EXPECT_EQ(textAt(d, {35, 190}), " 12");
  EXPECT_EQ(textAt(d, {89, 230}), " 0");
  EXPECT_EQ(textAt(d, {665, 230}), "16");
  EXPECT_EQ(textAt(d, {600, 256}), "x1000 [Umin]");

  // Red while the InjectionMap is edited, black otherwise; a 2-pixel frame round the cell.
  EXPECT_EQ(state.framed.column, 3);
  EXPECT_EQ(state.framed.row, 2);
  EXPECT_EQ(boxAt(d, 149, 186, 38, 22), colours::kRed);
  EXPECT_EQ(boxAt(d, 151, 188, 34, 18), kBack);
  const Drawing idle = drawLambdaTable(state, table, vital, settings, false, kBack);
  EXPECT_EQ(boxAt(idle, 149, 186, 38, 22), colours::kBlack);
}

TEST_F(LambdaDrawingTest, SymbolsAndProbeChoiceChangeTheCells) {
  state.cellText = LambdaCellText::Symbols;
  state.probes = {true, true, false};
  Drawing d = drawLambdaTable(state, table, vital, settings, false, kBack);
  EXPECT_EQ(boxAt(d, 117, 210, 30, 14), kVeryLean);  // 100 mV without probe 3
  EXPECT_EQ(textAt(d, {127, 210}), "- -");
  EXPECT_EQ(textAt(d, {117, 210}), "<none>");

  // No probe ticked: every cell shows 0 in the very-lean colour.
  state.cellText = LambdaCellText::Volts;
  state.probes = {false, false, false};
  d = drawLambdaTable(state, table, vital, settings, false, kBack);
  EXPECT_EQ(boxAt(d, 657, 50, 30, 14), kVeryLean);
  EXPECT_EQ(textAt(d, {657, 50}), "0.00");

  settings.lambdaThresholdsMv = {100, 90, 80, 70};
  state.probes = {true, false, false};
  d = drawLambdaTable(state, table, vital, settings, false, kBack);
  EXPECT_EQ(boxAt(d, 81, 210, 30, 14), kVeryRich);  // the thresholds come from the settings
}

TEST(LambdaLegend, FiveBoxesFromVeryLeanAtTheBottomToVeryRichAtTheTop) {
  const Drawing d = lambdaLegendDrawing(kBack);
  EXPECT_EQ(d.width, 12);
  EXPECT_EQ(d.height, 70);
  const std::pair<double, Rgb> boxes[] = {
      {60, kVeryLean}, {45, {2, 249, 255}}, {30, kGood}, {15, {230, 255, 2}}, {0, kVeryRich}};
  for (const auto& [y, colour] : boxes) EXPECT_EQ(boxAt(d, 0, y, 10, 10), colour) << y;
}

}  // namespace
}  // namespace qx
