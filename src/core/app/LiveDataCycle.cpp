#include "core/app/LiveDataCycle.h"

#include "core/app/Program.h"
#include "core/learning/LearningWindow.h"
#include "core/link/LiveData.h"
#include "core/link/SerialLink.h"
#include "core/mainwin/OperatingPoint.h"
#include "core/ports/Clock.h"

namespace qx {

namespace {
// Every subsystem that follows the live sample, in the order the unit's data are used.
void useSample(Program& p, SerialLink& link) {
  const VitalData& v = p.vital;
  showVitalData(p.vitalTexts, v, p.settings.injectionWarnPercent);
  samplePowerRun(p.powerRun, v, p.settings.powerDataInterval);
  if (p.lambdaTable.readLive) fillLambdaFromLive(p.lambdaTable, v);
  runSensorCheck(p.sensorCheck, v, p.setup.record.triggerGapCount, p.setup.record.triggerWheelTeeth,
                 p.settings.sensorErrorMinRpm);
  if (learnedMapWanted(p.setup.record, p.learning) && fetchLearnedMap(link, p.setup.record))
    p.editors.mapChanged = true;
  followOperatingPoint(p.editors, v);
}

void expertValues(Program& p, SerialLink& link) {
  ExpertData& e = p.expert;
  updateExpertTiming(e, p.vital.timestamp100kHz, p.clock.elapsedMs());
  if (requestControlValues(link, e.control)) {
    e.derived = deriveControl(e.control, p.vital.engineSpeedClamped, p.setup.record.quickStartRpm,
                              p.setup.record.coilChargeTime);
    e.controlValid = true;
  }
  updateExpertSpeedMean(e, p.vital.engineSpeedClamped);
}
}  // namespace

void liveDataCycle(Program& p, SerialLink& link) {
  if (!p.link.unitIdentified) return;
  if (requestVitalData(link, p.vital)) useSample(p, link);
  if (p.windowShown(WindowId::Settings)) requestSensorVoltages(link, p.sensorVoltages);
  if (p.windowShown(WindowId::Expert)) expertValues(p, link);
}

}  // namespace qx
