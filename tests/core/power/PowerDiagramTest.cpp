#include "core/power/PowerDiagram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mainwin/DrawingQueries.h"
#include "core/setup/SetupRecord.h"

namespace qx {
namespace {

using test::textAt;

std::vector<DrawPolyline> polylines(const Drawing& d, Rgb colour) {
  std::vector<DrawPolyline> out;
  for (const DrawItem& item : d.items)
    if (const auto* p = std::get_if<DrawPolyline>(&item); p && p->colour == colour)
      out.push_back(*p);
  return out;
}

void setBin(PowerRun& run, int curve, int k, float rpm, float nm, float kw) {
  auto& c = run.curves[static_cast<std::size_t>(curve)];
  c[kBinSpeed][static_cast<std::size_t>(k)] = rpm;
  c[kBinTorque][static_cast<std::size_t>(k)] = nm;
  c[kBinPower][static_cast<std::size_t>(k)] = kw;
}

TEST(PowerDiagram, TheCursorInterpolatesBetweenBinsAndStaysOnTheSpeedAxis) {
  struct Case {
    int cursor;
    float lastBinSpeed;
    std::string speed, kw2, nm2;
  };
  // clang-format off
  const Case cases[] = {
    {4025, 16000, "4025", "21.0", "32.0"}, {4000, 16000, "4000", "20.0", "30.0"},
    {500, 16000, "500", "0.0", "0.0"},     {16000, 16000, "16000", "5.0", "6.0"},
    {20000, 16000, "16000", "5.0", "6.0"}, {-5, 16000, "0", "0.0", "0.0"},
    {19990, 20000, "19990", "5.0", "6.0"},  // a loaded curve beyond 16000: bins stop at 320
  };
  // clang-format on
  for (const Case& c : cases) {
    PowerRun run;
    setBin(run, 2, 80, 4000, 30, 20);
    setBin(run, 2, 81, 4050, 34, 22);
    setBin(run, 2, 320, c.lastBinSpeed, 6, 5);
    run.view.cursorRpm = c.cursor;
    ASSERT_TRUE(drawPowerDiagram(run, 500));
    EXPECT_EQ(run.view.cursorText + " " + run.view.kwText[2] + " " + run.view.nmText[2],
              c.speed + " " + c.kw2 + " " + c.nm2);
    EXPECT_EQ(run.view.kwText[1] + run.view.nmText[3], "0.00.0");  // nothing loaded there
  }
}

TEST(PowerDiagram, TheScaleComesFromBinsAboveTheMinimumSpeedAndLabelsBothMaxima) {
  PowerRun run;
  run.view.showPower = run.view.showTorque = run.view.rawValues = true;
  setBin(run, 1, 10, 500, 50, 99);  // at the minimum: neither drawn nor scaled
  setBin(run, 1, 11, 550, 38, 20);
  setBin(run, 1, 12, 600, 15, 42.3f);
  run.table[1] = {0, 0, 400, 0, 0, 70};  // a raw sample below it: drawn, not scaled
  const Drawing d = *drawPowerDiagram(run, 500);
  // The plot starts at (50, 40); the top tick carries both maxima.
  EXPECT_EQ(textAt(d, {43, 40}) + " " + textAt(d, {57, 40}) + " " + textAt(d, {43, 380}),
            "42.3 38.0 0.0");
  // Nothing below zero: the zero line carries no torque label and no second tick.
  EXPECT_EQ(textAt(d, {57, 380}), "<none>");
  const auto blue = polylines(d, powerColours::kCurve1);
  ASSERT_EQ(blue.size(), 2u);
  EXPECT_EQ(blue[1].style, LineStyle::Dash);
  ASSERT_EQ(blue[0].points.size(), 2u);
  EXPECT_TRUE(test::near(blue[0].points[0], {50 + 660.0 * 550 / 1000,
                                             40 + (double{42.3f} - 20) * 340 / double{42.3f}}));
  const auto raw = polylines(d, powerColours::kInk);
  ASSERT_EQ(raw.size(), 2u);
  EXPECT_TRUE(test::near(raw[0].points[0], {50, 380}));  // from the zero line at the axis
  EXPECT_EQ(raw[0].points.size(), 701u);
  run.view.display = DisplayOption::Speed;
  EXPECT_FALSE(drawPowerDiagram(run, 500));
}

TEST(SpeedDiagram, TrendReversalsAreRedExceptForTheFirstTwoRows) {
  PowerRun run;
  run.view.display = DisplayOption::Speed;
  const float speeds[] = {3000, 2500, 3500, 4000};
  for (std::size_t j = 1; j <= 4; ++j) run.table[j] = {0, 1000.0f * j, speeds[j - 1], 0, 0, 0};
  SetupRecord setup;
  setup.retardRpm = 110;  // the speed axis reaches 11000
  const Drawing d = *drawSpeedDiagram(run, setup);
  auto at = [&](std::size_t j) {
    return DrawPoint{50 + 675 * 1000.0 * j / 60000, 50 + 340 * (11000.0 - speeds[j - 1]) / 11000};
  };
  EXPECT_EQ(test::countLines(d, at(1), at(2), powerColours::kSpeedCurve), 1);
  EXPECT_EQ(test::countLines(d, at(2), at(3), powerColours::kSpeedReversal), 1);
  EXPECT_EQ(test::countLines(d, at(3), at(4), powerColours::kSpeedCurve), 1);
  run.view.display = DisplayOption::Measurement;
  EXPECT_FALSE(drawSpeedDiagram(run, setup));
}

TEST(PowerDiagram, WheelAndClickMoveTheCursor) {
  const struct {
    int notches;
    bool shift, ctrl;
    int moved;
  } cases[] = {{1, false, false, 1},
               {1, true, false, 10},
               {1, false, true, 100},
               {1, true, true, 109},
               {-2, true, false, -20}};
  for (const auto& c : cases) {
    PowerRun run;
    run.view.cursorRpm = 1000;
    moveCursorByWheel(run, c.notches, c.shift, c.ctrl);
    EXPECT_EQ(run.view.cursorRpm, 1000 + c.moved);
  }
  PowerRun run;  // empty: the speed axis ends at 1000 over 660 pixels
  setCursorByClick(run, 500, 50 + 330);
  EXPECT_EQ(run.view.cursorRpm, 500);
}

}  // namespace
}  // namespace qx
