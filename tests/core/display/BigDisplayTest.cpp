#include "core/display/BigDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/app/ProgramSettings.h"
#include "core/link/VitalData.h"
#include "core/mainwin/DrawingQueries.h"
#include "core/setup/SetupRecord.h"

namespace qx {
namespace {

namespace bc = bigDisplayColours;
using test::textAt;

struct Scene {
  VitalData vital;
  ProgramSettings settings;
  SetupRecord setup;
  int sensorErrors = 0;
  BigDisplayState state;
  BigDisplaySources sources() const {
    return {vital, settings, setup, sensorErrors, {240, 240, 240}};
  }
  Drawing live() { return drawBigDisplayLive(state, sources()); }
  Drawing still() const { return drawBigDisplayStatic(staticInputsOf(settings, setup, {})); }
};

Rgb colourAt(const Drawing& d, DrawPoint at) {
  for (const DrawText& t : test::texts(d))
    if (test::near(t.at, at)) return t.colour;
  return {1, 2, 3};
}

int count(const Drawing& d, auto pred) {
  int n = 0;
  for (const DrawItem& item : d.items) n += std::visit(pred, item) ? 1 : 0;
  return n;
}

TEST(BigDisplay, WindowIsForcedToFourByThreeAndNeverBelowTheMinimum) {
  struct Case {
    int w, h, fw, fh;
    double scale;
  } cases[] = {{1000, 500, 664, 500, 500.0 / 480},
               {640, 600, 640, 480, 1.0},
               {1280, 960, 1280, 960, 2.0},
               {100, 50, 160, 120, 0.25}};
  for (const Case& c : cases) {
    const BigDisplayFit f = fitBigDisplay(c.w, c.h);
    EXPECT_EQ(f.width, c.fw) << c.w << "x" << c.h;
    EXPECT_EQ(f.height, c.fh) << c.w << "x" << c.h;
    EXPECT_DOUBLE_EQ(f.scale, c.scale) << c.w << "x" << c.h;
  }
}

TEST(BigDisplay, NeedleAngleRunsFromLowerLeftAndStopsAtTenPercentOverTheMaximum) {
  struct Case {
    int speed, max;
    double theta;
  } cases[] = {{0, 8000, 315},
               {4400, 8000, 180},
               {8800, 8000, 45},
               {20000, 8000, 45},
               {2200, 0, 180}};  // an impossible maximum counts as the smallest one, 4000
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(needleAngle(c.speed, c.max), c.theta) << c.speed;

  Scene s;
  s.vital.engineSpeed = s.vital.engineSpeedClamped = 8800;
  const Drawing d = s.live();
  EXPECT_EQ(
      test::countLines(d, {170, 140}, {170 + 67.175144212722, 140 + 67.175144212722}, bc::kRed), 1);
  EXPECT_EQ(colourAt(d, {532, 10}), bc::kRed);  // 8800 is above the maximum of 8000
}

TEST(BigDisplay, SpeedIsRoundedDownAndThePeakFollowsTheShownSpeedUntilClicked) {
  Scene s;
  s.settings.speedDisplayRounding = 100;
  s.vital.engineSpeed = s.vital.engineSpeedClamped = 7349;
  Drawing d = s.live();
  EXPECT_EQ(textAt(d, {532, 10}), "7300");
  EXPECT_EQ(colourAt(d, {532, 10}), bc::kText);
  EXPECT_EQ(textAt(d, {531, 60}), "7300");

  s.vital.engineSpeed = 2050;
  d = s.live();
  EXPECT_EQ(textAt(d, {532, 10}), "2000");
  EXPECT_EQ(textAt(d, {531, 60}), "7300");

  // Clicks at scale 2: pixel positions halved and rounded, the targets' edges inclusive.
  struct Click {
    double x, y;
    BigDisplayHit hit;
  } clicks[] = {{1000, 862, BigDisplayHit::None}, {1001, 861, BigDisplayHit::SensorErrors},
                {1119, 899, BigDisplayHit::None}, {1118, 898, BigDisplayHit::SensorErrors},
                {921, 131, BigDisplayHit::Peak},  {1059, 169, BigDisplayHit::None},
                {1058, 168, BigDisplayHit::Peak}};
  for (const Click& c : clicks) {
    s.sensorErrors = 17;
    s.state.peakSpeed = 7300;
    EXPECT_EQ(clickBigDisplay(s.state, s.sensorErrors, c.x, c.y, 2.0), c.hit) << c.x << "," << c.y;
    EXPECT_EQ(s.sensorErrors, c.hit == BigDisplayHit::SensorErrors ? 0 : 17);
    EXPECT_EQ(s.state.peakSpeed, c.hit == BigDisplayHit::Peak ? 0 : 7300);
  }
  d = s.live();  // the redraw after the click takes the current speed as the new peak
  EXPECT_EQ(textAt(d, {531, 60}), "2000");
}

TEST(BigDisplay, LambdaRatingTakesTheFirstMatchingRange) {
  const std::array<float, 4> t{800, 600, 400, 200};
  struct Case {
    double mv;
    const char* rating;
  } cases[] = {{0, "--"},    {199.6, "--"}, {200, "--"},  {201, "-"}, {400, "-"},
               {401, ""},    {600, ""},     {601, "+"},   {800, "+"}, {801, "++"},
               {1500, "++"}, {1501, "-?-"}, {1600, "-?-"}};
  for (const Case& c : cases) EXPECT_EQ(lambdaRating(c.mv, t), c.rating) << c.mv;

  Scene s;
  s.vital.lambdaMv = {1600, 450, 200};
  const Drawing d = s.live();
  EXPECT_EQ(textAt(d, {432, 200}), "-?-");
  EXPECT_EQ(textAt(d, {432, 230}), "");
  EXPECT_EQ(textAt(d, {432, 260}), "--");
  EXPECT_EQ(textAt(d, {530, 260}), "0.20");
}

TEST(BigDisplay, OnlySelectedProbesGetRowsRatingsAndBars) {
  auto gradients = [](const Drawing& d) {
    return count(d, [](const auto& i) {
      return std::is_same_v<std::decay_t<decltype(i)>, DrawGradientRect>;
    });
  };
  struct Case {
    std::array<bool, 3> shown;
    int bars;
  } cases[] = {{{false, false, false}, 3}, {{false, true, false}, 4}, {{true, true, true}, 6}};
  for (const Case& c : cases) {
    Scene s;
    s.settings.sliderDisplays = true;
    s.settings.bigDisplayLambda = c.shown;
    const Drawing still = s.still(), live = s.live();
    for (int k = 1; k <= 3; ++k) {
      const bool on = c.shown[static_cast<std::size_t>(k - 1)];
      const double y = 170 + 30 * k;
      EXPECT_EQ(textAt(still, {565, y + 13}) != "<none>", on) << k;
      EXPECT_EQ(textAt(still, {540, y + 13}) != "<none>", on) << k;
      EXPECT_EQ(textAt(live, {432, y}) != "<none>", on) << k;
      EXPECT_EQ(textAt(live, {530, y}) != "<none>", on) << k;
    }
    EXPECT_EQ(gradients(live), c.bars);
  }
  Scene off;  // no bars at all without "Schiebeanzeigen aktivieren"
  EXPECT_EQ(gradients(off.live()), 0);
}

TEST(BigDisplay, BarsCarryValueMarksOnlyInsideTheirRangeAndTheLearningWindow) {
  Scene s;
  s.settings.sliderDisplays = s.settings.showLearningLimits = true;
  s.vital.throttlePercent = 50;
  s.vital.engineTemp = -21;  // below the bar
  s.vital.airTemp = 60;      // 80 of 160
  s.vital.lambdaMv = {750, 1500, 0};
  s.setup.learnThrottleLow = 10;
  s.setup.learnThrottleHigh = 100;
  s.setup.learnMinEngineTemp = 80;
  const Drawing d = s.live();
  EXPECT_EQ(test::linesOf(d, bc::kPeak).size(), 4u);  // throttle, air, lambda 1 and 3
  EXPECT_EQ(test::countLines(d, {385, 105}, {385, 125}, bc::kPeak), 1);
  EXPECT_EQ(test::countLines(d, {385, 165}, {385, 185}, bc::kPeak), 1);
  EXPECT_EQ(test::countLines(d, {385, 205}, {385, 225}, bc::kPeak), 1);
  EXPECT_EQ(test::countLines(d, {353, 115}, {425, 115}, bc::kLearning), 1);
  EXPECT_EQ(test::countLines(d, {385, 145}, {425, 145}, bc::kLearning), 1);
  // The throttle gradient black -> grey(150) spans 340..430; the bar shows 345..425.
  const auto& g =
      std::get<DrawGradientRect>(*std::find_if(d.items.begin(), d.items.end(), [](auto& i) {
        return std::holds_alternative<DrawGradientRect>(i);
      }));
  EXPECT_EQ(g.topLeft, (DrawPoint{345, 110.5}));
  EXPECT_EQ(g.from, (Rgb{8, 8, 8}));
  EXPECT_EQ(g.to, (Rgb{142, 142, 142}));
}

TEST(BigDisplay, LampsFollowTheirFieldsInRowOrder) {
  Scene s;
  s.vital.limiterAngle = 2;  // only 1 counts for the limiter lamps
  s.vital.limiterIgnitionOff = 1;
  s.vital.output2 = 1;
  s.vital.input3 = 2;  // any non-zero input counts
  s.setup.learningActive = 1;
  s.vital.emergencyProgram = 1;
  const bool expected[] = {false, true, false, true, false, false, true, true, false, true};
  const auto lamps = test::circles(s.live());
  for (int i = 0; i < 10; ++i) {
    const auto it = std::find_if(lamps.begin(), lamps.end(), [&](const DrawCircle& c) {
      return c.filled && c.radius == 6 && test::near(c.centre, {300, 265.0 + 22 * i});
    });
    ASSERT_NE(it, lamps.end()) << i;
    EXPECT_EQ(it->colour, expected[i] ? bc::kLearning : bc::kLampOff) << i;
  }
}

TEST(BigDisplay, StaticLayerShowsTheSetupsSpeedsSuffixesAndScale) {
  struct Case {
    int o1, o2, in2, in3;
    const char *out1, *out2, *input2, *input3;
  } cases[] = {
      {0, 0, 0, 0, "Ausgang 1 ", "Ausgang 2 ", "Eingang 2 ", "Eingang 3 "},
      {1, 2, 1, 1, "Ausgang 1 (Umin > 5000)", "Ausgang 2 (3000 < Umin < 6000)",
       "Eingang 2 (Begrenzer AUS)", "Eingang 3 (Lern-Modus: EEPROM)"},
      {2, 3, 0, 2, "Ausgang 1 (5000 < Umin < 9000)", "Ausgang 2 (ORK lernt...)", "Eingang 2 ",
       "Eingang 3 "},
  };
  for (const Case& c : cases) {
    Scene s;
    s.setup.output1Mode = static_cast<std::uint8_t>(c.o1);
    s.setup.output2Mode = static_cast<std::uint8_t>(c.o2);
    s.setup.output1RpmOn = 50, s.setup.output1RpmOff = 90;
    s.setup.output2RpmOn = 30, s.setup.output2RpmOff = 60;
    s.setup.input2Function = static_cast<std::uint8_t>(c.in2);
    s.setup.input3Function = static_cast<std::uint8_t>(c.in3);
    const Drawing d = s.still();
    EXPECT_EQ(textAt(d, {15, 299}), c.out1);
    EXPECT_EQ(textAt(d, {15, 321}), c.out2);
    EXPECT_EQ(textAt(d, {15, 365}), c.input2);
    EXPECT_EQ(textAt(d, {15, 387}), c.input3);
  }

  Scene s;
  s.setup.retardRpm = 10;
  s.setup.ignitionCutRpm = 0;  // at 0 rpm the marker would sit on the scale's end: left out
  s.settings.showLearningLimits = true;
  s.setup.learnRpmLow = 20, s.setup.learnRpmHigh = 160;
  const Drawing d = s.still();
  EXPECT_EQ(textAt(d, {100, 255}), "(1000)");
  EXPECT_EQ(colourAt(d, {100, 255}), bc::kLimiter);
  EXPECT_EQ(textAt(d, {100, 277}), "(0)");
  int purple = 0, magenta = 0;
  for (const DrawCircle& c : test::circles(d)) {
    purple += c.colour == bc::kLimiter;
    magenta += c.colour == bc::kCut;
  }
  EXPECT_EQ(purple, 1);
  EXPECT_EQ(magenta, 0);
  // Ticks 0..8 with their labels; the label of 8 at 1.11 x the tick's outer end (theta 70).
  for (int i = 0; i <= 8; ++i)
    EXPECT_EQ(count(d,
                    [&](const auto& it) {
                      if constexpr (std::is_same_v<std::decay_t<decltype(it)>, DrawText>)
                        return it.text == std::to_string(i);
                      return false;
                    }),
              1)
        << i;
  EXPECT_EQ(textAt(d, {291.167057089, 177.557083091}), "8");
  // The learning arc: 2000 rpm at 135 + 61.25 degrees clockwise, 16000 rpm limited to 265.
  bool arc = false;
  for (const DrawItem& it : d.items)
    if (const auto* a = std::get_if<DrawArc>(&it); a && a->colour == bc::kLearning)
      arc = std::abs(a->startDeg + 196.25) < 1e-9 && std::abs(a->spanDeg + 203.75) < 1e-9;
  EXPECT_TRUE(arc);
}

TEST(BigDisplay, StaticLayerIsRebuiltOnlyWhenWhatItShowsChanged) {
  Scene s;
  const BigDisplaySources src = s.sources();
  EXPECT_TRUE(refreshBigDisplay(s.state, src));
  EXPECT_FALSE(refreshBigDisplay(s.state, src));
  EXPECT_TRUE(refreshBigDisplay(s.state, src, true));
  s.setup.retardRpm = 42;
  EXPECT_TRUE(refreshBigDisplay(s.state, src));
  EXPECT_EQ(textAt(s.state.staticLayer, {100, 255}), "(4200)");
  s.settings.comTimerMs = 50;  // not shown
  EXPECT_FALSE(refreshBigDisplay(s.state, src));
}

}  // namespace
}  // namespace qx
