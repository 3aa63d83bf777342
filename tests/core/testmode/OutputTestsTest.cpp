#include "core/testmode/OutputTests.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "core/testmode/TestCommands.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using Strings = std::vector<std::string>;

struct Case {
  const char* button;
  std::function<void(SerialLink&, const TestButton&)> run;
  Strings commands;  // in the order sent
  int countdownFrom;  // the button counts down from here
  int sleptMs;       // all sleeps together, the 20 ms pauses of "V" included
};

// "(n)" down to "(1)", then the button's own text again.
Strings countdown(int n, const std::string& text) {
  Strings s;
  for (int c = n; c >= 1; --c) s.push_back("(" + std::to_string(c) + ")");
  s.push_back(text);
  return s;
}

TEST(OutputTests, EveryButtonSendsItsCommandsAndCountsDownOnItself) {
  using L = SerialLink&;
  using B = const TestButton&;
  // clang-format off
  const std::vector<Case> cases{
      {"Benzinpumpe", [](L l, B b) { runFuelPumpTest(l, b); }, {"V 01 00 01", "V 01 00 00"}, 3, 3040},
      {"Ausgang 1", [](L l, B b) { runSwitchedOutputTest(l, 1, b); }, {"V 02 00 0a"}, 10, 10020},
      {"Ausgang 2", [](L l, B b) { runSwitchedOutputTest(l, 2, b); }, {"V 03 00 0a"}, 10, 10020},
      // 125 ms: 125 / 131 * 65536 = 62534.1 -> f4 46, fifteen times, 20 + 50 ms each.
      {"E-Ventil 3", [](L l, B b) { runInjectorTest(l, 3, 1, b); }, Strings(15, "V 09 f4 46"), 1, 1050},
      // Parameter 4 is 1 ms: 1 / 524 * 65536 = 125.07 -> 00 7d; twice 20 + 100 ms.
      {"Zündschalter 1", [](L l, B b) { runCoilTest(l, 1, 4, 2, b); }, {"V 04 00 7d", "V 04 00 7d"}, 2, 240},
      // Parameter 32 is 8 ms: 1000.5 -> 03 e8.
      {"Zündschalter 2", [](L l, B b) { runCoilTest(l, 2, 32, 1, b); }, {"V 05 03 e8"}, 1, 120},
      {"Drehz.-Ausg.", [](L l, B b) { runSpeedOutputTest(l, "2500", b); }, {"V 0a 09 c4"}, 10, 10020},
      // Speeds outside 500..16000 are limited before they go out.
      {"Drehz.-Ausg.", [](L l, B b) { runSpeedOutputTest(l, "20000", b); }, {"V 0a 3e 80"}, 10, 10020},
      {"Drehz.-Ausg.", [](L l, B b) { runSpeedOutputTest(l, "abc", b); }, {"V 0a 01 f4"}, 10, 10020},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button + std::string(" ") + c.commands.front());
    test::LinkHarness h;
    h.program.link.portOpen = true;  // "V" needs only the open port
    Strings faces;
    c.run(h.link, TestButton{c.button, [&](const std::string& t) { faces.push_back(t); }});
    EXPECT_EQ(test::writtenCommands(h.port), c.commands);
    EXPECT_EQ(faces, countdown(c.countdownFrom, c.button));
    EXPECT_EQ(std::accumulate(h.clock.sleeps.begin(), h.clock.sleeps.end(), 0), c.sleptMs);
  }
}

TEST(OutputTests, TenTimesOnInjector2Sends150OpeningsAndTakesAtLeast10Point5Seconds) {
  test::LinkHarness h;
  h.program.link.portOpen = true;
  Strings faces;
  runInjectorTest(h.link, 2, 10, {"E-Ventil 2", [&](const std::string& t) { faces.push_back(t); }});
  EXPECT_EQ(test::writtenCommands(h.port), Strings(150, "V 08 f4 46"));
  EXPECT_EQ(faces, countdown(10, "E-Ventil 2"));
  EXPECT_GE(h.clock.nowMs, 10500);
}

}  // namespace
}  // namespace qx
