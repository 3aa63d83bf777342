#include "core/learning/LearningWindow.h"

#include <gtest/gtest.h>

#include <map>

#include "support/LinkHarness.h"

namespace qx {
namespace {

using F = SetupField;

TEST(LearningTakeOver, ClampsConvertsAndOrdersEveryField) {
  struct Case {
    std::map<F, std::string> typed, shown;
  };
  const Case cases[] = {
      {{{F::LearnMinEngineTemp, "-30"},
        {F::LearnIncrement, "1"},
        {F::LearnRate, "300"},
        {F::LearnRpmLow, "12345"},
        {F::LearnRpmHigh, "20000"},
        {F::LearnThrottleLow, "10"},
        {F::LearnThrottleHigh, "100"},
        {F::LambdaTarget, "0.4567"}},
       {{F::LearnMinEngineTemp, "-20"},
        {F::LearnIncrement, "5"},
        {F::LearnRate, "250"},
        {F::LearnRpmLow, "12300"},
        {F::LearnRpmHigh, "16000"},
        {F::LearnThrottleLow, "10"},
        {F::LearnThrottleHigh, "100"},
        {F::LambdaTarget, "0.456"}}},
      // Both pairs given the wrong way round; values beyond the other ends.
      {{{F::LearnMinEngineTemp, "95"},
        {F::LearnIncrement, "600"},
        {F::LearnRate, "5"},
        {F::LearnRpmLow, "9000"},
        {F::LearnRpmHigh, "3000"},
        {F::LearnThrottleLow, "80"},
        {F::LearnThrottleHigh, "20"},
        {F::LambdaTarget, "2.0"}},
       {{F::LearnMinEngineTemp, "80"},
        {F::LearnIncrement, "500"},
        {F::LearnRate, "20"},
        {F::LearnRpmLow, "3000"},
        {F::LearnRpmHigh, "9000"},
        {F::LearnThrottleLow, "20"},
        {F::LearnThrottleHigh, "80"},
        {F::LambdaTarget, "1.500"}}},
      // Text that is no number reads as 0 before clamping.
      {{{F::LearnMinEngineTemp, "x"},
        {F::LearnIncrement, "x"},
        {F::LearnRate, "x"},
        {F::LearnRpmLow, "x"},
        {F::LearnRpmHigh, "-5"},
        {F::LearnThrottleLow, "x"},
        {F::LearnThrottleHigh, "x"},
        {F::LambdaTarget, "x"}},
       {{F::LearnMinEngineTemp, "0"},
        {F::LearnIncrement, "5"},
        {F::LearnRate, "20"},
        {F::LearnRpmLow, "0"},
        {F::LearnRpmHigh, "0"},
        {F::LearnThrottleLow, "0"},
        {F::LearnThrottleHigh, "0"},
        {F::LambdaTarget, "0.000"}}},
  };
  for (const Case& c : cases) {
    SetupRecord record;
    LearningWindow window;
    takeOverLearningFields(record, window, [&](F f) { return c.typed.at(f); });
    EXPECT_EQ(window.limitsRevision, 1);
    ASSERT_EQ(learningTextFields().size(), c.shown.size());
    for (F f : learningTextFields())
      EXPECT_EQ(shownText(record, f), c.shown.at(f))
          << fieldInfo(f).name << " from " << c.typed.at(f);
  }
  SetupRecord record;
  LearningWindow window;
  takeOverLearningFields(record, window, [&](F f) { return cases[0].typed.at(f); });
  EXPECT_EQ(record.lambdaTarget, 456);
  EXPECT_EQ(record.learnRpmLow, 123);
  EXPECT_EQ(record.learnMinEngineTemp, 0);
}

TEST(LearningSwitch, SendsW8AtOnceOnlyWhileIdentified) {
  struct Case {
    bool identified, firmware, checked;
    std::vector<std::uint8_t> sent;
  };
  const Case cases[] = {{true, false, true, {'W', 8, 1}},
                        {true, false, false, {'W', 8, 0}},
                        {false, false, true, {}},
                        {true, true, true, {}}};
  for (const Case& c : cases) {
    test::LinkHarness h;
    h.program.link.portOpen = true;
    h.program.link.unitIdentified = c.identified;
    h.program.link.firmwareTransferActive = c.firmware;
    h.program.setup.learningActive = c.checked ? 0 : 1;
    EXPECT_EQ(switchLearning(h.program.setup, c.checked, h.link), !c.sent.empty());
    EXPECT_EQ(h.program.setup.learningActive, c.checked ? 1 : 0);
    EXPECT_EQ(h.port.writtenBytes(), c.sent);
    if (!c.sent.empty()) {
      // The pause lies between the letter and the value index.
      EXPECT_EQ(h.port.written[1].atMs - h.port.written[0].atMs, 20);
    }
  }
}

TEST(LearningProbes, MaskBoxesAndLiveMapRule) {
  SetupRecord record;
  selectProbes(record, {true, false, true});
  EXPECT_EQ(record.learnLambdaInputs, 5);
  record.learnLambdaInputs = 6;
  record.learningActive = 1;
  const LearningBoxes boxes = learningBoxes(record);
  EXPECT_TRUE(boxes.learningActive);
  EXPECT_EQ(boxes.probes, (std::array<bool, 3>{false, true, true}));

  LearningWindow window;
  EXPECT_FALSE(learnedMapWanted(record, window));
  window.liveMap = true;
  EXPECT_TRUE(learnedMapWanted(record, window));
  record.learningActive = 0;
  EXPECT_FALSE(learnedMapWanted(record, window));
}

}  // namespace
}  // namespace qx
