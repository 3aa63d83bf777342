#include "core/util/Text.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(Utf16, UmlautsAndSupplementaryCharactersRoundTrip) {
  const std::string s = "Zündung Ä ß €𝄞";
  Bytes b = utf8ToUtf16le(s);
  // "Z" then "ü" (0x00FC) little-endian.
  ASSERT_GE(b.size(), 4u);
  EXPECT_EQ(b[0], 'Z');
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[2], 0xFC);
  EXPECT_EQ(b[3], 0x00);
  EXPECT_EQ(utf16leToUtf8(b.data(), b.size()), s);
}

TEST(Utf16, BrokenInputGivesReplacementCharactersNotGarbage) {
  const std::string bad = "a\xC3";  // truncated sequence
  Bytes b = utf8ToUtf16le(bad);
  ASSERT_EQ(b.size(), 4u);
  EXPECT_EQ(readLe16(b.data() + 2), 0xFFFD);
  const std::uint8_t lone[] = {0x00, 0xD8, 'x', 0x00, 'y'};  // unpaired surrogate, odd byte
  EXPECT_EQ(utf16leToUtf8(lone, sizeof lone), "\xEF\xBF\xBDx");
}

TEST(Utf8, LengthAndLeftCountCharactersNotBytes) {
  EXPECT_EQ(utf8Length("Zündung"), 7u);
  EXPECT_EQ(utf8Left("Zündung", 2), "Zü");
  EXPECT_EQ(utf8Left("ab", 10), "ab");
}

}  // namespace
}  // namespace qx
