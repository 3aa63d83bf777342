#pragma once
// The program's link to the simulated unit on a real pseudo terminal, through a given port
// type: what the integration tests and the Qt port tests share. Needs ORK_SIM_PATH.

#include <string>
#include <utility>
#include <vector>

#include "core/app/Program.h"
#include "core/link/Connection.h"
#include "core/link/SerialLink.h"
#include "core/ports/Clock.h"
#include "support/Fakes.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace qx::test {

template <typename Port>
struct SimLinkHarness {
  // Starts ork-sim with the given options and ticks "COM" on its link.
  explicit SimLinkHarness(std::vector<std::string> simArgs)
      : sim(ORK_SIM_PATH, dir.path(), std::move(simArgs)) {
    program.messages.setSink(&sink);
    program.com.ports = {sim.link()};
    program.com.selected = 0;
    program.com.checked = true;
  }

  void tick() { connectionStep(program.com, program.device, link, false, nullptr); }

  // Ticks until the unit is identified, pausing between attempts; false after `ticks`.
  bool identifyWithin(int ticks, int pauseMs) {
    for (int i = 0; i < ticks && !program.link.unitIdentified; ++i) {
      tick();
      clock.sleepMs(pauseMs);
    }
    return program.link.unitIdentified;
  }

  TempDir dir;
  SimProcess sim;
  SystemClock clock;
  Program program{clock, dir.path()};
  RecordingSink sink;
  ScriptedRequesters requesters;
  Port port;
  SerialLink link{program.link, program.messages, program.clock, port};
};

}  // namespace qx::test
