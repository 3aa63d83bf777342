#pragma once

#include <cstdint>

namespace qx {

// A colour; `a` is its opacity (255 opaque, 0 invisible).
struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kOrange{255, 204, 0};
inline constexpr Rgb kLampGrey{127, 127, 127};
// Background of the small drawing areas (lamps).
inline constexpr Rgb kCanvasBackground{128, 128, 128};
}  // namespace colours

}  // namespace qx
