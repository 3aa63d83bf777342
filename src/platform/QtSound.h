#pragma once

#include <memory>

#include "core/app/StartLogo.h"

class QSoundEffect;

namespace qx {

// The start sound played through Qt Multimedia. The length comes from the WAV header,
// since the sound effect cannot tell it.
class QtSound final : public StartSound {
 public:
  QtSound();
  ~QtSound() override;
  bool initialise() override;
  bool load(const std::string& path) override;
  std::int64_t lengthMs() override { return lengthMs_; }
  void play(int volumePercent) override;
  void stop() override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
  std::int64_t lengthMs_ = 0;
};

}  // namespace qx
