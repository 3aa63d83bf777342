#include "core/link/LiveData.h"

#include <cstdint>
#include <vector>

#include "core/link/ExpertData.h"
#include "core/link/SerialLink.h"
#include "core/link/VitalData.h"
#include "core/setup/SetupRecord.h"
#include "core/util/Bytes.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr int kSensorReplyBytes = 7;
constexpr int kLearnedMapBytes = 306;
constexpr int kReceiveBuffer = 1000;

// Sends the letter and reads its reply's data bytes when it came whole.
bool exchange(SerialLink& link, char letter, int replyBytes, std::uint8_t* data) {
  link.sendCommand(letter);
  link.waitForReply(replyBytes, static_cast<char>(letter - 'A' + 'a'));
  if (!link.succeeded()) return false;
  for (int i = 0; i < replyBytes - 1; ++i) data[i] = link.readByte();
  return true;
}
}  // namespace

bool requestVitalData(SerialLink& link, VitalData& vital) {
  if (!link.request('D', kVitalReplyBytes)) return false;
  std::uint8_t data[kVitalReplyBytes - 1];
  for (auto& b : data) b = link.readByte();
  vital = decodeVitalData(data);
  return true;
}

bool requestSensorVoltages(SerialLink& link, SensorVoltages& voltages) {
  std::uint8_t d[kSensorReplyBytes - 1];
  if (!exchange(link, 'A', kSensorReplyBytes, d)) return false;
  for (std::size_t k = 0; k < 3; ++k) {
    const double volts = readBe16(d + 2 * k) / 4096.0 * 2.0;
    voltages.volts[k] = volts;
    voltages.texts[k] = fixedText(volts, 2);
  }
  return true;
}

bool requestControlValues(SerialLink& link, ControlValues& control) {
  std::uint8_t d[kExpertReplyBytes - 1];
  if (!exchange(link, 'P', kExpertReplyBytes, d)) return false;
  control = decodeControlValues(d);
  return true;
}

bool fetchLearnedMap(SerialLink& link, SetupRecord& setup) {
  if (!link.send('G')) return false;
  link.pause(100);
  // Nothing waiting after the pause: the unit is silent, nothing is read.
  if (link.bytesAvailable() < 1 || link.readByte() != 'g') return false;
  std::vector<std::uint8_t> buffer;
  while (link.bytesAvailable() > 0 && buffer.size() < kReceiveBuffer)
    buffer.push_back(link.readByte());
  if (buffer.size() < kLearnedMapBytes) return false;  // incomplete: the map stays
  for (int t = 0; t < kThrottlePoints; ++t)
    for (int r = 0; r < kSpeedPoints; ++r)
      setup.mapCell(r, t) = readLe16(&buffer[static_cast<std::size_t>(t * 34 + r * 2)]);
  return true;
}

}  // namespace qx
