// The firmware file decoders (binary and Intel HEX) on any input: no read or write outside
// the image, a known error code, and a block count that fits the image.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "core/firmware/FirmwareImage.h"

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  FirmwareImage image;
  for (bool hex : {false, true}) {
    std::istringstream in(text);
    const FirmwareDecode d = hex ? decodeFirmwareHex(in, image) : decodeFirmwareBinary(in, image);
    FUZZ_CHECK(d.error >= 0 && d.error <= 4);
    FUZZ_CHECK(d.blockCount >= 0 && d.blockCount <= kFirmwareBlocks);
    FUZZ_CHECK(image.bytes.size() == kFirmwareImageBytes);
    if (d.error == 0) {
      FUZZ_CHECK(d.blockCount >= 1);
      const auto frame = firmwareFrame(image, d.blockCount);
      FUZZ_CHECK(frame[0] == 0x01);
    }
  }
  return 0;
}
