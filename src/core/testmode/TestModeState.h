#pragma once
// What the test window keeps of its own: the speed for the speed-meter output, the weights
// of the injector flow tests and their results, the repetition choice and the two
// calculators' results. The calculator inputs are program settings; the coil charge time
// and the sensor position are setup values; the test ignition lives with the sensor checks.

#include <array>
#include <optional>

namespace qx {

// The flow test fires this many pulses of these lengths per test.
inline constexpr int kFlowPulseCount = 500;
inline constexpr int kLongPulseMs = 15;  // "Test 1 (lang)"
inline constexpr int kShortPulseMs = 6;  // "Test 2 (kurz)"
inline constexpr int kInjectors = 3;

// Results of one injector's two flow tests.
struct FlowResult {
  long long switchingTimeUs = 0;  // "Umschalt-" / "zeit [µs]", never negative
  double flowMlMin = 0;           // "Durchfluss" / "[ml/min]"
  long long compensation = 0;     // "Ausgleichs-" / "wert [°/oo]"
  friend bool operator==(const FlowResult&, const FlowResult&) = default;
};

// "Einspritzdüsenschätzung"
struct InjectorEstimate {
  long long fuelFlowGMin = 0;  // "Durchfluss Düse (Benzin) [g/min]:"
  long long requiredUs = 0;    // "erforderliche Öffnungszeit Düse [µs]:"
  long long availableUs = 0;   // "max. verfügbare Öffnungszeit [µs]:"
};

// "Zündspulenschätzung"
struct CoilEstimate {
  long long chargeTimeUs = 0;  // "Ladezeit [µs]:"
  double maxCurrentA = 0;      // "max. Ladestrom [A]:"
  long long availableUs = 0;   // "max. verfügbare Ladezeit [µs]:"
};

enum class FlowTestKind { Long = 0, Short = 1 };

struct TestModeState {
  int speedOutputRpm = 1000;  // "Drehzahlanzeige [Umin]:"
  // The six weights in 0.1 g, by test (long, short) and injector 1..3; empty until typed.
  std::array<std::array<std::optional<int>, kInjectors>, 2> weightTenths{};
  std::array<FlowResult, kInjectors> flow{};
  // "Verbrauch bei Volllast Einspritzdüse 1 [l/h]:", known after the first flow test.
  std::optional<double> fullLoadLitresPerHour;
  bool tenTimes = false;  // option "10x" (else "1x")
  InjectorEstimate injector;
  CoilEstimate coil;

  int repetitions() const { return tenTimes ? 10 : 1; }
  // A weight in grams; an empty field counts as 0.
  double weightGrams(FlowTestKind test, int injector) const {
    const auto& w = weightTenths[static_cast<int>(test)][static_cast<std::size_t>(injector - 1)];
    return w ? *w / 10.0 : 0.0;
  }
};

}  // namespace qx
