#pragma once
// Reads the mixed text and binary files of the program front to back: UTF-8 lines, UTF-16LE
// lines and little-endian numbers. Never reads past the end; a read that finds too few
// bytes reports it and takes nothing.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace qx {

class LineReader {
 public:
  explicit LineReader(std::span<const std::uint8_t> data) : data_(data) {}

  // Bytes up to the next LF (or the end), without the line end (LF, and a CR before it).
  std::string utf8Line();
  // UTF-16LE units up to the next LF unit (or the end), without the line end, as UTF-8.
  // An odd last byte belongs to no unit and is skipped.
  std::string utf16Line();
  bool int32(std::int32_t& value);
  bool float32(float& value);

  bool atEnd() const { return pos_ >= data_.size(); }
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

}  // namespace qx
