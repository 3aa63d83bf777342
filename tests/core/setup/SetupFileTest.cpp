#include "core/setup/SetupFile.h"

#include <gtest/gtest.h>

#include <string>

#include "core/ports/Clock.h"
#include "core/setup/SetupImage.h"

namespace qx {
namespace {

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }
void add(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// A record whose every value is 0 (the start values are not 0).
SetupRecord zeroRecord() {
  SetupRecord r;
  decodeSetupImage(Bytes(435, 0), r);
  return r;
}

const LocalDateTime kSaved{2018, 5, 7, 14, 3, 9};

TEST(SetupFileLayout, WholeFileByteForByte) {
  SetupRecord r = zeroRecord();
  r.cylinderOffset12 = 0x11;
  r.learnIncrement = 500;
  r.sensorDamping = 0x55;
  r.injectorSwitchTime = {0x0101, 0x0202, 0x0303};  // not in the file
  r.ignitionCutRpm = 0x66;
  r.emergencyEnrichment = 0x77;
  const SetupFileUnit unit{"ORK-3Z", "1.0", "1.4", "1.1", 42};

  Bytes expected = text("ORK-Setup 2018.05.07 14:03\r\n");
  // "Zündung" as UTF-16LE, filled with blanks to 100 units, then CR LF as UTF-16LE.
  add(expected, {0x5A, 0x00, 0xFC, 0x00, 0x6E, 0x00, 0x64, 0x00, 0x75, 0x00, 0x6E, 0x00, 0x67, 0x00});
  for (int i = 0; i < 93; ++i) add(expected, {0x20, 0x00});
  add(expected, {0x0D, 0x00, 0x0A, 0x00});
  add(expected, text("HW:\r\n1.0\r\nSW:\r\n1.4\r\nBL:\r\n1.1\r\nORK-3Z......\r\n42      \r\n"));
  Bytes block(429, 0);
  block[0] = 0x11;
  block[418] = 0xF4, block[419] = 0x01;
  block[420] = 0x55;
  block[421] = 0x66;  // image byte 427: the switching times are skipped
  block[428] = 0x77;
  add(expected, block);
  ASSERT_EQ(expected.size(), 715u);

  EXPECT_EQ(encodeSetupFile(r, "Zündung", unit, kSaved), expected);
}

TEST(SetupFileLayout, NoUnitIdentifiedGivesBlanksDotsAndZero) {
  const Bytes file = encodeSetupFile(SetupRecord{}, "", SetupFileUnit{}, kSaved);
  ASSERT_EQ(file.size(), 715u);
  const std::string header(file.begin() + 232, file.begin() + 286);
  EXPECT_EQ(header, "HW:\r\n   \r\nSW:\r\n   \r\nBL:\r\n   \r\n............\r\n0       \r\n");
}

TEST(SetupFileLayout, UnitTextsAreCutAndCannotShiftTheLayout) {
  // Line breaks, control and non-ASCII bytes from the unit: "." in the device type, blanks
  // in the other lines; too long texts are cut.
  const SetupFileUnit unit{"AB\nC\xE4" "DEFGHIJKLM", "1\r0", "12345", "\x7F" "x", 123456789};
  const Bytes file = encodeSetupFile(SetupRecord{}, "", unit, kSaved);
  ASSERT_EQ(file.size(), 715u);
  const std::string header(file.begin() + 232, file.begin() + 286);
  EXPECT_EQ(header, "HW:\r\n1 0\r\nSW:\r\n123\r\nBL:\r\n x \r\nAB.C.DEFGHIJ\r\n12345678\r\n");
}

TEST(SetupFileComment, CutToOneHundredUnitsAndTrimmedWhenRead) {
  const std::string longComment(120, 'x');
  SetupFileContents c = parseSetupFile(encodeSetupFile(SetupRecord{}, longComment, {}, kSaved));
  EXPECT_EQ(c.header.comment, std::string(100, 'x'));

  c = parseSetupFile(encodeSetupFile(SetupRecord{}, "  Hallo", {}, kSaved));
  EXPECT_EQ(c.header.comment, "Hallo");
  EXPECT_TRUE(c.nominal());

  c = parseSetupFile(encodeSetupFile(SetupRecord{}, "Gemisch für Öl ß", {}, kSaved));
  EXPECT_EQ(c.header.comment, "Gemisch für Öl ß");
}

TEST(SetupFileComment, LineBreaksBecomeBlanksAndPairsAreNeverSplit) {
  Bytes line = commentLine("a\r\nb");
  ASSERT_EQ(line.size(), 204u);
  EXPECT_EQ(Bytes(line.begin(), line.begin() + 8), (Bytes{'a', 0, ' ', 0, ' ', 0, 'b', 0}));

  // 99 letters and an emoji (two units): the pair does not fit and is left out whole.
  line = commentLine(std::string(99, 'x') + "\xF0\x9F\x98\x80");
  ASSERT_EQ(line.size(), 204u);
  EXPECT_EQ(line[198], 0x20);
  EXPECT_EQ(line[199], 0x00);
  line = commentLine(std::string(98, 'x') + "\xF0\x9F\x98\x80");
  EXPECT_EQ(Bytes(line.begin() + 196, line.end()),
            (Bytes{0x3D, 0xD8, 0x00, 0xDE, 0x0D, 0x00, 0x0A, 0x00}));
}

TEST(SetupFileRead, HeaderAndBlockOfANominalFile) {
  SetupRecord r = zeroRecord();
  r.mapCell(16, 8) = 0xABCD;
  r.emergencyEnrichment = 9;
  const SetupFileContents c =
      parseSetupFile(encodeSetupFile(r, "x", {"ORK-3Z      ", "1.0", "1.4", "1.1", 7}, kSaved));
  EXPECT_TRUE(c.nominal());
  EXPECT_EQ(c.header.dateLine, "ORK-Setup 2018.05.07 14:03");
  EXPECT_EQ(c.header.device, "ORK-3Z      ");
  EXPECT_EQ(c.header.hardware, "1.0");
  EXPECT_EQ(c.header.bootLoader, "1.1");
  EXPECT_EQ(c.header.restartCount, "7       ");
  EXPECT_EQ(c.block[374], 0xCD);
  EXPECT_EQ(c.block[428], 9);
}

TEST(SetupFileRead, ShortFileReadsZerosAndShiftedHeaderIsNoticed) {
  Bytes file = encodeSetupFile(SetupRecord{}, "x", {}, kSaved);
  for (std::size_t i = 286; i < 715; ++i) file[i] = 0xEE;
  file.resize(386);
  SetupFileContents c = parseSetupFile(file);
  EXPECT_EQ(c.blockBytesRead, 100u);
  EXPECT_EQ(c.block[99], 0xEE);
  EXPECT_EQ(c.block[100], 0);
  EXPECT_FALSE(c.nominal());

  // A device line one byte longer (another writer's UTF-8 letter): the block starts later.
  file = encodeSetupFile(SetupRecord{}, "x", {}, kSaved);
  file.insert(file.begin() + 262, 'Z');
  c = parseSetupFile(file);
  EXPECT_EQ(c.headerSize, 287u);
  EXPECT_EQ(c.header.device, "Z............");
  EXPECT_FALSE(c.nominal());

  // Nothing at all, and an odd byte inside the comment line.
  c = parseSetupFile(Bytes{});
  EXPECT_EQ(c.header.comment, "");
  EXPECT_EQ(c.blockBytesRead, 0u);
  c = parseSetupFile(Bytes{'\n', 'a', 0, 'b'});
  EXPECT_EQ(c.header.comment, "a");
  EXPECT_EQ(c.headerSize, 4u);
}

TEST(SetupFileBlock, LoadingKeepsTheSwitchingTimes) {
  SetupRecord saved = zeroRecord();
  saved.ignitionCutRpm = 120;
  saved.injectorSwitchTime = {10, 20, 30};
  SetupRecord current;
  current.injectorSwitchTime = {111, 222, 333};
  applySetupBlock(setupBlock(saved), current);
  EXPECT_EQ(current.ignitionCutRpm, 120);
  EXPECT_EQ(current.injectorSwitchTime, (PerCylinder<std::int16_t>{111, 222, 333}));
  saved.injectorSwitchTime = current.injectorSwitchTime;
  EXPECT_EQ(current, saved);
}

}  // namespace
}  // namespace qx
