#include "core/testmode/OutputTests.h"

#include "core/link/SerialLink.h"
#include "core/ports/Clock.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {

// The "V" channels of the outputs.
constexpr int kPumpChannel = 1;
constexpr int kFirstOutputChannel = 2;    // outputs 1, 2: channels 2, 3
constexpr int kFirstCoilChannel = 4;      // coils 1..3: channels 4..6
constexpr int kFirstInjectorChannel = 7;  // injectors 1..3: channels 7..9
constexpr int kSpeedChannel = 10;

void show(const TestButton& button, const std::string& text) {
  if (button.show) button.show(text);
}

std::string step(int c) {
  return "(" + intText(c) + ")";
}

// A countdown of whole seconds on the button.
void countSeconds(SerialLink& link, const TestButton& button, int seconds) {
  for (int c = seconds; c >= 1; --c) {
    show(button, step(c));
    link.clock().sleepMs(1000);
  }
  show(button, button.text);
}

bool validUnitNumber(int k) {
  return k >= 1 && k <= 3;
}

}  // namespace

void runFuelPumpTest(SerialLink& link, const TestButton& button) {
  link.sendTestValue(kPumpChannel, 1);
  countSeconds(link, button, 3);
  link.sendTestValue(kPumpChannel, 0);
}

void runSwitchedOutputTest(SerialLink& link, int output, const TestButton& button) {
  if (output != 1 && output != 2) return;
  link.sendTestValue(kFirstOutputChannel + output - 1, 10);
  countSeconds(link, button, 10);
}

void runInjectorTest(SerialLink& link, int injector, int repetitions, const TestButton& button) {
  if (!validUnitNumber(injector)) return;
  for (int c = repetitions; c >= 1; --c) {
    show(button, step(c));
    for (int pulse = 0; pulse < 15; ++pulse) {
      link.sendTestValue(kFirstInjectorChannel + injector - 1, 125);
      link.clock().sleepMs(50);
    }
  }
  show(button, button.text);
}

void runCoilTest(SerialLink& link, int coil, int chargeTimeParameter, int repetitions,
                 const TestButton& button) {
  if (!validUnitNumber(coil)) return;
  const double chargeMs = chargeTimeParameter * 250 / 1000.0;
  for (int c = repetitions; c >= 1; --c) {
    show(button, step(c));
    link.sendTestValue(kFirstCoilChannel + coil - 1, chargeMs);
    link.clock().sleepMs(100);
  }
  show(button, button.text);
}

int speedOutputValue(const std::string& typedSpeed) {
  // The field is read as typed at the click; a speed outside the output's range would not
  // fit the two bytes of "V" (or means nothing to the unit), so it is limited here.
  return static_cast<int>(clampTo<long long>(integerReading(typedSpeed), 500, 16000));
}

void runSpeedOutputTest(SerialLink& link, const std::string& typedSpeed, const TestButton& button) {
  link.sendTestValue(kSpeedChannel, speedOutputValue(typedSpeed));
  countSeconds(link, button, 10);
}

}  // namespace qx
