#include "core/util/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace qx {

namespace {
long long saturate(double x) {
  if (std::isnan(x)) return 0;
  constexpr double lo = static_cast<double>(std::numeric_limits<long long>::min());
  constexpr double hi = static_cast<double>(std::numeric_limits<long long>::max());
  if (x <= lo) return std::numeric_limits<long long>::min();
  if (x >= hi) return std::numeric_limits<long long>::max();
  return static_cast<long long>(x);
}
}  // namespace

long long roundHalfAway(double x) {
  return x > 0 ? saturate(std::floor(x + 0.5)) : saturate(std::ceil(x - 0.5));
}

long long roundHalfEven(double x) {
  if (!std::isfinite(x)) return saturate(x);
  return saturate(std::nearbyint(x));  // default rounding mode is to nearest, ties to even
}

long long truncateToInt(double x) { return saturate(std::trunc(x)); }

std::string intText(long long value) { return std::to_string(value); }

std::string fixedText(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  if (decimals < 0) decimals = 0;
  // Round half away from zero at the last decimal on a scaled integer, then print digits.
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  if (std::fabs(scaled) < 9e15) {
    long long r = roundHalfAway(scaled);
    const bool negative = r < 0;
    unsigned long long mag = negative ? 0ULL - static_cast<unsigned long long>(r)
                                      : static_cast<unsigned long long>(r);
    std::string digits = std::to_string(mag);
    if (decimals > 0) {
      if (digits.size() <= static_cast<size_t>(decimals))
        digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
      digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
    }
    return (negative ? "-" : "") + digits;
  }
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, res.ptr);
}

std::optional<double> parseDecimal(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double v = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), v);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
  return v;
}

}  // namespace qx
