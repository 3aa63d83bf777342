#include "core/link/SetupTransfer.h"

#include <optional>
#include <vector>

#include "core/app/MessageLog.h"
#include "core/link/SerialLink.h"
#include "core/ports/Requesters.h"
#include "core/setup/ModeWarnings.h"
#include "core/setup/SetupImage.h"
#include "core/setup/SetupState.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr std::size_t kReceiveBuffer = 1000;
}

void readSetupFromUnit(SetupState& setup, SerialLink& link, Requesters& requesters) {
  if (!link.allowed('L')) return;
  link.sendCommand('L');
  // First only the length: nothing is read yet.
  link.waitForReply(kSetupReplyBytes, 0);
  const std::size_t queued = link.bytesAvailable();
  if (queued != static_cast<std::size_t>(kSetupReplyBytes)) {
    const bool take = requesters.askYesNo(
        "Achtung!",
        "Datenpaket ggf. nicht kompatibel.\rNach dem Einlesen müssen alle Einstellungen "
        "kontrolliert werden.\r\rTrotzdem einlesen?");
    if (!take) return;
    link.messages().reportStatus("eingelesene Setup-Daten aus ORK ggf. nicht kompatibel (" +
                                 intText(static_cast<long long>(queued)) + ")");
  }
  link.waitForReply(kSetupReplyBytes, 'l');
  if (!link.succeeded()) return;  // the wait reported why

  std::vector<std::uint8_t> buffer;
  buffer.reserve(kReceiveBuffer);
  while (link.bytesAvailable() > 0 && buffer.size() < kReceiveBuffer)
    buffer.push_back(link.readByte());
  link.drainInput();  // anything beyond the buffer is not the setup
  if (!decodeSetupImage(buffer, setup.record)) return;
  setup.replacedWhole();
  link.messages().reportStatus("Daten von ORK gelesen");
  warnAboutActiveModes(setup.record, requesters);
}

std::optional<SetupRecord> readUnitSetup(const SetupRecord& start, SerialLink& link) {
  if (!link.request('L', kSetupReplyBytes)) return std::nullopt;
  std::vector<std::uint8_t> image;
  image.reserve(kSetupReplyBytes - 1);
  for (int i = 0; i < kSetupReplyBytes - 1; ++i) image.push_back(link.readByte());
  SetupRecord unit = start;
  if (!decodeSetupImage(image, unit)) return std::nullopt;
  return unit;
}

void writeSetupToUnit(const SetupRecord& record, SerialLink& link) {
  if (!link.allowed('S')) return;
  link.send('S');  // the letter, then the pause
  // The image in field order, 16-bit values low byte first, without any pause, length or
  // checksum: exactly the bytes of the SetupImage.
  const Bytes image = encodeSetupImage(record);
  link.port().write(image.data(), image.size());
  link.messages().reportStatus("Daten an ORK geschrieben");
}

void storeSetupInEeprom(SerialLink& link) {
  link.send('E');
}

}  // namespace qx
