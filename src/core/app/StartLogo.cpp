#include "core/app/StartLogo.h"

#include <algorithm>
#include <cstring>

namespace qx {

std::optional<std::int64_t> wavLengthMs(const Bytes& file) {
  if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
      std::memcmp(file.data() + 8, "WAVE", 4) != 0)
    return std::nullopt;
  std::uint32_t byteRate = 0;
  std::optional<std::uint32_t> dataSize;
  std::size_t pos = 12;
  while (pos + 8 <= file.size()) {
    const std::uint8_t* chunk = file.data() + pos;
    const std::uint32_t size = readLe32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16 && pos + 8 + 16 <= file.size()) {
      byteRate = readLe32(chunk + 8 + 8);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      // A truncated file plays what is there.
      dataSize = static_cast<std::uint32_t>(
          std::min<std::uint64_t>(size, file.size() - (pos + 8)));
      break;
    }
    pos += 8 + static_cast<std::size_t>(size) + (size & 1);  // chunks are word aligned
  }
  if (byteRate == 0 || !dataSize) return std::nullopt;
  return static_cast<std::int64_t>(*dataSize) * 1000 / byteRate;
}

LogoPlan startLogoSound(StartSound& sound, const std::string& programDirectory) {
  LogoPlan plan;
  if (!sound.initialise() || !sound.load(programDirectory + "ork.wav")) return plan;
  const std::int64_t length = sound.lengthMs();
  if (length <= 0) return plan;
  plan.durationMs = static_cast<int>(std::min<std::int64_t>(length, kLogoMaxMs));
  sound.play(100);
  plan.soundPlaying = true;
  return plan;
}

}  // namespace qx
