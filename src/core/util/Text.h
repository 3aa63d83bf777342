#pragma once
// Text encodings of the program's files: UTF-8 everywhere, UTF-16LE for comment lines.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/util/Bytes.h"

namespace qx {

// UTF-8 text as UTF-16 little-endian bytes (no byte-order mark). Malformed UTF-8 bytes
// become U+FFFD.
Bytes utf8ToUtf16le(std::string_view utf8);

// UTF-16 little-endian bytes as UTF-8. An odd trailing byte is dropped and unpaired
// surrogates become U+FFFD, so any input gives valid UTF-8.
std::string utf16leToUtf8(const std::uint8_t* data, std::size_t size);

// Number of Unicode characters (code points) in UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

// The first n characters (code points) of UTF-8 text.
std::string utf8Left(std::string_view utf8, std::size_t n);

// Bytes taken one per character (as the unit sends its texts) as UTF-8 display text.
std::string latin1ToUtf8(std::string_view bytes);

// A text from the unit (one byte per character) for a line of text: bytes below 0x20 and
// DEL become `replacement`, so a line break sent by the unit cannot split the line.
std::string unitTextForLine(std::string_view bytes, char replacement);

// Appends one code point as UTF-8.
void appendUtf8(std::string& out, char32_t cp);

}  // namespace qx
