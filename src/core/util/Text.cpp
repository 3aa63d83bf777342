#include "core/util/Text.h"

#include <vector>

namespace qx {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point starting at s[i]; advances i. Malformed input yields U+FFFD.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1, cp = b0 & 0x1F, minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, cp = b0 & 0x0F, minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, cp = b0 & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return kReplacement;
  }
  if (i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return kReplacement;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
  return cp;
}
}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string latin1ToUtf8(std::string_view bytes) {
  std::string out;
  for (char c : bytes) appendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

Bytes utf8ToUtf16le(std::string_view utf8) {
  Bytes out;
  out.reserve(utf8.size() * 2);
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = decodeUtf8(utf8, i);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      appendLe16(out, static_cast<std::uint16_t>(0xD800 + (cp >> 10)));
      appendLe16(out, static_cast<std::uint16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      appendLe16(out, static_cast<std::uint16_t>(cp));
    }
  }
  return out;
}

std::string utf16leToUtf8(const std::uint8_t* data, std::size_t size) {
  std::string out;
  const std::size_t units = size / 2;
  for (std::size_t k = 0; k < units; ++k) {
    char32_t u = readLe16(data + 2 * k);
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
      char32_t lo = readLe16(data + 2 * (k + 1));
      if (lo >= 0xDC00 && lo <= 0xDFFF) {
        appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
        ++k;
        continue;
      }
    }
    if (u >= 0xD800 && u <= 0xDFFF) u = kReplacement;
    appendUtf8(out, u);
  }
  return out;
}

std::string unitTextForLine(std::string_view bytes, char replacement) {
  std::string cleaned(bytes);
  for (char& c : cleaned) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) c = replacement;
  }
  return latin1ToUtf8(cleaned);
}

std::size_t utf8Length(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    decodeUtf8(utf8, i);
    ++n;
  }
  return n;
}

std::string utf8Left(std::string_view utf8, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; k < n && i < utf8.size(); ++k) decodeUtf8(utf8, i);
  return std::string(utf8.substr(0, i));
}

}  // namespace qx
