#pragma once
// The program with a scripted serial port on a manual clock: what the link, connection,
// live-data, transfer and editor tests share.

#include "core/app/Program.h"
#include "core/link/SerialLink.h"
#include "support/Fakes.h"
#include "support/ScriptedPort.h"

namespace qx::test {

struct LinkHarness {
  LinkHarness() { program.messages.setSink(&sink); }

  // The port is open and the unit has identified itself.
  void connected() { program.link.portOpen = program.link.unitIdentified = true; }

  ManualClock clock;
  Program program{clock, "/tmp"};
  RecordingSink sink;
  ScriptedRequesters requesters;
  ScriptedPort port{clock};
  SerialLink link{program.link, program.messages, program.clock, port};
};

}  // namespace qx::test
