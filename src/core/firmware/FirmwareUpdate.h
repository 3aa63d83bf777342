#pragma once
// Loading new firmware into the unit through its boot loader. The chosen file is decoded
// into the image, "U" makes an identified unit enter its boot loader, and then every COM
// timer tick handles one byte of the boot loader's answers: a start handshake, numbered
// 128-byte blocks that the unit accepts (0x06) or asks for again (0x15), and an
// end-of-transmission byte after the last one.

#include <cstdint>
#include <istream>
#include <string>

#include "core/firmware/FirmwareImage.h"

namespace qx {

class MessageLog;
class Requesters;
class SerialLink;

// Control bytes of the block protocol.
namespace boot {
inline constexpr std::uint8_t kStart = 0x7B;      // PC -> unit; the boot loader echoes it
inline constexpr std::uint8_t kStarted = 0x00;    // PC -> unit once after the echo
inline constexpr std::uint8_t kFrame = 0x01;      // first byte of every block frame
inline constexpr std::uint8_t kAccepted = 0x06;   // unit -> PC
inline constexpr std::uint8_t kSendAgain = 0x15;  // unit -> PC: (re)send the current block
inline constexpr std::uint8_t kEnd = 0x04;        // PC -> unit after the last block
}  // namespace boot

inline constexpr const char* kUpdateCaption = "update ORK";
inline constexpr const char* kCancelCaption = "Abbruch";

struct FirmwareUpdate {
  FirmwareImage image;
  int blockCount = 0;             // N: blocks to upload; 0 while none is prepared
  int currentBlock = 0;           // n: 0 during the handshake, then the block last sent
  std::int64_t firstBlockMs = 0;  // when block 1 went out, for the time estimate

  // The chosen file: folder (with its trailing separator) and name. Kept for the run.
  std::string folder;
  std::string fileName;
  // The last choice had a wrong extension: the name line says so, the old choice stays.
  bool wrongFileType = false;

  // What the system window's firmware frame shows.
  int progressMaximum = 100;
  int progressValue = 0;
  std::string statusText;
  std::string buttonCaption = kUpdateCaption;
};

// Decodes an open file by its format into the image and sets the block count. Reports the
// decoding, and on an error shows " Formatfehler (" + code + ")" and its status message.
// Returns the error code (0..4).
int decodeFirmwareFile(std::istream& file, FirmwareFormat format, FirmwareUpdate& update,
                       MessageLog& messages, Requesters& requesters);

// The update button: the progress bar goes to 0, then an upload starts, or the running one
// is cancelled.
void firmwareButtonPressed(FirmwareUpdate& update, SerialLink& link, Requesters& requesters);

// Checks the file and the port, decodes the file, takes the line for the transfer and, when
// the unit has identified itself, sends "U" so that it enters its boot loader.
void startFirmwareUpdate(FirmwareUpdate& update, SerialLink& link, Requesters& requesters);

// Ends a running upload at once; nothing is sent to the unit.
void cancelFirmwareUpdate(FirmwareUpdate& update, SerialLink& link);

// One COM timer tick while the transfer runs: the handshake byte while n is 0, then at most
// one byte of the boot loader's answers.
void firmwareUpdateStep(FirmwareUpdate& update, SerialLink& link);

// Sends the frame of block n when n >= 1, nothing is queued for output and no answer waits;
// then updates the progress and the time estimate.
void sendFirmwareBlock(FirmwareUpdate& update, SerialLink& link, int n);

// "firmware wählen": an open-file requester preset with the last choice. A file with the
// extension "bin" or "hex" becomes the choice; anything else (also a cancelled requester)
// leaves the previous choice and makes the name line say "Falscher Dateityp".
void chooseFirmwareFile(FirmwareUpdate& update, Requesters& requesters);

// The chosen file's folder as the system window shows it: longer than 30 characters, the
// first 20, " ... " and the last 20.
std::string firmwareFolderText(const FirmwareUpdate& update);
// The name line: the chosen file's name, or "Falscher Dateityp" after a rejected choice.
std::string firmwareNameText(const FirmwareUpdate& update);

}  // namespace qx
