#include "core/firmware/FirmwareImage.h"

#include <istream>

namespace qx {

namespace {

constexpr std::int64_t kImageBytes = static_cast<std::int64_t>(kFirmwareImageBytes);

// The file's length; the read position is left at the start.
std::int64_t streamSize(std::istream& in) {
  in.seekg(0, std::ios::end);
  const std::streamoff end = in.tellg();
  in.seekg(0, std::ios::beg);
  return end < 0 ? 0 : static_cast<std::int64_t>(end);
}

bool atEnd(std::istream& in) {
  return in.peek() == std::char_traits<char>::eof();
}

// One byte of the file; a read past the end gives 0.
int nextByte(std::istream& in) {
  const int c = in.get();
  return c == std::char_traits<char>::eof() ? 0 : c;
}

// A character that is no hexadecimal digit counts as 0.
int hexDigit(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

int hexByte(std::istream& in) {
  const int high = hexDigit(nextByte(in));
  return high * 16 + hexDigit(nextByte(in));
}

// Reads the rest of one record after its ":". Data bytes go one after the other from the
// address counter on; the record's own address is summed but not used.
struct HexRecordReader {
  std::istream& in;
  FirmwareImage& image;
  std::int64_t address = 0;
  std::int64_t lastStored = -1;
  int sum = 0;
  int checksum = 0;

  // Returns the error the record ends with (0, 1 when data would leave the image, 2).
  int read() {
    const int length = hexByte(in);
    sum = length;
    sum += hexByte(in);
    sum += hexByte(in);
    const int type = hexByte(in);
    sum += type;
    if (type == 0) {
      for (int i = 0; i < length; ++i) {
        const int d = hexByte(in);
        sum += d;
        if (address >= kImageBytes) return kFirmwareNoEnd;
        image.bytes[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(d);
        lastStored = address++;
      }
      checksum = hexByte(in);
      skipLineEnd();
    } else if (type == 1) {
      checksum = hexByte(in);
      skipLineEnd();
      ++address;
    } else {
      return kFirmwareRecordType;
    }
    return kFirmwareOk;
  }
  // Exactly two bytes end a line, whatever they are.
  void skipLineEnd() {
    nextByte(in);
    nextByte(in);
  }
};

}  // namespace

std::string firmwareErrorText(int code) {
  switch (code) {
    case kFirmwareNoEnd:
      return "EOF nicht erkannt";
    case kFirmwareRecordType:
      return "Satznummer nicht verarbeitbar";
    case kFirmwareChecksum:
      return "Checksumme falsch";
    case kFirmwareRecordStart:
      return "Satzstart (:) nicht erkannt";
    default:
      return {};
  }
}

std::optional<FirmwareFormat> firmwareFormat(std::string_view fileName) {
  const auto dot = fileName.find_last_of('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string_view ext = fileName.substr(dot + 1);
  if (ext == "bin") return FirmwareFormat::Binary;
  if (ext == "hex") return FirmwareFormat::IntelHex;
  return std::nullopt;
}

FirmwareDecode decodeFirmwareBinary(std::istream& file, FirmwareImage& image) {
  image.clear();
  const std::int64_t size = streamSize(file);
  const std::int64_t blocks = size / kFirmwareBlockBytes + 1;
  // N + 1 blocks are read: the last one must still lie inside the image.
  if (blocks + 1 > kFirmwareBlocks) return {kFirmwareNoEnd, 0};
  const int n = static_cast<int>(blocks);
  for (int b = 0; b <= n; ++b) {
    char* at = reinterpret_cast<char*>(image.bytes.data()) +
               static_cast<std::ptrdiff_t>(b) * kFirmwareBlockBytes;
    file.read(at, kFirmwareBlockBytes);  // what lies past the end stays 0
    file.clear(file.rdstate() & ~std::ios::failbit);
  }
  if (!atEnd(file) || size == 0) return {kFirmwareNoEnd, n};
  return {kFirmwareOk, n};
}

FirmwareDecode decodeFirmwareHex(std::istream& file, FirmwareImage& image) {
  image.clear();
  HexRecordReader record{file, image};
  int error = kFirmwareOk;
  int blocks = 1;
  while (!atEnd(file) && error == kFirmwareOk) {
    if (nextByte(file) != ':') {
      error = kFirmwareRecordStart;
    } else {
      error = record.read();
      // Data that would not fit ends the decoding at once.
      if (error == kFirmwareNoEnd) return {error, 0};
      blocks =
          record.lastStored < 0 ? 1 : static_cast<int>(record.lastStored / kFirmwareBlockBytes) + 1;
    }
    // The checksum test follows every step, also one that ended with code 2 or 4: with a
    // checksum byte left over from the record before, those codes turn into 3.
    record.sum = ((record.sum % 256) + record.checksum) % 256;
    if (record.sum != 0) error = kFirmwareChecksum;
  }
  if (error == kFirmwareOk && record.lastStored < 0) error = kFirmwareNoEnd;
  return {error, blocks};
}

std::array<std::uint8_t, kFirmwareFrameBytes> firmwareFrame(const FirmwareImage& image, int n) {
  std::array<std::uint8_t, kFirmwareFrameBytes> frame{};
  frame[0] = 0x01;
  frame[1] = static_cast<std::uint8_t>(n % 256);
  frame[2] = static_cast<std::uint8_t>((n + 1) % 256);
  const auto data = image.block(n - 1);
  std::copy(data.begin(), data.end(), frame.begin() + 3);
  int sum = 0;
  for (int i = 0; i < kFirmwareFrameBytes - 1; ++i) sum += frame[static_cast<std::size_t>(i)];
  frame[kFirmwareFrameBytes - 1] = static_cast<std::uint8_t>(sum % 256);
  return frame;
}

}  // namespace qx
