#pragma once
// The test window's output tests. Each runs to its end inside the click's handler: it
// switches an output of the unit with "V" and counts down on its button, "(3)" ... "(1)",
// then gives the button its text back. Without an open port the countdown runs and nothing
// is sent.

#include <functional>
#include <string>

namespace qx {

class SerialLink;

// The button that started a test.
struct TestButton {
  std::string text;  // its text before the test, given back at the end
  // Sets the button's text and lets the window repaint it (nothing else may run).
  std::function<void(const std::string&)> show;
};

// "Benzinpumpe": the pump on for a countdown of 3 seconds, then off.
void runFuelPumpTest(SerialLink& link, const TestButton& button);
// "Ausgang 1" / "Ausgang 2": the unit switches the output on for 10 s; a countdown of 10.
void runSwitchedOutputTest(SerialLink& link, int output, const TestButton& button);
// "E-Ventil 1..3": per repetition (1 or 10) one countdown step and 15 openings of 125 ms,
// 50 ms apart.
void runInjectorTest(SerialLink& link, int injector, int repetitions, const TestButton& button);
// "Zündschalter 1..3": per repetition one countdown step and one charge of the coil for the
// setup's charge time (parameter x 250 µs), then 100 ms.
void runCoilTest(SerialLink& link, int coil, int chargeTimeParameter, int repetitions,
                 const TestButton& button);
// "Drehz.-Ausg.": the speed typed in "Drehzahlanzeige [Umin]:" (read now, limited to
// 500..16000) on the speed-meter output; a countdown of 10.
void runSpeedOutputTest(SerialLink& link, const std::string& typedSpeed, const TestButton& button);

// The speed the speed-meter test sends for a typed text.
int speedOutputValue(const std::string& typedSpeed);

}  // namespace qx
