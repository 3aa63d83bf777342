#include "core/link/LiveData.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/ports/Clock.h"
#include "core/app/Program.h"
#include "core/link/SerialLink.h"
#include "core/util/Bytes.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr int kSensorReplyBytes = 7;
constexpr int kLearnedMapBytes = 306;
constexpr int kReceiveBuffer = 1000;

int curveIndex(double temperature) {
  return static_cast<int>(clampTo<long long>(truncateToInt((temperature + 25) / 10), 0, 16));
}

bool readSample(Program& p, SerialLink& link) {
  if (!link.request('D', kVitalReplyBytes)) return false;
  std::uint8_t data[kVitalReplyBytes - 1];
  for (auto& b : data) b = link.readByte();
  p.vital = decodeVitalData(data);
  showVitalData(p.vitalTexts, p.vital, p.settings.injectionWarnPercent);
  return true;
}

void consumeSample(Program& p, SerialLink& link) {
  const VitalData& v = p.vital;
  samplePowerRun(p.powerRun, v, p.settings.powerDataInterval);
  if (p.lambdaTable.readLive) fillLambdaFromLive(p.lambdaTable, v);
  runSensorCheck(p.sensorCheck, v, p.setup.triggerGapCount, p.setup.triggerWheelTeeth,
                 p.settings.sensorErrorMinRpm);
  if (p.setup.learningActive == 1 && p.learningLiveMap) fetchLearnedMap(p, link);
  followOperatingPoint(p);
}

// "A" and "P" are sent after "D" whatever became of it: the unit was identified when the
// cycle began.
bool exchange(SerialLink& link, char letter, int replyBytes, std::uint8_t* data) {
  link.sendCommand(letter);
  link.waitForReply(replyBytes, static_cast<char>(letter - 'A' + 'a'));
  if (!link.succeeded()) return false;
  for (int i = 0; i < replyBytes - 1; ++i) data[i] = link.readByte();
  return true;
}
}  // namespace

void followOperatingPoint(Program& p) {
  EditorState& e = p.editors;
  const VitalData& v = p.vital;
  switch (p.editingMode) {
    case EditingMode::InjectionMap:
      if (!e.boxes.mapAuto) return;
      e.mapSpeed = static_cast<int>(clampTo<long long>(truncateToInt((v.engineSpeedClamped + 500) / 1000.0), 0, 16));
      e.mapThrottle = static_cast<int>(clampTo<long long>(truncateToInt((v.throttlePercent + 6.25) / 12.5), 0, 8));
      break;
    case EditingMode::AirTemp:
      if (e.boxes.airAuto) e.airIndex = curveIndex(v.airTemp);
      break;
    case EditingMode::Ignition:
      if (e.boxes.ignitionAuto)
        e.ignitionIndex = static_cast<int>(clampTo<long long>(truncateToInt((v.engineSpeedClamped + 500) / 1000.0), 0, 16));
      break;
    case EditingMode::EngineTemp:
      if (e.boxes.engineAuto) e.engineIndex = curveIndex(v.engineTemp);
      break;
    case EditingMode::None:
      break;
  }
}

bool fetchLearnedMap(Program& p, SerialLink& link) {
  if (!link.send('G')) return false;
  link.pause(100);
  // Nothing waiting after the pause: the unit is silent, nothing is read.
  if (link.bytesAvailable() < 1 || link.readByte() != 'g') return false;
  std::vector<std::uint8_t> buffer;
  while (link.bytesAvailable() > 0 && buffer.size() < kReceiveBuffer) buffer.push_back(link.readByte());
  if (buffer.size() < kLearnedMapBytes) return false;  // incomplete: the map stays
  for (int t = 0; t < kThrottlePoints; ++t)
    for (int r = 0; r < kSpeedPoints; ++r)
      p.setup.mapCell(r, t) = readLe16(&buffer[static_cast<std::size_t>(t * 34 + r * 2)]);
  p.editors.mapChanged = true;
  return true;
}

void liveDataCycle(Program& p, SerialLink& link) {
  if (!p.link.unitIdentified) return;
  if (readSample(p, link)) consumeSample(p, link);

  if (p.windowShown(WindowId::Settings)) {
    std::uint8_t d[kSensorReplyBytes - 1];
    if (exchange(link, 'A', kSensorReplyBytes, d)) {
      for (std::size_t k = 0; k < 3; ++k) {
        const double volts = readBe16(d + 2 * k) / 4096.0 * 2.0;
        p.sensorVoltages.volts[k] = volts;
        p.sensorVoltages.texts[k] = fixedText(volts, 2);
      }
    }
  }

  if (p.windowShown(WindowId::Expert)) {
    ExpertData& e = p.expert;
    updateExpertTiming(e, p.vital.timestamp100kHz, p.clock.elapsedMs());
    std::uint8_t d[kExpertReplyBytes - 1];
    if (exchange(link, 'P', kExpertReplyBytes, d)) {
      e.control = decodeControlValues(d);
      e.derived = deriveControl(e.control, p.vital.engineSpeedClamped, p.setup.quickStartRpm,
                                p.setup.coilChargeTime);
      e.controlValid = true;
    }
    updateExpertSpeedMean(e, p.vital.engineSpeedClamped);
  }
}

}  // namespace qx
