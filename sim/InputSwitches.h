#pragma once
// The unit's three switch inputs on the road: each is flipped now and then by the rider
// (map switch, kill switch, clutch), at intervals drawn from the seed.

#include <array>
#include <cstdint>

namespace orksim {

class InputSwitches {
 public:
  explicit InputSwitches(std::uint64_t seed);

  // Flips every input whose time has come up to `seconds`.
  void advanceTo(double seconds);
  int state(int input) const { return on_[static_cast<std::size_t>(input)] ? 1 : 0; }

 private:
  double nextInterval(int input);

  std::array<std::uint64_t, 3> rng_{};
  std::array<double, 3> next_{};
  std::array<bool, 3> on_{};
};

}  // namespace orksim
