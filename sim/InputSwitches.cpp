#include "InputSwitches.h"

namespace orksim {

namespace {
constexpr double kShortest = 2.0, kLongest = 12.0;  // seconds between two flips
}

InputSwitches::InputSwitches(std::uint64_t seed) {
  for (int k = 0; k < 3; ++k) {
    // A stream of its own for each input, apart from the engine's noise.
    rng_[static_cast<std::size_t>(k)] =
        (seed + 1) * 0xD1B54A32D192ED03ULL + 0x8CB92BA72F3D8DD7ULL * (k + 1);
    next_[static_cast<std::size_t>(k)] = nextInterval(k);
  }
}

double InputSwitches::nextInterval(int input) {
  auto& x = rng_[static_cast<std::size_t>(input)];
  x ^= x >> 12;
  x ^= x << 25;
  x ^= x >> 27;
  const double u =
      static_cast<double>((x * 2685821657736338717ULL) >> 11) / static_cast<double>(1ULL << 53);
  return kShortest + (kLongest - kShortest) * u;
}

void InputSwitches::advanceTo(double seconds) {
  for (int k = 0; k < 3; ++k) {
    const auto i = static_cast<std::size_t>(k);
    while (next_[i] <= seconds) {
      on_[i] = !on_[i];
      next_[i] += nextInterval(k);
    }
  }
}

}  // namespace orksim
