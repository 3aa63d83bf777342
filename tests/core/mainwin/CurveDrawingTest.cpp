// The curve drawings and the redrawing of the editors. A curve area is 310 x 115 with the
// origin at (30, 90) and 15 px per index; the corrections rise 0.45 px per unit, the
// ignition curve 1.5 px per degree. Expected positions are worked out by hand.

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

struct CurveDrawingFixture : ::testing::Test {
  test::ManualClock clock;
  Program program{clock, "/tmp"};
  Drawing draw(EditorId id) { return drawEditor(program.editorSources(), id); }
};

TEST_F(CurveDrawingFixture, CorrectionAxesShowTemperaturesAndPercent) {
  const Drawing d = draw(EditorId::AirTemp);
  EXPECT_EQ(d.width, 310);
  EXPECT_EQ(d.height, 115);
  EXPECT_EQ(countLines(d, {30, 90}, {270, 90}, dc::kText), 1);
  EXPECT_EQ(countLines(d, {30, 90}, {30, 22}, dc::kText), 1);  // round(-67.5) = -68
  EXPECT_EQ(countLines(d, {30, 67}, {25, 67}, dc::kText), 1);  // value 50: round(-22.5)
  EXPECT_EQ(countLines(d, {45, 90}, {45, 95}, dc::kText), 1);  // tick of index 1

  EXPECT_EQ(textAt(d, {27, 100}), "-20");
  EXPECT_EQ(textAt(d, {57, 100}), "0");
  EXPECT_EQ(textAt(d, {267, 100}), "140");
  EXPECT_EQ(textAt(d, {42, 100}), "<none>");  // odd indexes have no label
  EXPECT_EQ(textAt(d, {290, 100}), "°C");
  EXPECT_EQ(textAt(d, {0, 82}), " 85");
  EXPECT_EQ(textAt(d, {0, 59}), "135");
  EXPECT_EQ(textAt(d, {0, 37}), "185");
  EXPECT_EQ(textAt(d, {0, 14}), "235");
  EXPECT_EQ(textAt(d, {15, 0}), "%");
  EXPECT_EQ(test::texts(d).size(), 9u + 1 + 4 + 1);
}

TEST_F(CurveDrawingFixture, IgnitionAxesShowSpeedAndDegrees) {
  const Drawing d = draw(EditorId::Ignition);
  EXPECT_EQ(countLines(d, {30, 90}, {30, 15}, dc::kText), 1);
  EXPECT_EQ(textAt(d, {27, 100}), "0");
  EXPECT_EQ(textAt(d, {132, 100}), "7");
  EXPECT_EQ(textAt(d, {267, 100}), "16");
  EXPECT_EQ(textAt(d, {268, 100}), "kUmin");
  EXPECT_EQ(textAt(d, {5, 82}), "  0");
  EXPECT_EQ(textAt(d, {5, 59}), " 15");
  EXPECT_EQ(textAt(d, {5, 37}), " 30");
  EXPECT_EQ(textAt(d, {5, 14}), " 45");
  EXPECT_EQ(textAt(d, {15, 0}), "°KW");
}

TEST_F(CurveDrawingFixture, CurveJoinsNeighbouringPoints) {
  program.setup.record.ignitionCurve.fill(20);
  const Drawing ignition = draw(EditorId::Ignition);
  EXPECT_EQ(linesOf(ignition, dc::kGrid).size(), 16u);
  EXPECT_EQ(countLines(ignition, {30, 60}, {45, 60}, dc::kGrid), 1);

  program.setup.record.engineTempCorrection[4] = 100;  // 45 px up
  const Drawing engine = draw(EditorId::EngineTemp);
  EXPECT_EQ(countLines(engine, {75, 90}, {90, 45}, dc::kGrid), 1);
  EXPECT_EQ(countLines(engine, {90, 45}, {105, 90}, dc::kGrid), 1);
}

TEST_F(CurveDrawingFixture, TemperatureLineOnlyInsideTheCurveRange) {
  program.editors.boxes.airPos = true;
  for (double t : {-20.0, 140.0, -30.0, 150.0}) {
    program.vital.airTemp = t;
    EXPECT_TRUE(linesOf(draw(EditorId::AirTemp), dc::kLiveLine).empty()) << t;
  }
  program.vital.airTemp = -19.5;
  EXPECT_EQ(countLines(draw(EditorId::AirTemp), {30.75, 90}, {30.75, 22}, dc::kLiveLine), 1);
  program.vital.airTemp = 139;
  EXPECT_EQ(countLines(draw(EditorId::AirTemp), {268.5, 90}, {268.5, 22}, dc::kLiveLine), 1);

  // The engine curve follows the engine temperature, and only with its own box.
  program.vital.engineTemp = 20;
  EXPECT_TRUE(linesOf(draw(EditorId::EngineTemp), dc::kLiveLine).empty());
  program.editors.boxes.enginePos = true;
  EXPECT_EQ(countLines(draw(EditorId::EngineTemp), {90, 90}, {90, 22}, dc::kLiveLine), 1);
}

TEST_F(CurveDrawingFixture, IgnitionLineUpTo16000) {
  program.editors.boxes.ignitionPos = true;
  program.vital.engineSpeedClamped = 16000;
  EXPECT_EQ(countLines(draw(EditorId::Ignition), {270, 90}, {270, 22}, dc::kLiveLine), 1);
  program.vital.engineSpeedClamped = 2500;
  EXPECT_EQ(countLines(draw(EditorId::Ignition), {67.5, 90}, {67.5, 22}, dc::kLiveLine), 1);
  program.vital.engineSpeedClamped = 16001;
  EXPECT_TRUE(linesOf(draw(EditorId::Ignition), dc::kLiveLine).empty());
}

TEST_F(CurveDrawingFixture, ActiveCurveFillsItsLabelsAndMarksTheEditingPoint) {
  program.setup.record.airTempCorrection[0] = 15;
  program.setup.record.engineTempCorrection[16] = 150;
  program.setup.record.ignitionCurve[7] = 35;
  program.editors.engineIndex = 16;
  program.editors.ignitionIndex = 7;
  program.editors.mapLabels = {"m", "n", "o"};

  program.editors.mode = EditingMode::AirTemp;
  EXPECT_EQ(test::circles(draw(EditorId::AirTemp)).size(), 2u);
  EXPECT_EQ(program.editors.airLabels.first, "-20");
  EXPECT_EQ(program.editors.airLabels.second, "100");

  program.editors.mode = EditingMode::EngineTemp;
  draw(EditorId::EngineTemp);
  EXPECT_EQ(program.editors.engineLabels.first, "140");
  EXPECT_EQ(program.editors.engineLabels.second, "235");

  program.editors.mode = EditingMode::Ignition;
  EXPECT_TRUE(test::circles(draw(EditorId::AirTemp)).empty());  // not the active one
  const Drawing d = draw(EditorId::Ignition);
  EXPECT_EQ(program.editors.ignitionLabels.first, "7000");
  EXPECT_EQ(program.editors.ignitionLabels.second, "35");
  const auto c = test::circles(d);
  ASSERT_EQ(c.size(), 2u);
  // x = 7 * 15, y = round(-52.5) = -53.
  EXPECT_TRUE(test::near(c[0].centre, {135, 37}));
  EXPECT_TRUE(test::near(c[1].centre, {135, 37}));
  EXPECT_EQ(c[0].radius, 3);
  EXPECT_EQ(c[1].radius, 4);
  EXPECT_FALSE(c[0].filled || c[1].filled);
  EXPECT_EQ(c[0].colour, dc::kEditingPoint);
  EXPECT_EQ(program.editors.mapLabels.first, "m");
}

TEST(DrawingBackground, PlainWhiteOrBlackWindowsUseTheButtonFace) {
  const Rgb face{212, 208, 200};
  EXPECT_EQ(chooseDrawingBackground({255, 255, 255}, face), face);
  EXPECT_EQ(chooseDrawingBackground({0, 0, 0}, face), face);
  EXPECT_EQ(chooseDrawingBackground({255, 255, 254}, face), (Rgb{255, 255, 254}));
  EXPECT_EQ(chooseDrawingBackground({30, 30, 30}, face), (Rgb{30, 30, 30}));
}

TEST_F(CurveDrawingFixture, RedrawCatchesChangesMadeBehindTheEditors) {
  EditorDrawings drawings;
  program.editors.drawingBackground = {1, 2, 3};
  // The first call draws everything.
  RedrawSet drawn = redrawEditors(program.editorSources(), {}, drawings);
  EXPECT_TRUE(drawn.injectionMap && drawn.airTemp && drawn.engineTemp && drawn.ignition);
  EXPECT_EQ(drawings.airTemp.background, (Rgb{1, 2, 3}));
  EXPECT_EQ(drawings.injectionMap.width, 450);

  drawn = redrawEditors(program.editorSources(), {}, drawings);
  EXPECT_FALSE(drawn.any());
  drawn = redrawEditors(program.editorSources(), RedrawSet{false, true, false, false}, drawings);
  EXPECT_TRUE(drawn.airTemp);
  EXPECT_FALSE(drawn.injectionMap || drawn.engineTemp || drawn.ignition);

  // The learned map changed the map: the map alone, once.
  program.editors.mapChanged = true;
  drawn = redrawEditors(program.editorSources(), {}, drawings);
  EXPECT_TRUE(drawn.injectionMap);
  EXPECT_FALSE(drawn.airTemp);
  EXPECT_FALSE(program.editors.mapChanged);

  // A setup came in: all four.
  program.setup.record.ignitionCurve.fill(10);
  program.showSetup();
  drawn = redrawEditors(program.editorSources(), {}, drawings);
  EXPECT_TRUE(drawn.injectionMap && drawn.airTemp && drawn.engineTemp && drawn.ignition);
  EXPECT_EQ(countLines(drawings.ignition, {30, 75}, {45, 75}, dc::kGrid), 1);
}

}  // namespace
}  // namespace qx
