#include "core/app/StartLogo.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qx {
namespace {

// A RIFF/WAVE header: 44.1 kHz, 16-bit stereo (byte rate 176400), then `dataBytes` of
// silence, with an optional extra chunk before "data".
Bytes wave(std::uint32_t dataBytes, bool listChunk = false, std::uint32_t byteRate = 176400) {
  Bytes b;
  b.reserve(64 + dataBytes);
  auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
  tag("RIFF");
  appendLe32(b, 36 + dataBytes + (listChunk ? 14 : 0));
  tag("WAVE");
  tag("fmt ");
  appendLe32(b, 16);
  appendLe16(b, 1);      // PCM
  appendLe16(b, 2);      // channels
  appendLe32(b, 44100);  // sample rate
  appendLe32(b, byteRate);
  appendLe16(b, 4);   // block align
  appendLe16(b, 16);  // bits
  if (listChunk) {
    tag("LIST");
    appendLe32(b, 5);  // odd size: padded to 6
    b.insert(b.end(), {'I', 'N', 'F', 'O', 'x', 0});
  }
  tag("data");
  appendLe32(b, dataBytes);
  b.resize(b.size() + dataBytes, 0);
  return b;
}

TEST(WavLength, ComesFromByteRateAndDataSize) {
  EXPECT_EQ(wavLengthMs(wave(176400 * 5)), 5000);
  EXPECT_EQ(wavLengthMs(wave(88200)), 500);
  EXPECT_EQ(wavLengthMs(wave(88200, true)), 500);  // other chunks are skipped, with padding
  EXPECT_EQ(wavLengthMs(wave(0)), 0);
}

TEST(WavLength, UnusableHeadersGiveNothing) {
  EXPECT_FALSE(wavLengthMs({}).has_value());
  Bytes notWave = wave(1000);
  std::memcpy(notWave.data() + 8, "AVI ", 4);
  EXPECT_FALSE(wavLengthMs(notWave).has_value());
  EXPECT_FALSE(wavLengthMs(wave(1000, false, 0)).has_value());  // no division by zero
  Bytes truncated = wave(176400);
  truncated.resize(40);  // cut inside the chunk list: no data chunk
  EXPECT_FALSE(wavLengthMs(truncated).has_value());
  // A data chunk that claims more than the file holds plays what is there.
  Bytes shortData = wave(176400);
  shortData.resize(44 + 17640);
  EXPECT_EQ(wavLengthMs(shortData), 100);
}

class FakeSound final : public StartSound {
 public:
  bool initialise() override { return available; }
  bool load(const std::string& path) override {
    loadedPath = path;
    return loads;
  }
  std::int64_t lengthMs() override { return length; }
  void play(int volume) override { playedAt = volume; }
  void stop() override {}

  bool available = true;
  bool loads = true;
  std::int64_t length = 0;
  int playedAt = -1;
  std::string loadedPath;
};

TEST(StartLogoSound, FiveSecondSoundGivesTwoSecondsAndPlaysAtFullVolume) {
  FakeSound sound;
  sound.length = 5000;
  LogoPlan plan = startLogoSound(sound, "/opt/ork/");
  EXPECT_EQ(plan.durationMs, 2000);
  EXPECT_TRUE(plan.soundPlaying);
  EXPECT_EQ(sound.playedAt, 100);
  EXPECT_EQ(sound.loadedPath, "/opt/ork/ork.wav");

  sound.length = 1500;
  EXPECT_EQ(startLogoSound(sound, "/").durationMs, 1500);
}

TEST(StartLogoSound, WithoutAUsableSoundTheLogoShowsOneSecond) {
  FakeSound missing;
  missing.loads = false;
  FakeSound silent;  // length 0
  FakeSound noDevice;
  noDevice.available = false;
  noDevice.length = 5000;
  for (FakeSound* s : {&missing, &silent, &noDevice}) {
    LogoPlan plan = startLogoSound(*s, "/");
    EXPECT_EQ(plan.durationMs, 1000);
    EXPECT_FALSE(plan.soundPlaying);
    EXPECT_EQ(s->playedAt, -1);
  }
}

}  // namespace
}  // namespace qx
