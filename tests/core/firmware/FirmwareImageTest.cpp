#include "core/firmware/FirmwareImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace qx {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList pattern(std::size_t size) {
  ByteList b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return b;
}

std::istringstream stream(const ByteList& bytes) {
  return std::istringstream(std::string(bytes.begin(), bytes.end()));
}

// An image with every byte set, so that a decoder that does not clear it shows.
FirmwareImage dirtyImage() {
  FirmwareImage image;
  std::fill(image.bytes.begin(), image.bytes.end(), std::uint8_t{0xAA});
  return image;
}

// Data records of 16 bytes of 0x01 from address 0, then the end record.
std::string hexOfOnes(std::size_t bytes) {
  std::string text;
  for (std::size_t a = 0; a < bytes; a += 16) {
    const int n = static_cast<int>(std::min<std::size_t>(16, bytes - a));
    char line[64];
    int sum = n + static_cast<int>((a >> 8) & 0xFF) + static_cast<int>(a & 0xFF) + n;
    std::snprintf(line, sizeof line, ":%02X%04X00", n, static_cast<unsigned>(a & 0xFFFF));
    text += line;
    for (int i = 0; i < n; ++i) text += "01";
    std::snprintf(line, sizeof line, "%02X\r\n", (256 - sum % 256) % 256);
    text += line;
  }
  return text + ":00000001FF\r\n";
}

TEST(FirmwareBinary, BlockCountZeroFillAndTheImageBound) {
  struct Case {
    std::size_t size;
    int error;
    int blocks;
  } cases[] = {
      {1000, 0, 8},  // blocks 1..8 carry bytes 0..1023, the last 24 of block 8 are 0
      {1024, 0, 9},  // block 9 all zero
      {127, 0, 1},    {131071, 0, 1024},  // the largest file that fits: N + 1 blocks are read
      {131072, 1, 0},                     // refused before anything is read
      {0, 1, 1},                          // no data at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    const ByteList file = pattern(c.size);
    FirmwareImage image = dirtyImage();
    auto in = stream(file);
    const FirmwareDecode d = decodeFirmwareBinary(in, image);
    EXPECT_EQ(d.error, c.error);
    EXPECT_EQ(d.blockCount, c.blocks);
    if (c.error != 0) continue;
    EXPECT_TRUE(std::equal(file.begin(), file.end(), image.bytes.begin()));
    EXPECT_TRUE(std::all_of(image.bytes.begin() + static_cast<std::ptrdiff_t>(c.size),
                            image.bytes.end(), [](std::uint8_t b) { return b == 0; }));
  }
}

TEST(FirmwareHex, RecordsQuirksAndErrorCodes) {
  struct Case {
    const char* name;
    std::string text;
    int error;
    int blocks;
    ByteList start;  // the first bytes of the image
  } cases[] = {
      {"jumping addresses are packed from 0",
       ":0400000001020304F2\r\n:02100000AABB89\r\n:00000001FF\r\n",
       0,
       1,
       {0x01, 0x02, 0x03, 0x04, 0xAA, 0xBB, 0x00}},
      {"a character that is no digit counts as 0, lower case is a digit",
       ":04000000G1020304F2\r\n:01000000aa55\r\n:00000001FF\r\n",
       0,
       1,
       {0x01, 0x02, 0x03, 0x04, 0xAA, 0x00}},
      {"data after an end record resumes one address further",
       ":0100000011EE\r\n:00000001FF\r\n:0100000022DD\r\n",
       0,
       1,
       {0x11, 0x00, 0x22}},
      {"LF only: the second line loses its colon, the leftover checksum gives 3",
       ":0400000001020304F2\n:02100000AABB89\n:00000001FF\n",
       3,
       1,
       {0x01, 0x02, 0x03, 0x04}},
      {"LF only with a leftover checksum of 0 stays 4",
       ":01000000FF00\n:01000000FF00\n",
       4,
       1,
       {0xFF}},
      {"unknown record type after a checksum that cancels it: 2",
       ":0100000003FC\r\n:020000021000EC\r\n",
       2,
       1,
       {0x03}},
      {"unknown record type otherwise turns into 3",
       ":0400000001020304F2\r\n:020000021000EC\r\n",
       3,
       1,
       {0x01}},
      {"wrong checksum", ":0400000001020304F3\r\n:00000001FF\r\n", 3, 1, {0x01}},
      {"a blank line after the end record", ":0100000003FC\r\n:00000001FF\r\n\r\n", 3, 1, {0x03}},
      {"only an end record", ":00000001FF\r\n", 1, 1, {0x00}},
      {"no colon at all", "hello", 4, 1, {0x00}},
      {"the whole image", hexOfOnes(kFirmwareImageBytes), 0, 1025, {0x01, 0x01}},
      {"one byte beyond the image", hexOfOnes(kFirmwareImageBytes + 1), 1, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FirmwareImage image = dirtyImage();
    std::istringstream in(c.text);
    const FirmwareDecode d = decodeFirmwareHex(in, image);
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
      .write(reinterpret_cast<const char*>(content.data()),
             static_cast<std::streamsize>(content.size()));
  const std::string command = std::string(OBJCOPY_PATH) + " -I binary -O ihex '" +
                              dir.file("fw.bin") + "' '" + dir.file("fw.hex") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream hex(dir.file("fw.hex"), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(hex)), std::istreambuf_iterator<char>());
  ASSERT_NE(text.find("\r\n"), std::string::npos);  // the tool ends its lines with CR LF
  std::istringstream hexIn(text);
  FirmwareImage fromHex;
  const FirmwareDecode h = decodeFirmwareHex(hexIn, fromHex);
  std::ifstream binIn(dir.file("fw.bin"), std::ios::binary);
  FirmwareImage fromBin;
  const FirmwareDecode b = decodeFirmwareBinary(binIn, fromBin);
  EXPECT_EQ(h.error, 0);
  EXPECT_EQ(b.error, 0);
  EXPECT_EQ(h.blockCount, 24);
  EXPECT_EQ(b.blockCount, 24);
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
      {1, 0x01, 0x02, 0x04},    // 1 + 1 + 2 + 128 * 2 = 260
      {255, 0xFF, 0x00, 0x00},  // block 254 is zero: 1 + 255 + 0 = 256
      {300, 0x2C, 0x2D, 0x5A},  // 1 + 44 + 45 + 256 = 346
      {1025, 0x01, 0x02, 0x04},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    const auto frame = firmwareFrame(image, c.n);
    ASSERT_EQ(frame.size(), 132u);
    EXPECT_EQ(frame[0], 0x01);
    EXPECT_EQ(frame[1], c.second);
    EXPECT_EQ(frame[2], c.third);
    EXPECT_EQ(frame[131], c.checksum);
  }
}

TEST(FirmwareFormat, OnlyExactlyBinOrHex) {
  EXPECT_EQ(firmwareFormat("ork.bin"), FirmwareFormat::Binary);
  EXPECT_EQ(firmwareFormat("ork.1.hex"), FirmwareFormat::IntelHex);
  for (const char* name : {"ork.BIN", "ork.Hex", "orkbin", "", "ork.hex.txt"})
    EXPECT_FALSE(firmwareFormat(name)) << name;
}

}  // namespace
}  // namespace qx
