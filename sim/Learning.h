#pragma once
// The unit's learning mode: while learning is switched on and the engine runs inside the
// learning limits of the setup, the map point nearest the operating point is enriched or
// leaned step by step until the mean of the selected lambda probes meets the target.

#include "Engine.h"
#include "SimSetup.h"

namespace orksim {

class Learner {
 public:
  // One model step of dt seconds; changes the working setup's map.
  void step(double dt, SetupImage& ram, const Engine& engine);

  // Whether the engine runs inside the learning limits of the setup, with a probe selected.
  static bool insideLimits(const SetupImage& ram, const Engine& engine);

 private:
  double sinceChange_ = 0;
};

}  // namespace orksim
