#include "core/firmware/FirmwareImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/IntelHex.h"
#include "support/TempDir.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList pattern(std::size_t size) {
  ByteList b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return b;
}

// Decodes into an image full of 0xAA, so that a decoder that does not clear it shows.
FirmwareDecode decode(bool hex, const std::string& text, FirmwareImage& image) {
  std::fill(image.bytes.begin(), image.bytes.end(), std::uint8_t{0xAA});
  std::istringstream in(text);
  return hex ? decodeFirmwareHex(in, image) : decodeFirmwareBinary(in, image);
}

TEST(FirmwareBinary, BlockCountZeroFillAndTheImageBound) {
  struct Case {
    std::size_t size;
    int error, blocks;
  } cases[] = {
      {1000, 0, 8},       // blocks 1..8 carry bytes 0..1023, the last 24 of block 8 are 0
      {1024, 0, 9},       // block 9 all zero
      {131071, 0, 1024},  // the largest file that fits: N + 1 blocks are read
      {131072, 1, 0},     // refused before anything is read
      {0, 1, 1},          // no data at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    const ByteList file = pattern(c.size);
    FirmwareImage image;
    const FirmwareDecode d = decode(false, std::string(file.begin(), file.end()), image);
    EXPECT_EQ(d.error, c.error);
    EXPECT_EQ(d.blockCount, c.blocks);
    if (c.error != 0) continue;
    EXPECT_TRUE(std::equal(file.begin(), file.end(), image.bytes.begin()));
    EXPECT_TRUE(std::all_of(image.bytes.begin() + static_cast<long>(c.size), image.bytes.end(),
                            [](std::uint8_t b) { return b == 0; }));
  }
}

TEST(FirmwareHex, RecordsQuirksAndErrorCodes) {
  struct Case {
    const char* name;
    std::string text;
    int error, blocks;
    ByteList start;  // the first bytes of the image
  } cases[] = {
      {"jumping addresses are packed from 0",
       ":0400000001020304F2\r\n:02100000AABB89\r\n:00000001FF\r\n",
       0,
       1,
       {1, 2, 3, 4, 0xAA, 0xBB, 0}},
      {"a character that is no digit counts as 0, lower case is a digit",
       ":04000000G1020304F2\r\n:01000000aa55\r\n:00000001FF\r\n",
       0,
       1,
       {1, 2, 3, 4, 0xAA, 0}},
      {"data after an end record resumes one address further",
       ":0100000011EE\r\n:00000001FF\r\n:0100000022DD\r\n",
       0,
       1,
       {0x11, 0, 0x22}},
      {"LF only: the second line loses its colon, the leftover checksum makes it 3",
       ":0400000001020304F2\n:02100000AABB89\n:00000001FF\n",
       3,
       1,
       {1, 2, 3, 4}},
      {"LF only with a leftover checksum of 0 stays 4",
       ":01000000FF00\n:01000000FF00\n",
       4,
       1,
       {0xFF}},
      {"a record type that the leftover checksum cancels: 2",
       ":0100000003FC\r\n:020000021000EC\r\n",
       2,
       1,
       {3}},
      {"wrong checksum", ":0400000001020304F3\r\n:00000001FF\r\n", 3, 1, {1}},
      {"a blank line after the end record", ":0100000003FC\r\n:00000001FF\r\n\r\n", 3, 1, {3}},
      {"only an end record", ":00000001FF\r\n", 1, 1, {0}},
      {"the whole image", test::intelHex(ByteList(kFirmwareImageBytes, 1)), 0, 1025, {1, 1}},
      {"one byte beyond the image", test::intelHex(ByteList(kFirmwareImageBytes + 1, 1)), 1, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FirmwareImage image;
    const FirmwareDecode d = decode(true, c.text, image);
    EXPECT_EQ(d.error, c.error);
    EXPECT_EQ(d.blockCount, c.blocks);
    EXPECT_TRUE(std::equal(c.start.begin(), c.start.end(), image.bytes.begin()));
  }
}

TEST(FirmwareHex, AFileMadeByAStandardToolDecodesLikeItsBinary) {
  if (std::string(OBJCOPY_PATH).empty()) GTEST_SKIP() << "no objcopy";
  test::TempDir dir;
  const ByteList content = pattern(3000);
  std::ofstream(dir.file("fw.bin"), std::ios::binary)
      << std::string(content.begin(), content.end());
  const std::string command = std::string(OBJCOPY_PATH) + " -I binary -O ihex '" +
                              dir.file("fw.bin") + "' '" + dir.file("fw.hex") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream hex(dir.file("fw.hex"), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(hex)), std::istreambuf_iterator<char>());
  ASSERT_NE(text.find("\r\n"), std::string::npos);  // the tool ends its lines with CR LF
  FirmwareImage fromHex, fromBin;
  EXPECT_EQ(decode(true, text, fromHex).blockCount, 24);
  EXPECT_EQ(decode(false, std::string(content.begin(), content.end()), fromBin).blockCount, 24);
  EXPECT_EQ(fromHex.bytes, fromBin.bytes);
}

TEST(FirmwareFrame, NumbersWrapAndTheChecksumIsTheSumOfTheFrame) {
  FirmwareImage image;
  std::fill(image.bytes.begin(), image.bytes.end(), std::uint8_t{0x02});
  std::fill_n(image.bytes.begin() + 254 * 128, 128, std::uint8_t{0x00});
  struct Case {
    int n;
    std::uint8_t second, third, checksum;
  } cases[] = {
      {255, 0xFF, 0x00, 0x00},  // block 254 is zero: 1 + 255 + 0 = 256
      {300, 0x2C, 0x2D, 0x5A},  // 1 + 44 + 45 + 128 * 2 = 346
  };
  for (const Case& c : cases) {
    const auto frame = firmwareFrame(image, c.n);
    EXPECT_EQ((ByteList{frame[0], frame[1], frame[2], frame[131]}),
              (ByteList{0x01, c.second, c.third, c.checksum}))
        << c.n;
  }
}

}  // namespace
}  // namespace qx
