#pragma once
// The firmware image that goes to the unit's boot loader, and the two file formats it is
// decoded from: a raw binary (".bin") and Intel HEX (".hex").

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

inline constexpr int kFirmwareBlockBytes = 128;
inline constexpr int kFirmwareBlocks = 1025;  // blocks 0..1024
inline constexpr std::size_t kFirmwareImageBytes =
    static_cast<std::size_t>(kFirmwareBlocks) * kFirmwareBlockBytes;

// Decoder results: 0 no error, otherwise the code shown with its text.
enum FirmwareError : int {
  kFirmwareOk = 0,
  kFirmwareNoEnd = 1,        // "EOF nicht erkannt"; also a file without data or too large
  kFirmwareRecordType = 2,   // "Satznummer nicht verarbeitbar"
  kFirmwareChecksum = 3,     // "Checksumme falsch"
  kFirmwareRecordStart = 4,  // "Satzstart (:) nicht erkannt"
};

// The text of a decoder error code; empty for 0 and unknown codes.
std::string firmwareErrorText(int code);

struct FirmwareImage {
  FirmwareImage() : bytes(kFirmwareImageBytes, 0) {}
  void clear() { std::fill(bytes.begin(), bytes.end(), std::uint8_t{0}); }
  // Image block b (0..1024).
  std::span<const std::uint8_t> block(int b) const {
    return {bytes.data() + static_cast<std::size_t>(b) * kFirmwareBlockBytes,
            static_cast<std::size_t>(kFirmwareBlockBytes)};
  }
  std::vector<std::uint8_t> bytes;
};

enum class FirmwareFormat { Binary, IntelHex };

// The format a file name's extension stands for: exactly "bin" or "hex" (case-sensitive).
std::optional<FirmwareFormat> firmwareFormat(std::string_view fileName);

struct FirmwareDecode {
  int error = kFirmwareOk;
  int blockCount = 0;  // blocks to upload
};

// Both decoders clear the image first and never write beyond it: a file that does not fit
// is refused with error 1 before anything is stored past the last block.
FirmwareDecode decodeFirmwareBinary(std::istream& file, FirmwareImage& image);
FirmwareDecode decodeFirmwareHex(std::istream& file, FirmwareImage& image);

// The frame of block n (1..1025), carrying image block n - 1: 0x01, n mod 256,
// (n + 1) mod 256, 128 data bytes, and the sum of those 131 bytes mod 256.
inline constexpr int kFirmwareFrameBytes = 3 + kFirmwareBlockBytes + 1;
std::array<std::uint8_t, kFirmwareFrameBytes> firmwareFrame(const FirmwareImage& image, int n);

}  // namespace qx
