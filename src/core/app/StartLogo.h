#pragma once
// The start logo's timing: how long it stays, taken from the optional start sound.

#include <cstdint>
#include <optional>
#include <string>

#include "core/util/Bytes.h"

namespace qx {

inline constexpr int kLogoDefaultMs = 1000;
inline constexpr int kLogoMaxMs = 2000;

// Length in milliseconds of a RIFF/WAVE file, from its "fmt " (byte rate) and "data"
// (size) chunks. Nothing when the header is not a usable WAVE header.
std::optional<std::int64_t> wavLengthMs(const Bytes& file);

// The start sound as the platform offers it.
class StartSound {
 public:
  virtual ~StartSound() = default;
  // Whether sound output can be used at all.
  virtual bool initialise() = 0;
  // Loads the file; false when it is missing or unusable.
  virtual bool load(const std::string& path) = 0;
  virtual std::int64_t lengthMs() = 0;
  virtual void play(int volumePercent) = 0;
  virtual void stop() = 0;
};

struct LogoPlan {
  int durationMs = kLogoDefaultMs;
  bool soundPlaying = false;
};

// Decides the logo's display time and starts the sound when one can be played: the sound's
// length limited to 2000 ms, or 1000 ms without a usable sound.
LogoPlan startLogoSound(StartSound& sound, const std::string& programDirectory);

}  // namespace qx
