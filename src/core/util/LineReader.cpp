#include "core/util/LineReader.h"

#include <cstring>

#include "core/util/Bytes.h"
#include "core/util/Text.h"

namespace qx {

std::string LineReader::utf8Line() {
  const std::uint8_t* start = data_.data() + pos_;
  const std::size_t left = data_.size() - pos_;
  const void* lf = left == 0 ? nullptr : std::memchr(start, '\n', left);
  const std::size_t length =
      lf ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(lf) - start) : left;
  pos_ += lf ? length + 1 : length;
  const std::size_t kept = length > 0 && start[length - 1] == '\r' ? length - 1 : length;
  return std::string(reinterpret_cast<const char*>(start), kept);
}

std::string LineReader::utf16Line() {
  const std::size_t start = pos_;
  std::size_t end = data_.size();
  bool found = false;
  while (pos_ + 1 < data_.size()) {
    const std::uint16_t unit = readLe16(&data_[pos_]);
    pos_ += 2;
    if (unit == 0x000A) {
      end = pos_ - 2;
      found = true;
      break;
    }
  }
  if (!found) pos_ = data_.size();
  std::size_t length = (end - start) & ~std::size_t{1};
  if (length >= 2 && readLe16(&data_[start + length - 2]) == 0x000D) length -= 2;
  return utf16leToUtf8(data_.data() + start, length);
}

bool LineReader::int32(std::int32_t& value) {
  if (remaining() < 4) return false;
  value = static_cast<std::int32_t>(readLe32(&data_[pos_]));
  pos_ += 4;
  return true;
}

bool LineReader::float32(float& value) {
  if (remaining() < 4) return false;
  value = readLeFloat(&data_[pos_]);
  pos_ += 4;
  return true;
}

}  // namespace qx
