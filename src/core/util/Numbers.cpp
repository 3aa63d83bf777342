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

namespace {
std::string_view skipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

long long integerReading(std::string_view text) {
  text = skipBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && (text.front() == '$' || text.front() == '%')) {
    base = text.front() == '$' ? 16 : 2;
    text.remove_prefix(1);
  }
  long long value = 0;
  for (char c : text) {
    const int d = digitValue(c);
    if (d >= base) break;
    value = value * base + d;
    if (value >= kReadingLimit) {
      value = kReadingLimit;
      break;
    }
  }
  return negative ? -value : value;
}

float decimalReading(std::string_view text) {
  text = skipBlanks(text);
  // The longest prefix of the form [sign] digits [. digits] [e [sign] digits].
  std::size_t n = 0;
  auto digits = [&] {
    std::size_t start = n;
    while (n < text.size() && isDigit(text[n])) ++n;
    return n > start;
  };
  if (n < text.size() && (text[n] == '+' || text[n] == '-')) ++n;
  bool any = digits();
  if (n < text.size() && text[n] == '.') {
    ++n;
    any = digits() || any;
  }
  if (!any) return 0.0f;
  const std::size_t mantissaEnd = n;
  if (n < text.size() && (text[n] == 'e' || text[n] == 'E')) {
    ++n;
    if (n < text.size() && (text[n] == '+' || text[n] == '-')) ++n;
    if (!digits()) n = mantissaEnd;
  }
  std::string_view number = text.substr(0, n);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double value = 0;
  auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Far too large or too small: saturate (or flush to zero) like the float range does.
    const bool tiny = number.find_first_of("eE") != std::string_view::npos &&
                      number.find("-", number.find_first_of("eE")) != std::string_view::npos;
    if (tiny) return 0.0f;
    value = number.front() == '-' ? -1e300 : 1e300;
  } else if (res.ec != std::errc()) {
    return 0.0f;
  }
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(clampTo(value, -kMax, kMax));
}

}  // namespace qx
