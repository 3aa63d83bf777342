#pragma once
// The injector flow test: the unit fires 500 pulses of one length into one injector with
// the fuel pump running; the user weighs the fuel of a long and a short test per injector,
// and the two weights give the injector's flow, switching time and compensation.

#include "core/testmode/TestModeState.h"

namespace qx {

class EventPoll;
class Requesters;
class SerialLink;
struct TestButton;

// "V" channel of an injector (1..3) and back.
inline constexpr int flowTestChannel(int injector) {
  return 6 + injector;
}

// One of the six "Test" buttons: channel 7..9, pulse length kLongPulseMs or kShortPulseMs.
// Refused with a message without an identified unit. Otherwise a warning, then the pump
// runs for a second and the pulses go out while the button counts them down; Esc, Return
// or the key with code 43 stop the pulses early (with a message that the result is of no
// use). The pump is switched off, the results are evaluated, and the full-load consumption
// is taken from injector 1's flow as shown. The button gets its text back at the end.
void runFlowTest(TestModeState& test, SerialLink& link, Requesters& requesters, EventPoll& events,
                 int channel, int pulseMs, const TestButton& button);

// The results of all three injectors from the six weights. An injector whose weights give
// no positive delivery per millisecond of pulse (empty or equal weights, a short test
// heavier than the long one) shows 0 for switching time, flow and compensation.
void evaluateFlowTests(TestModeState& test);

}  // namespace qx
