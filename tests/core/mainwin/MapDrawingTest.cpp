// The injection map drawing. The area is 450 x 375 with the origin at (120, 345); a speed
// index is 18 px, a throttle index 10 px left and 10 px up, and the value axis spans 240 px
// up to the ceiling. Expected positions below are worked out by hand from these numbers.

#include <gtest/gtest.h>

#include "core/app/Program.h"
#include "core/mainwin/DrawingQueries.h"
#include "core/mainwin/EditorDrawing.h"
#include "support/Fakes.h"

namespace qx {
namespace {

using test::countLines;
using test::linesOf;
using test::textAt;
namespace dc = drawingColours;

struct MapDrawingFixture : ::testing::Test {
  test::ManualClock clock;
  Program program{clock, "/tmp"};

  void fill(int value) {
    program.setup.record.injectionMap.fill(static_cast<std::uint16_t>(value));
  }
  void set(int r, int t, int value) {
    program.setup.record.mapCell(r, t) = static_cast<std::uint16_t>(value);
  }
  Drawing draw() { return drawEditor(program.editorSources(), EditorId::InjectionMap); }
};

constexpr int kGridLines = 16 * 9 + 17 * 8;  // along speed, along throttle

TEST_F(MapDrawingFixture, SmallValuesGetCeiling100WithTenValueLabels) {
  fill(0);
  set(8, 4, 99);
  EXPECT_EQ(mapCeiling(program.setup.record, false, 200), 100);
  const Drawing d = draw();
  EXPECT_EQ(d.width, 450);
  EXPECT_EQ(d.height, 375);

  // Labels at x = -40 - 80 from the origin, y = round(-80 - 2.4 v - 8).
  EXPECT_EQ(textAt(d, {0, 257}), "  0");
  EXPECT_EQ(textAt(d, {0, 137}), "  50");
  EXPECT_EQ(textAt(d, {0, 41}), "  90");
  int valueLabels = 0;
  for (const DrawText& t : test::texts(d))
    if (t.at.x == 0) ++valueLabels;
  EXPECT_EQ(valueLabels, 10);  // 0, 10, ..., 90; not 100
  EXPECT_EQ(textAt(d, {25, 5}), "µs");
  // The tick of 50 µs: (-80, -200) to (-85, -200).
  EXPECT_EQ(countLines(d, {40, 145}, {35, 145}, dc::kText), 1);
}

TEST_F(MapDrawingFixture, BoxAndAxesOfTheObliqueView) {
  fill(0);
  const Drawing d = draw();
  const Rgb k = dc::kText;
  EXPECT_EQ(countLines(d, {120, 345}, {408, 345}, k), 1);  // speed axis
  EXPECT_EQ(countLines(d, {120, 345}, {40, 265}, k), 1);   // throttle axis
  EXPECT_EQ(countLines(d, {40, 265}, {40, 25}, k), 1);     // value axis, back left
  EXPECT_EQ(countLines(d, {408, 345}, {408, 105}, k), 1);  // front right edge
  EXPECT_EQ(countLines(d, {328, 265}, {328, 25}, k), 1);   // back right edge
  EXPECT_EQ(countLines(d, {408, 345}, {328, 265}, k), 1);
  EXPECT_EQ(countLines(d, {40, 265}, {328, 265}, k), 1);

  EXPECT_EQ(textAt(d, {117, 355}), "0");
  EXPECT_EQ(textAt(d, {405, 355}), "16");
  EXPECT_EQ(textAt(d, {404, 355}), "kUmin");
  EXPECT_EQ(textAt(d, {85, 332}), "25");   // throttle index 2
  EXPECT_EQ(textAt(d, {45, 292}), "75");   // index 6
  EXPECT_EQ(textAt(d, {25, 272}), "100");  // index 8
  EXPECT_EQ(textAt(d, {40, 315}), "%");
  EXPECT_EQ(countLines(d, {80, 305}, {80, 310}, k), 1);  // throttle tick at index 4

  // An empty map: every grid line blue and flat.
  EXPECT_EQ(linesOf(d, dc::kGrid).size(), static_cast<std::size_t>(kGridLines));
  EXPECT_EQ(countLines(d, {120, 345}, {138, 345}, dc::kGrid), 1);
}

TEST_F(MapDrawingFixture, LongValueLabelsAreCutToTheirLastFiveCharacters) {
  fill(0);
  program.editors.boxes.mapKapp = true;
  program.settings.mapCeilingUs = 20000;  // a tick every 2000 µs, 0.012 px per µs
  const Drawing d = draw();
  EXPECT_EQ(textAt(d, {0, 257}), "  0");
  EXPECT_EQ(textAt(d, {0, 233}), " 2000");
  EXPECT_EQ(textAt(d, {0, 137}), "10000");
  EXPECT_EQ(textAt(d, {0, 41}), "18000");
}

TEST_F(MapDrawingFixture, KappLeavesOutLinesToPointsAboveTheCeiling) {
  fill(100);
  set(5, 3, 300);
  program.editors.boxes.mapKapp = true;
  program.settings.mapCeilingUs = 200;  // 1.2 px per µs
  Drawing d = draw();
  EXPECT_EQ(linesOf(d, dc::kGrid).size(), static_cast<std::size_t>(kGridLines - 4));
  // Point (5, 3) at 300 µs would be at x 90 - 30, y -30 - 360.
  EXPECT_FALSE(test::anyLineTouches(d, {180, -45}));
  // (4, 3) to (4, 4) is drawn: both at 100 µs.
  EXPECT_EQ(countLines(d, {162, 195}, {152, 185}, dc::kGrid), 1);

  // Without "kapp" the ceiling is 300 and the point is drawn with its four lines.
  program.editors.boxes.mapKapp = false;
  d = draw();
  EXPECT_EQ(linesOf(d, dc::kGrid).size(), static_cast<std::size_t>(kGridLines));
  EXPECT_EQ(countLines(d, {180, 75}, {198, 235}, dc::kGrid), 1);  // (5,3)-(6,3) at 0.8 px/µs
}

TEST_F(MapDrawingFixture, KappCeilingFromADamagedSettingsValueStaysInRange) {
  program.editors.boxes.mapKapp = true;
  EXPECT_EQ(mapCeiling(program.setup.record, true, 0), 200);
  EXPECT_EQ(mapCeiling(program.setup.record, true, 70000), 60000);
  program.settings.mapCeilingUs = 0;
  const Drawing d = draw();  // no division by zero, no endless tick loop
  int valueLabels = 0;
  for (const DrawText& t : test::texts(d))
    if (t.at.x == 0) ++valueLabels;
  EXPECT_EQ(valueLabels, 10);
  // Without "kapp" values above 60000 are cut off at 60000.
  set(0, 0, 65000);
  EXPECT_EQ(mapCeiling(program.setup.record, false, 200), 60000);
}

TEST_F(MapDrawingFixture, SpeedIndexZeroIsNeverOrange) {
  fill(60000);
  const Drawing d = draw();
  // Each point of speed index 0 has a line along throttle (8) and along speed (9).
  EXPECT_EQ(linesOf(d, dc::kGrid).size(), 17u);
  EXPECT_EQ(linesOf(d, dc::kOverTime).size(), static_cast<std::size_t>(kGridLines - 17));
}

TEST_F(MapDrawingFixture, PointsAboveTheAvailableTimeAreOrange) {
  // E is the longest switching time (700); at index 4: 600 * 85 / 4 - 700 = 12050 µs;
  // at index 7: round(7285.71 - 700) = 6586 µs.
  EXPECT_EQ(availableInjectionUs(4, 85, 700), 12050);
  EXPECT_EQ(availableInjectionUs(7, 85, 700), 6586);
  program.setup.record.injectorSwitchTime = {300, 700, 500};
  fill(0);
  set(4, 0, 12051);
  set(7, 0, 6586);  // exactly at the limit: still blue
  set(7, 1, 6587);
  Drawing d = draw();
  const std::vector<DrawLine> orange = linesOf(d, dc::kOverTime);
  ASSERT_EQ(orange.size(), 4u);  // (4,0) and (7,1): two lines each
  // (4, 0) at 12051 µs = the ceiling is 240 px high: from (192, 105) to (5, 0) at (210, 345).
  EXPECT_EQ(countLines(d, {192, 105}, {210, 345}, dc::kOverTime), 1);

  set(4, 0, 12050);
  d = draw();
  EXPECT_EQ(linesOf(d, dc::kOverTime).size(), 2u);

  // A smaller share makes more points too long: 50 % at index 7 leaves 3586 µs.
  program.settings.injectionWarnPercent = 50;
  d = draw();
  EXPECT_EQ(linesOf(d, dc::kOverTime).size(), 6u);
}

TEST_F(MapDrawingFixture, StartColoursTheGroupStrictlyBelowTheEditingPoint) {
  fill(0);
  program.editors.mapSpeed = 3;
  program.editors.mapThrottle = 2;
  EXPECT_TRUE(linesOf(draw(), dc::kGroup).empty());

  program.editors.mapStart = true;
  const Drawing d = draw();
  EXPECT_EQ(linesOf(d, dc::kGroup).size(), 12u);  // speed 0..2 x throttle 0..1, two lines each
  // (2, 1) is green; (3, 1) and (2, 2) are not.
  EXPECT_EQ(countLines(d, {146, 335}, {164, 335}, dc::kGroup), 1);
  EXPECT_EQ(countLines(d, {164, 335}, {182, 335}, dc::kGrid), 1);
  EXPECT_EQ(countLines(d, {136, 325}, {154, 325}, dc::kGrid), 1);
}

TEST_F(MapDrawingFixture, LivePointAtFullSpeedAndThrottleUsesTheLastCell) {
  fill(0);
  set(15, 7, 1000);
  set(16, 7, 2000);
  set(15, 8, 3000);
  set(16, 8, 4000);  // ceiling 4000: 0.06 px per µs
  program.editors.boxes.mapPos = true;
  program.vital.engineSpeedClamped = 16000;
  program.vital.throttlePercent = 100;
  const Drawing d = draw();

  // X = 288, Y = 80.
  EXPECT_EQ(countLines(d, {408, 345}, {328, 265}, dc::kLiveLine), 1);
  EXPECT_EQ(countLines(d, {40, 265}, {328, 265}, dc::kLiveLine), 1);
  // 1000 * .01 * .01 + 2000 * .99 * .01 + 3000 * .01 * .99 + 4000 * .99 * .99 = 3970 µs,
  // 238.2 px above the throttle line.
  EXPECT_EQ(countLines(d, {328, 265}, {328, 26.8}, dc::kLiveValue), 1);
  const auto c = test::circles(d);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_TRUE(test::near(c[0].centre, {328, 26.8}));
  EXPECT_EQ(c[0].radius, 2);
  EXPECT_TRUE(c[0].filled);
  EXPECT_EQ(c[0].colour, dc::kLiveValue);

  // Cell (15, 7): (15,7) at (320, 215), (16,7) at (338, 155), (15,8) at (310, 85),
  // (16,8) at (328, 25).
  EXPECT_EQ(linesOf(d, dc::kLiveCell).size(), 4u);
  EXPECT_EQ(countLines(d, {320, 215}, {310, 85}, dc::kLiveCell), 1);
  EXPECT_EQ(countLines(d, {320, 215}, {338, 155}, dc::kLiveCell), 1);
  EXPECT_EQ(countLines(d, {338, 155}, {328, 25}, dc::kLiveCell), 1);
  EXPECT_EQ(countLines(d, {310, 85}, {328, 25}, dc::kLiveCell), 1);
}

TEST_F(MapDrawingFixture, LivePointInsideACellInterpolates) {
  fill(0);
  set(5, 2, 1000);
  set(6, 2, 2000);  // ceiling 2000: 0.12 px per µs
  program.editors.boxes.mapPos = true;
  program.vital.engineSpeedClamped = 5500;
  program.vital.throttlePercent = 25;
  const Drawing d = draw();
  // X = 99, Y = 20; half way between 1000 and 2000 µs: 180 px above (79, -20).
  EXPECT_EQ(countLines(d, {199, 325}, {199, 145}, dc::kLiveValue), 1);
  // Red side (6,2)-(6,3): from (208, 85) to (198, 315).
  EXPECT_EQ(countLines(d, {208, 85}, {198, 315}, dc::kLiveCell), 1);
  // Without "pos" none of it.
  program.editors.boxes.mapPos = false;
  const Drawing off = draw();
  EXPECT_TRUE(linesOf(off, dc::kLiveLine).empty());
  EXPECT_TRUE(linesOf(off, dc::kLiveCell).empty());
}

TEST_F(MapDrawingFixture, KappLeavesOutTheLiveCellSidesAboveTheCeiling) {
  fill(100);
  set(1, 1, 500);
  program.editors.boxes.mapKapp = true;
  program.editors.boxes.mapPos = true;
  program.vital.engineSpeedClamped = 500;
  program.vital.throttlePercent = 5;
  const Drawing d = draw();
  // Cell (0, 0): its sides to (1, 1) lead above 200 µs; the two sides from (0, 0) remain.
  EXPECT_EQ(linesOf(d, dc::kLiveCell).size(), 2u);
}

TEST_F(MapDrawingFixture, ActiveMapFillsItsLabelsAndMarksTheEditingPoint) {
  fill(0);
  set(3, 1, 1234);  // ceiling 1234: the point is 240 px above its throttle line
  program.editors.mapSpeed = 3;
  program.editors.mapThrottle = 1;
  program.editors.airLabels = {"x", "y", ""};

  Drawing d = draw();
  EXPECT_TRUE(test::circles(d).empty());
  EXPECT_EQ(program.editors.mapLabels.first, "");

  program.editors.mode = EditingMode::InjectionMap;
  d = draw();
  EXPECT_EQ(program.editors.mapLabels.first, "3000");
  EXPECT_EQ(program.editors.mapLabels.second, "13");  // 12.5 rounded away from zero
  EXPECT_EQ(program.editors.mapLabels.third, "1234");
  EXPECT_EQ(program.editors.airLabels.first, "x");
  const auto c = test::circles(d);
  ASSERT_EQ(c.size(), 2u);
  for (const DrawCircle& circle : c) {
    EXPECT_TRUE(test::near(circle.centre, {164, 95}));
    EXPECT_FALSE(circle.filled);
    EXPECT_EQ(circle.colour, dc::kEditingPoint);
  }
  EXPECT_EQ(c[0].radius, 3);
  EXPECT_EQ(c[1].radius, 4);
}

}  // namespace
}  // namespace qx
