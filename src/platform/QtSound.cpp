#include "platform/QtSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "core/util/Files.h"
#include "platform/QtText.h"

namespace qx {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

// Qt Multimedia is always there; whether an output device exists is only asked once a
// sound file is at hand, so a start without "ork.wav" does not wake the sound system.
bool QtSound::initialise() { return true; }

bool QtSound::load(const std::string& path) {
  const auto bytes = readWholeFile(path);
  if (!bytes) return false;
  const auto length = wavLengthMs(*bytes);
  if (!length) return false;
  if (QMediaDevices::audioOutputs().isEmpty()) return false;
  effect_ = std::make_unique<QSoundEffect>();
  lengthMs_ = *length;
  effect_->setSource(QUrl::fromLocalFile(toQ(path)));
  return true;
}

void QtSound::play(int volumePercent) {
  if (!effect_) return;
  effect_->setVolume(static_cast<float>(volumePercent) / 100.0f);
  effect_->play();
}

void QtSound::stop() {
  if (effect_) effect_->stop();
}

}  // namespace qx
