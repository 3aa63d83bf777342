#include "core/setup/SetupImage.h"

#include "core/setup/SetupFields.h"

namespace qx {

namespace {
void putCurve(Bytes& image, std::size_t offset, const Curve& curve) {
  for (std::size_t i = 0; i < curve.size(); ++i) image[offset + i] = curve[i];
}

void getCurve(std::span<const std::uint8_t> image, std::size_t offset, Curve& curve) {
  for (std::size_t i = 0; i < curve.size(); ++i) curve[i] = image[offset + i];
}
}  // namespace

Bytes encodeSetupImage(const SetupRecord& record) {
  Bytes image(kSetupImageSize, 0);
  for (const FieldInfo& f : setupFields()) {
    const std::uint16_t bits = imageBits(record, f);
    const auto at = static_cast<std::size_t>(f.offset);
    image[at] = static_cast<std::uint8_t>(bits & 0xFF);
    if (fieldWidth(f) == 2) image[at + 1] = static_cast<std::uint8_t>(bits >> 8);
  }
  putCurve(image, kAirCurveOffset, record.airTempCorrection);
  putCurve(image, kIgnitionCurveOffset, record.ignitionCurve);
  putCurve(image, kEngineCurveOffset, record.engineTempCorrection);
  for (int t = 0; t < kThrottlePoints; ++t) {
    for (int r = 0; r < kSpeedPoints; ++r) {
      const std::uint16_t cell = record.mapCell(r, t);
      image[mapImageOffset(r, t)] = static_cast<std::uint8_t>(cell & 0xFF);
      image[mapImageOffset(r, t) + 1] = static_cast<std::uint8_t>(cell >> 8);
    }
  }
  return image;
}

bool decodeSetupImage(std::span<const std::uint8_t> image, SetupRecord& record) {
  if (image.size() < kSetupImageSize) return false;
  for (const FieldInfo& f : setupFields()) {
    const std::uint8_t* p = image.data() + f.offset;
    storeImageBits(record, f, fieldWidth(f) == 2 ? readLe16(p) : p[0]);
  }
  getCurve(image, kAirCurveOffset, record.airTempCorrection);
  getCurve(image, kIgnitionCurveOffset, record.ignitionCurve);
  getCurve(image, kEngineCurveOffset, record.engineTempCorrection);
  for (int t = 0; t < kThrottlePoints; ++t)
    for (int r = 0; r < kSpeedPoints; ++r) record.mapCell(r, t) = readLe16(&image[mapImageOffset(r, t)]);
  return true;
}

}  // namespace qx
