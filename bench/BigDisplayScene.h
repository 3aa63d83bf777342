#pragma once
// The big display's sources with every item drawn: the scene both display benchmarks measure.

#include "core/app/ProgramSettings.h"
#include "core/display/BigDisplay.h"
#include "core/link/VitalData.h"
#include "core/setup/SetupRecord.h"

namespace qx::bench {

struct BigDisplayScene {
  VitalData vital;
  ProgramSettings settings;
  SetupRecord setup;
  BigDisplayState state;
  BigDisplayScene() {
    settings.sliderDisplays = settings.showLearningLimits = true;  // every item drawn
    vital.throttlePercent = 63;
    vital.engineTemp = 84;
    vital.airTemp = 27;
    vital.lambdaMv = {612, 455, 880};
    vital.injectionTimeUs = 4100;
    vital.ignitionAngleRaw = 72;
    vital.cpuTemp = 44;
    vital.output1 = vital.input2 = 1;
  }
  BigDisplaySources sources() const { return {vital, settings, setup, 3, {240, 240, 240}}; }
};

}  // namespace qx::bench
