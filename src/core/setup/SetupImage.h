#pragma once
// The SetupImage: the fixed 435-byte form of the SetupRecord that travels to and from the
// unit. 16-bit values are little-endian; the InjectionMap is grouped by throttle row.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/setup/SetupRecord.h"
#include "core/util/Bytes.h"

namespace qx {

inline constexpr std::size_t kSetupImageSize = 435;
inline constexpr std::size_t kAirCurveOffset = 36;
inline constexpr std::size_t kIgnitionCurveOffset = 53;
inline constexpr std::size_t kInjectionMapOffset = 70;
inline constexpr std::size_t kEngineCurveOffset = 376;

// Image offset of InjectionMap cell (r, t).
constexpr std::size_t mapImageOffset(int r, int t) {
  return kInjectionMapOffset + static_cast<std::size_t>(34 * t + 2 * r);
}

Bytes encodeSetupImage(const SetupRecord& record);

// Fills every field of the record from the image; fewer than 435 bytes leave the record
// unchanged and return false.
bool decodeSetupImage(std::span<const std::uint8_t> image, SetupRecord& record);

}  // namespace qx
