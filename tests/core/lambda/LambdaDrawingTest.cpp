// The lambda table and legend drawings, checked at points computed from the origin (15, 230).

#include "core/lambda/LambdaDrawing.h"

#include <gtest/gtest.h>

#include "core/app/ProgramSettings.h"
#include "core/link/VitalData.h"
#include "core/mainwin/DrawingQueries.h"

namespace qx {
namespace {

using test::textAt;
constexpr Rgb kBack{128, 128, 128}, kVeryLean{2, 123, 255}, kGood{2, 255, 25};

// The colour of the topmost filled box with this corner and size.
std::optional<Rgb> boxAt(const Drawing& d, double x, double y, double w, double h) {
  std::optional<Rgb> found;
  for (const DrawItem& item : d.items)
    if (const auto* r = std::get_if<DrawRect>(&item);
        r && r->filled && test::near(r->topLeft, {x, y}) && r->w == w && r->h == h)
      found = r->fill;
  return found;
}

TEST(LambdaDrawing, CellsLabelsAndTheFrameStandWhereTheOriginPutsThem) {
  LambdaTable table;
  LambdaLoggerState state;
  ProgramSettings settings;
  VitalData vital;
  for (int k = 1; k <= 3; ++k) table.at(1, 1, k) = 450, table.at(17, 9, k) = 2500;
  table.at(2, 1, 1) = table.at(2, 1, 2) = 100, table.at(2, 1, 3) = 1300;
  vital.engineSpeedClamped = 1500, vital.throttlePercent = 13;  // column 3, row 2

  Drawing d = drawLambdaTable(state, table, vital, settings, true, kBack);
  EXPECT_EQ(boxAt(d, 81, 210, 30, 14), kGood);  // cell (1, 1)
  EXPECT_EQ(textAt(d, {81, 210}), "0.45");
  EXPECT_EQ(textAt(d, {117, 210}), "0.50");               // (100 + 100 + 1300) / 3
  EXPECT_EQ(boxAt(d, 657, 50, 30, 14), colours::kBlack);  // cell (17, 9): 2500 mV
  EXPECT_EQ(textAt(d, {35, 50}), "100");
  EXPECT_EQ(textAt(d, {665, 230}), "16");
  // A 2-pixel frame round the live cell, red while the InjectionMap is edited.
  EXPECT_EQ(boxAt(d, 149, 186, 38, 22), colours::kRed);
  EXPECT_EQ(boxAt(d, 151, 188, 34, 18), kBack);
  EXPECT_EQ(boxAt(drawLambdaTable(state, table, vital, settings, false, kBack), 149, 186, 38, 22),
            colours::kBlack);

  state.cellText = LambdaCellText::Symbols;
  state.probes = {true, true, false};
  d = drawLambdaTable(state, table, vital, settings, false, kBack);
  EXPECT_EQ(boxAt(d, 117, 210, 30, 14), kVeryLean);  // 100 mV without probe 3
  EXPECT_EQ(textAt(d, {127, 210}), "- -");
  // No probe ticked: every cell is 0 in the very-lean colour.
  state.cellText = LambdaCellText::Volts;
  state.probes = {false, false, false};
  d = drawLambdaTable(state, table, vital, settings, false, kBack);
  EXPECT_EQ(boxAt(d, 657, 50, 30, 14), kVeryLean);
  EXPECT_EQ(textAt(d, {657, 50}), "0.00");
}

}  // namespace
}  // namespace qx
