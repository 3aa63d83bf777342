#include "core/testmode/FlowTest.h"

#include <algorithm>
#include <cmath>

#include "core/link/LinkFlags.h"
#include "core/link/SerialLink.h"
#include "core/ports/Clock.h"
#include "core/ports/EventPoll.h"
#include "core/ports/Requesters.h"
#include "core/testmode/OutputTests.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {

constexpr double kFuelGramsPerLitre = 760;

bool abortKey(PendingEvent e) {
  return e == PendingEvent::Escape || e == PendingEvent::Return || e == PendingEvent::Key43;
}

void show(const TestButton& button, const std::string& text) {
  if (button.show) button.show(text);
}

// Fires the pulses; returns how many were left when a key stopped them (0: all went out).
int firePulses(SerialLink& link, EventPoll& events, int channel, int pulseMs,
               const TestButton& button) {
  int counter = kFlowPulseCount;
  while (counter >= 1) {
    if (abortKey(events.takePending())) break;
    show(button, intText(counter));
    link.sendTestValue(1, 1);  // keeps the pump on
    link.sendTestValue(channel, pulseMs);
    link.clock().sleepMs(10);
    --counter;
  }
  return counter;
}

FlowResult injectorResult(double w1, double w2) {
  FlowResult r;
  const double g1 = w1 / kFlowPulseCount;
  const double g2 = w2 / kFlowPulseCount;
  // Grams per millisecond of pulse length.
  const double s = (g2 - g1) / (kShortPulseMs - kLongPulseMs);
  if (!(s > 0) || !std::isfinite(s)) return r;
  const double offsetUs = (s * kLongPulseMs - g1) / s * 1000.0;
  if (std::isfinite(offsetUs)) r.switchingTimeUs = std::max(0LL, roundHalfAway(offsetUs));
  r.flowMlMin = s * 1000.0 / kFuelGramsPerLitre * 1000.0 * 60.0;
  if (!std::isfinite(r.flowMlMin)) r = FlowResult{};
  return r;
}

}  // namespace

void evaluateFlowTests(TestModeState& test) {
  double strongest = 0;
  for (int k = 1; k <= kInjectors; ++k) {
    FlowResult& r = test.flow[static_cast<std::size_t>(k - 1)];
    r = injectorResult(test.weightGrams(FlowTestKind::Long, k),
                       test.weightGrams(FlowTestKind::Short, k));
    if (r.flowMlMin > strongest) strongest = r.flowMlMin;
  }
  for (FlowResult& r : test.flow)
    r.compensation = r.flowMlMin > 0 ? roundHalfAway(strongest / r.flowMlMin * 1000.0) - 1000 : 0;
}

void runFlowTest(TestModeState& test, SerialLink& link, Requesters& requesters, EventPoll& events,
                 int channel, int pulseMs, const TestButton& button) {
  if (channel < flowTestChannel(1) || channel > flowTestChannel(kInjectors)) return;
  if (!link.flags().unitIdentified) {
    requesters.message("Achtung", "COM-Verbindung nicht etabliert.\rTest macht keinen Sinn...");
    return;
  }
  requesters.message("Achtung",
                     "Aus der Einspritzdüse wird Benzin austreten.\rEs besteht Entzündungsgefahr "
                     "!\r\rTest-Abbruch mit Taste ESC");
  show(button, "Start");
  link.sendTestValue(1, 1);  // the pump on
  link.clock().sleepMs(1000);
  if (firePulses(link, events, channel, pulseMs, button) >= 1)
    requesters.message("Achtung", "Test abgebrochen.\rErgebnis nicht verwendbar !");
  link.sendTestValue(1, 0);  // the pump off
  evaluateFlowTests(test);
  // Taken from injector 1's flow as the window shows it, with one decimal.
  const double shownFlow = static_cast<double>(roundHalfAway(test.flow[0].flowMlMin * 10.0)) / 10.0;
  test.fullLoadLitresPerHour = shownFlow * 60.0 / 1000.0;
  show(button, button.text);
}

}  // namespace qx
