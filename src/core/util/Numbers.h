#pragma once
// Locale-independent number helpers: every number the program shows or writes uses a
// decimal point, whatever the system locale says.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

// Rounds halves away from zero: 2.5 -> 3, -2.5 -> -3.
long long roundHalfAway(double x);

// Rounds halves to the nearest even integer: 2.5 -> 2, 3.5 -> 4.
long long roundHalfEven(double x);

// Cuts toward zero: 2.9 -> 2, -2.9 -> -2. Values outside the range of long long saturate.
long long truncateToInt(double x);

// Decimal text of an integer.
std::string intText(long long value);

// Fixed-point text with the given number of decimals and a point as separator.
// The value is rounded half away from zero at the last shown decimal.
std::string fixedText(double value, int decimals);

// Reads a decimal number with a point as separator ("12.5", "-3", " 7 ").
// Returns nothing for empty or malformed text.
std::optional<double> parseDecimal(std::string_view text);

// Reads the whole number at the start of a typed text: blanks and tabs skipped, an optional
// sign, then decimal digits ("$" before them: hexadecimal, "%": binary); reading stops at the
// first other character. Text without a number reads as 0. Huge numbers saturate at
// +-kReadingLimit, so that offsets may still be added without overflow.
inline constexpr long long kReadingLimit = 1'000'000'000'000'000LL;
long long integerReading(std::string_view text);

// Reads the decimal number at the start of a typed text as a single-precision value: blanks
// and tabs skipped, optional sign, digits with an optional point and fraction and an optional
// exponent; reading stops at the first other character. Text without a number reads as 0;
// values beyond the float range saturate at the largest float.
float decimalReading(std::string_view text);

// Clamps v into [lo, hi].
template <typename T>
constexpr T clampTo(T v, T lo, T hi) {
  return v < lo ? lo : (hi < v ? hi : v);
}

}  // namespace qx
