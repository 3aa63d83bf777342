#include "core/testmode/FlowTest.h"

#include <gtest/gtest.h>

#include "core/ports/EventPoll.h"
#include "core/testmode/OutputTests.h"
#include "core/testmode/TestCommands.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using Strings = std::vector<std::string>;

TestModeState withWeights(std::array<std::optional<int>, 3> longTenths,
                          std::array<std::optional<int>, 3> shortTenths) {
  TestModeState t;
  t.weightTenths = {longTenths, shortTenths};
  return t;
}

TEST(FlowTest, EvaluationGivesSwitchingTimeFlowAndCompensation) {
  struct Case {
    const char* what;
    std::array<std::optional<int>, 3> w1, w2;  // 0.1 g
    std::array<long long, 3> switching;
    std::array<double, 3> flow;
    std::array<long long, 3> compensation;
  };
  // Flow = (W1 - W2) / 500 / 9 ms * 1000 / 760 * 60000 = (W1 - W2) * 17.54386 ml/min.
  // clang-format off
  const std::vector<Case> cases{
      {"no dead time", {300, {}, {}}, {120, {}, {}}, {0, 0, 0}, {315.789, 0, 0}, {0, 0, 0}},
      {"1000 us dead time", {280, {}, {}}, {100, {}, {}}, {1000, 0, 0}, {315.789, 0, 0}, {0, 0, 0}},
      {"negative offset stored as 0", {300, {}, {}}, {130, {}, {}}, {0, 0, 0}, {298.246, 0, 0}, {0, 0, 0}},
      // Flows in the ratio 300 : 290 : 310; no short-test fuel: (15 - 9) ms switching time.
      {"three injectors", {30, 29, 31}, {0, 0, 0}, {6000, 6000, 6000}, {52.632, 50.877, 54.386}, {33, 69, 0}},
      {"equal, empty or a heavier short test", {200, {}, 100}, {200, {}, 150}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestModeState t = withWeights(c.w1, c.w2);
    evaluateFlowTests(t);
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_EQ(t.flow[k].switchingTimeUs, c.switching[k]) << k;
      EXPECT_NEAR(t.flow[k].flowMlMin, c.flow[k], 0.001) << k;
      EXPECT_EQ(t.flow[k].compensation, c.compensation[k]) << k;
    }
  }
}

// Esc once `pulses` pulses have gone out; nothing pending before.
struct EscAfter final : EventPoll {
  explicit EscAfter(int pulses) : pulses(pulses) {}
  PendingEvent takePending() override {
    if (polls++ == pulses) return PendingEvent::Escape;
    return polls % 7 == 0 ? PendingEvent::Other : PendingEvent::None;  // other events do not stop
  }
  int pulses;
  int polls = 0;
};

TEST(FlowTest, EscAfter100PulsesStopsWithTheAbortMessageAndThePumpOff) {
  test::LinkHarness h;
  h.connected();
  TestModeState t = withWeights({300, {}, {}}, {120, {}, {}});
  EscAfter esc(100);
  Strings faces;
  runFlowTest(t, h.link, h.requesters, esc, flowTestChannel(2), kLongPulseMs,
              {"Test", [&](const std::string& s) { faces.push_back(s); }});

  ASSERT_EQ(h.requesters.shown.size(), 2u);
  EXPECT_EQ(h.requesters.shown[0].title, "Achtung");
  EXPECT_EQ(h.requesters.shown[0].text,
            "Aus der Einspritzdüse wird Benzin austreten.\rEs besteht Entzündungsgefahr !\r\r"
            "Test-Abbruch mit Taste ESC");
  EXPECT_EQ(h.requesters.shown[1].text, "Test abgebrochen.\rErgebnis nicht verwendbar !");
  // Pump on, 100 times pump and a 15 ms pulse (15 / 131 * 65536 = 7504.1 -> 1d 50), pump off.
  Strings expected{"V 01 00 01"};
  for (int i = 0; i < 100; ++i) expected.insert(expected.end(), {"V 01 00 01", "V 08 1d 50"});
  expected.push_back("V 01 00 00");
  EXPECT_EQ(test::writtenCommands(h.port), expected);
  ASSERT_EQ(faces.size(), 102u);
  EXPECT_EQ(faces[0], "Start");
  EXPECT_EQ(faces[1], "500");
  EXPECT_EQ(faces[100], "401");  // the counter stood at 400 when Esc came
  EXPECT_EQ(faces[101], "Test");
  // 1 s of pump, then 40 ms of pauses and 10 ms per pulse.
  EXPECT_EQ(h.clock.nowMs, 1000 + 20 + 100 * 50 + 20);
  // Evaluated anyway; 315.8 ml/min shown -> 18.948 l/h, one decimal.
  EXPECT_EQ(t.flow[0].switchingTimeUs, 0);
  ASSERT_TRUE(t.fullLoadLitresPerHour);
  EXPECT_NEAR(*t.fullLoadLitresPerHour, 18.948, 1e-9);
}

TEST(FlowTest, AnUnidentifiedUnitIsRefusedAndNothingIsSent) {
  test::LinkHarness h;
  h.program.link.portOpen = true;
  TestModeState t;
  EscAfter never(-1);
  runFlowTest(t, h.link, h.requesters, never, flowTestChannel(1), kLongPulseMs, {"Test", {}});
  ASSERT_EQ(h.requesters.shown.size(), 1u);
  EXPECT_EQ(h.requesters.shown[0].text,
            "COM-Verbindung nicht etabliert.\rTest macht keinen Sinn...");
  EXPECT_TRUE(h.port.written.empty());
}

}  // namespace
}  // namespace qx
