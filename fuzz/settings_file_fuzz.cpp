// The settings file reader on any file content.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "core/app/ProgramSettingsFile.h"

using namespace qx;

namespace {
void checkRanges(const ProgramSettings& s) {
  for (const WindowGeometry& g : s.windows)
    FUZZ_CHECK(!g.known || (g.width >= 50 && g.height >= 50));
  FUZZ_CHECK(s.tachoMaxRpm >= 4000 && s.tachoMaxRpm <= 16000);
  FUZZ_CHECK(s.speedDisplayRounding >= 1);
  for (float mv : s.lambdaThresholdsMv) FUZZ_CHECK(mv >= 0.0f && mv <= 1500.0f);
  FUZZ_CHECK(s.loggerTimerMs >= 100 && s.loggerTimerMs <= 2000);
  FUZZ_CHECK(s.comTimerMs >= 5 && s.comTimerMs <= 500);
  FUZZ_CHECK(s.maxLogRecords >= 100 && s.maxLogRecords <= 9999999);
  FUZZ_CHECK(s.mapCeilingUs >= 200 && s.mapCeilingUs <= 60000 && s.mapCeilingUs % 200 == 0);
  FUZZ_CHECK(s.powerDataInterval >= 1 && s.powerMinRpm >= 50);
  FUZZ_CHECK(s.injectorEstimateMaxRpm >= 100 && s.coilEstimateMaxRpm >= 100);
  FUZZ_CHECK(s.cylinderVolumeCcm >= 10 && s.volumetricEfficiencyPercent >= 1);
  FUZZ_CHECK(s.maxInjectorDutyPercent >= 1 && s.injectorFlowMlMin >= 10);
  FUZZ_CHECK(s.coilSupplyVolts >= 1.0f && s.coilSupplyVolts <= 24.0f);
  FUZZ_CHECK(s.coilResistanceOhm >= 0.1f && s.coilResistanceOhm <= 1000.0f);
  FUZZ_CHECK(s.coilInductanceMh >= 0.1f && s.coilInductanceMh <= 1000.0f);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ProgramSettings settings;
  const SettingsFileRead read = decodeProgramSettings(std::span(data, size), "1.E", settings);
  checkRanges(settings);
  if (!read.versionMatches) {
    FUZZ_CHECK(encodeProgramSettings(settings, "1.E") ==
               encodeProgramSettings(ProgramSettings{}, "1.E"));
    return 0;
  }
  // Written and read again, the settings stay what they are.
  const Bytes written = encodeProgramSettings(settings, "1.E");
  ProgramSettings again;
  const SettingsFileRead reread = decodeProgramSettings(written, "1.E", again);
  FUZZ_CHECK(reread.versionMatches && reread.complete);
  FUZZ_CHECK(encodeProgramSettings(again, "1.E") == written);
  return 0;
}
