#include "core/learning/LearningWindow.h"

#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace qx {
namespace {

// Texts in take-over order: temperature, increment, rate, speeds low/high, throttle
// low/high, lambda target.
using Texts = std::array<std::string, 8>;

TEST(LearningTakeOver, ClampsConvertsAndOrdersEveryField) {
  const std::pair<Texts, Texts> cases[] = {
      {{"-30", "1", "300", "12345", "20000", "10", "100", "0.4567"},
       {"-20", "5", "250", "12300", "16000", "10", "100", "0.456"}},
      {{"95", "600", "5", "9000", "3000", "80", "20", "2.0"},
       {"80", "500", "20", "3000", "9000", "20", "80", "1.500"}},
      {{"x", "x", "x", "x", "-5", "x", "x", "x"},  // no number reads as 0
       {"0", "5", "20", "0", "0", "0", "0", "0.000"}},
  };
  const auto fields = learningTextFields();
  ASSERT_EQ(fields.size(), 8u);
  for (const auto& [typed, shown] : cases) {
    SetupRecord record;
    LearningWindow window;
    takeOverLearningFields(record, window, [&](SetupField f) {
      return typed[static_cast<std::size_t>(std::find(fields.begin(), fields.end(), f) -
                                            fields.begin())];
    });
    EXPECT_EQ(window.limitsRevision, 1);
    for (std::size_t i = 0; i < 8; ++i)
      EXPECT_EQ(shownText(record, fields[i]), shown[i]) << typed[i];
    if (typed[0] == "-30") {
      EXPECT_EQ(record.lambdaTarget, 456);
    }
  }
}

TEST(LearningSwitch, SendsW8AtOnceOnlyWhileIdentifiedAndMasksTheProbes) {
  struct Case {
    bool identified, firmware, checked;
    std::vector<std::uint8_t> sent;
  };
  for (const Case& c : {Case{true, false, true, {'W', 8, 1}}, Case{true, false, false, {'W', 8, 0}},
                        Case{false, false, true, {}}, Case{true, true, true, {}}}) {
    test::LinkHarness h;
    h.program.link = {true, c.identified, LinkError::None, c.firmware};
    h.program.setup.record.learningActive = c.checked ? 0 : 1;
    EXPECT_EQ(switchLearning(h.program.setup.record, c.checked, h.link), !c.sent.empty());
    EXPECT_EQ(h.program.setup.record.learningActive, c.checked ? 1 : 0);
    EXPECT_EQ(h.port.writtenBytes(), c.sent);
    if (!c.sent.empty()) {
      EXPECT_EQ(h.port.written[1].atMs - h.port.written[0].atMs, 20);
    }
    EXPECT_EQ(learnedMapWanted(h.program.setup.record, LearningWindow{true, 0}), c.checked);
  }
  SetupRecord record;
  selectProbes(record, {true, false, true});
  EXPECT_EQ(record.learnLambdaInputs, 5);
}

}  // namespace
}  // namespace qx
