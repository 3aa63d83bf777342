#include "core/firmware/FirmwareUpdate.h"

#include <fstream>

#include "core/app/MessageLog.h"
#include "core/link/LinkFlags.h"
#include "core/link/SerialLink.h"
#include "core/ports/Clock.h"
#include "core/ports/Requesters.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {

constexpr const char* kFileFilter = "ORK-fimware-Dateien|*.bin;*.hex|Alle Dateien (*.*)|*.*";
constexpr int kUnitEntersBootLoaderMs = 200;
constexpr int kAfterEndMs = 100;

// The unit took the last block: end of transmission, and the line goes back to the live data.
void finishUpload(FirmwareUpdate& update, SerialLink& link) {
  link.sendByte(boot::kEnd);
  link.pause(kAfterEndMs);
  link.flags().firmwareTransferActive = false;
  update.blockCount = 0;
  update.buttonCaption = kUpdateCaption;
  update.statusText = "update erfolgreich beendet";
  update.progressValue = 0;
  link.messages().reportStatus("update erfolgreich");
  link.drainInput();
}

// The characters of UTF-8 text after the first `skip` ones.
std::string utf8From(std::string_view text, std::size_t skip) {
  return std::string(text.substr(utf8Left(text, skip).size()));
}

}  // namespace

int decodeFirmwareFile(std::istream& file, FirmwareFormat format, FirmwareUpdate& update,
                       MessageLog& messages, Requesters& requesters) {
  const bool binary = format == FirmwareFormat::Binary;
  messages.reportStatus(binary ? "firmware-Datei decodieren(bin)"
                               : "firmware-Datei decodieren(hex)");
  const FirmwareDecode result =
      binary ? decodeFirmwareBinary(file, update.image) : decodeFirmwareHex(file, update.image);
  update.blockCount = result.blockCount;
  update.statusText = "decodiere... " + intText(result.blockCount);
  if (result.error > 0) {
    const std::string code = intText(result.error);
    requesters.message("firmware", " Formatfehler (" + code + ")");
    messages.reportStatus("firmware: Formatfehler (" + code + ") " +
                          firmwareErrorText(result.error));
  }
  return result.error;
}

void firmwareButtonPressed(FirmwareUpdate& update, SerialLink& link, Requesters& requesters) {
  update.progressValue = 0;
  if (link.flags().firmwareTransferActive)
    cancelFirmwareUpdate(update, link);
  else
    startFirmwareUpdate(update, link, requesters);
}

void startFirmwareUpdate(FirmwareUpdate& update, SerialLink& link, Requesters& requesters) {
  MessageLog& messages = link.messages();
  update.progressValue = 0;
  const auto format = firmwareFormat(update.fileName);
  if (!format) {
    requesters.message("firmweare update", "Passende Firmwaredatei wählen !");
    return;
  }
  requesters.message("ORK-firmware update",
                     "Setup aus der ORK gesichert?\rAktuelle firmware als Datei verfügbar?\r\r"
                     "EEPROM gelöscht (bei einigen firmware-updates erforderlich) ?\r\r"
                     "Motor im Stillstand?\rZündkerzenstecker gezogen?\r"
                     "Einspritzpumpe ausser Funktion?");
  std::ifstream file(update.folder + update.fileName, std::ios::binary);
  if (!file) {
    update.blockCount = 0;
    requesters.message("firmweare update", "Konnte firmare-Datei nicht öffnen :-(");
    messages.reportStatus("firmware-Datei konnte nicht geöffnet werden");
    return;
  }
  messages.reportStatus("firmware " + update.fileName + " gewählt");
  const int error = decodeFirmwareFile(file, *format, update, messages, requesters);
  file.close();
  if (error != kFirmwareOk) {
    requesters.message("update", "firmware-Datei fehlerhaft");
    messages.reportStatus("firmware-Datei fehlerhaft");
    return;
  }
  LinkFlags& flags = link.flags();
  if (!flags.portOpen) {
    requesters.message("update", "com-port nicht verfügbar");
    messages.reportStatus("Update com-port nicht verfügbar");
    return;
  }
  flags.firmwareTransferActive = true;
  update.buttonCaption = kCancelCaption;
  messages.reportStatus("Update innitialisieren");
  // "U" is the last command of the catalogue before the boot loader has the line, so it
  // goes out directly. A unit that does not identify itself (one that runs only its boot
  // loader) gets none; the handshake starts at once.
  if (flags.unitIdentified) {
    link.sendCommand('U');
    link.pause(kUnitEntersBootLoaderMs);
  }
  update.progressMaximum = update.blockCount;
  update.statusText = "update wird gestartet ...";
  messages.reportStatus("Update ...");
  update.currentBlock = 0;
}

void cancelFirmwareUpdate(FirmwareUpdate& update, SerialLink& link) {
  update.progressValue = 0;
  update.buttonCaption = kUpdateCaption;
  update.blockCount = 0;
  update.currentBlock = 0;
  update.statusText = "update abgebrochen!!!";
  link.messages().reportStatus("Update abgebrochen");
  link.flags().firmwareTransferActive = false;
}

void firmwareUpdateStep(FirmwareUpdate& update, SerialLink& link) {
  if (!link.flags().firmwareTransferActive) return;
  if (update.currentBlock == 0) link.sendByte(boot::kStart);
  if (link.bytesAvailable() < 1) return;
  // One byte per tick: the upload goes at most one block per COM timer period.
  switch (link.readByte()) {
    case boot::kStart:
      link.sendByte(boot::kStarted);
      update.currentBlock = 1;
      break;
    case boot::kAccepted:
      if (update.currentBlock < update.blockCount) {
        ++update.currentBlock;
        sendFirmwareBlock(update, link, update.currentBlock);
      } else {
        finishUpload(update, link);
      }
      break;
    case boot::kSendAgain:
      sendFirmwareBlock(update, link, update.currentBlock);
      break;
    default:
      break;
  }
}

void sendFirmwareBlock(FirmwareUpdate& update, SerialLink& link, int n) {
  if (n < 1 || n > kFirmwareBlocks) return;
  // A frame goes out only onto a quiet line; otherwise the next 0x06 or 0x15 brings it.
  if (link.port().bytesToWrite() > 0 || link.bytesAvailable() > 0) return;
  const auto frame = firmwareFrame(update.image, n);
  link.port().write(frame.data(), frame.size());
  update.progressValue = n;
  const std::int64_t now = link.clock().elapsedMs();
  double estimateMs = 0;
  if (n == 1)
    update.firstBlockMs = now;
  else
    estimateMs = static_cast<double>(now - update.firstBlockMs) / (n - 1) * (update.blockCount - n);
  update.statusText =
      "übertrage Datenblock " + intText(n) + "  (" + fixedText(estimateMs / 1000.0, 1) + " sec.)";
}

void chooseFirmwareFile(FirmwareUpdate& update, Requesters& requesters) {
  const auto chosen =
      requesters.openFile("ORK-firmware wählen", update.folder + update.fileName, kFileFilter);
  const std::string path = chosen.value_or(std::string());
  const auto slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (!firmwareFormat(name)) {
    update.wrongFileType = true;
    return;
  }
  update.folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  update.fileName = name;
  update.wrongFileType = false;
}

std::string firmwareFolderText(const FirmwareUpdate& update) {
  const std::size_t length = utf8Length(update.folder);
  if (length <= 30) return update.folder;
  return utf8Left(update.folder, 20) + " ... " + utf8From(update.folder, length - 20);
}

std::string firmwareNameText(const FirmwareUpdate& update) {
  return update.wrongFileType ? "Falscher Dateityp" : update.fileName;
}

}  // namespace qx
