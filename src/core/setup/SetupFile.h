#pragma once
// The setup file (".ork"): a short text header (save date, comment, identification of the
// unit at save time) followed by the SetupImage without the injector switching times.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/setup/SetupRecord.h"
#include "core/util/Bytes.h"

namespace qx {

struct LocalDateTime;

inline constexpr std::size_t kSetupFileSize = 715;
inline constexpr std::size_t kSetupHeaderSize = 286;
inline constexpr std::size_t kSetupBlockSize = 429;
inline constexpr std::size_t kCommentUnits = 100;

// The identification of the unit at save time, as the unit sent it (one byte per character).
// All empty and a count of 0 when no unit is identified.
struct SetupFileUnit {
  std::string device;
  std::string hardware;
  std::string software;
  std::string bootLoader;
  long long restartCount = 0;
};

// The header of a setup file as read (lines without their line ends).
struct SetupFileHeader {
  std::string dateLine;
  std::string comment;  // trimmed of blanks at both ends
  std::string hardware;
  std::string software;
  std::string bootLoader;
  std::string device;
  std::string restartCount;
};

struct SetupFileContents {
  SetupFileHeader header;
  Bytes block = Bytes(kSetupBlockSize, 0);  // bytes missing from a short file stay 0
  std::size_t headerSize = 0;               // where the data block began
  std::size_t blockBytesRead = 0;
  std::size_t fileSize = 0;

  // A file of the nominal layout: 715 bytes with the data block at its nominal place.
  bool nominal() const {
    return fileSize == kSetupFileSize && headerSize == kSetupHeaderSize &&
           blockBytesRead == kSetupBlockSize;
  }
};

Bytes encodeSetupFile(const SetupRecord& record, const std::string& comment,
                      const SetupFileUnit& unit, const LocalDateTime& savedAt);

// Reads lines up to each line end and the data block from wherever the header ended. Never
// fails: what is missing reads as empty text or 0.
SetupFileContents parseSetupFile(std::span<const std::uint8_t> file);

// The data block of a record: image bytes 0..420 and 427..434.
Bytes setupBlock(const SetupRecord& record);
// Takes a data block into the record; injectorSwitchTime keeps its values.
void applySetupBlock(std::span<const std::uint8_t> block, SetupRecord& record);

// The comment line as it is written: 100 UTF-16 units (cut or filled with blanks; control
// characters become blanks, a surrogate pair is never split), then CR LF, all UTF-16LE.
Bytes commentLine(const std::string& comment);

}  // namespace qx

namespace qx {

// What the setup file operations keep between uses.
struct SetupFileState {
  std::string folder;    // folder of the last setup file saved or loaded, with trailing '/'
  std::string fileName;  // its name
  std::string loadedName;         // name of the last file loaded (shown in the main window)
  SetupFileHeader loadedHeader;   // its header (shown in the test window)
};

}  // namespace qx
