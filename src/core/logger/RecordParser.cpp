// Reading the fields of record lines. Loading a big log is mostly this, so the usual fields
// (plain integers and decimals) take a fast path; everything else goes the general way of
// decimalReading, and both give the same float for the same text.

#include <cstring>

#include "core/logger/LogFormat.h"
#include "core/util/Numbers.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qx {

namespace {
constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Digits with an optional fraction, at most 15 digits, read exactly: a division of two
// exactly held doubles is correctly rounded, so this gives the value of the general reading.
// p ends behind what was read.
bool plainDigits(const char*& p, const char* end, double& value) {
  std::uint64_t mantissa = 0;
  int digits = 0, decimals = 0;
  while (p < end && static_cast<unsigned>(*p - '0') < 10) {
    mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    ++digits;
  }
  if (p < end && *p == '.') {
    ++p;
    while (p < end && static_cast<unsigned>(*p - '0') < 10) {
      mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
      ++digits;
      ++decimals;
    }
  }
  if (digits == 0 || digits > 15) return false;
  value =
      decimals ? static_cast<double>(mantissa) / kPow10[decimals] : static_cast<double>(mantissa);
  return true;
}

LogRecord parseScalar(const char* p, const char* const end) {
  LogRecord r{};
  for (std::size_t c = 0; c < kLogColumns; ++c) {
    const char* q = p;
    bool negative = false;
    if (q < end && (*q == '-' || *q == '+')) negative = *q++ == '-';
    double v = 0;
    if (plainDigits(q, end, v) && q < end && *q == ',') {
      r[c] = static_cast<float>(negative ? -v : v);
      p = q + 1;
      continue;
    }
    const auto* comma =
        static_cast<const char*>(std::memchr(p, ',', static_cast<std::size_t>(end - p)));
    if (!comma) break;
    r[c] = logFieldValue(std::string_view(p, static_cast<std::size_t>(comma - p)));
    p = comma + 1;
  }
  return r;
}

#if defined(__SSE2__)
// The value of n (0..8) ASCII digits at q; up to 8 bytes from q are read.
std::uint64_t eightDigits(const char* q, unsigned n) {
  if (n == 0) return 0;
  std::uint64_t v;
  std::memcpy(&v, q, 8);
  // The digits moved to the high bytes; the low bytes become leading zeros.
  v = (v - 0x3030303030303030ULL) << (8 * (8 - n));
  v = v * 10 + (v >> 8);
  v = (((v & 0x000000FF000000FFULL) * 0x000F424000000064ULL) +
       (((v >> 16) & 0x000000FF000000FFULL) * 0x0000271000000001ULL)) >>
      32;
  return static_cast<std::uint32_t>(v);
}

std::uint64_t digitsValue(const char* q, unsigned n) {
  if (n <= 8) return eightDigits(q, n);
  return eightDigits(q, n - 8) * 100000000ULL + eightDigits(q + n - 8, 8);
}

// A plain number of at most 15 digits: `length` bytes at p, where bit i of digits, dots
// tells whether p[i] is a digit or a point. The value, or false for anything else.
bool plainNumber(const char* p, unsigned length, std::uint64_t digits, std::uint64_t dots,
                 float& value) {
  const std::uint64_t sign = p[0] == '-' ? 1 : 0;
  const std::uint64_t body = ((std::uint64_t{1} << length) - 1) & ~sign;
  const std::uint64_t dot = dots & body;
  if (((digits | dot) & body) != body || (dot & (dot - 1)) != 0) return false;
  const unsigned at = dot ? static_cast<unsigned>(__builtin_ctzll(dot)) : length;
  const unsigned whole = at - static_cast<unsigned>(sign);
  const unsigned fraction = dot ? length - at - 1 : 0;
  if (whole + fraction == 0 || whole + fraction > 15) return false;
  const char* q = p + sign;
  std::uint64_t mantissa = digitsValue(q, whole);
  if (fraction == 0) {
    // An integer below 2^53 rounds to the same float directly as through a double.
    const auto f = static_cast<float>(static_cast<std::int64_t>(mantissa));
    value = sign ? -f : f;
    return true;
  }
  mantissa = mantissa * static_cast<std::uint64_t>(kPow10[fraction]) +
             digitsValue(q + whole + 1, fraction);
  const double d = static_cast<double>(static_cast<std::int64_t>(mantissa)) / kPow10[fraction];
  value = static_cast<float>(sign ? -d : d);
  return true;
}

// Bit i tells whether line[i] is a comma, a digit, a point (64 bytes from line are read).
struct LineMasks {
  std::uint64_t commas = 0, digits = 0, dots = 0;
};
LineMasks classify(const char* line, std::size_t size) {
  LineMasks m;
  for (int k = 0; k < 4; ++k) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + 16 * k));
    const __m128i shifted = _mm_sub_epi8(v, _mm_set1_epi8('0'));
    const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(9)), shifted);
    auto bits = [k](__m128i x) {
      return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(x))) << (16 * k);
    };
    m.commas |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')));
    m.digits |= bits(digit);
    m.dots |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('.')));
  }
  if (size < 64) m.commas &= (std::uint64_t{1} << size) - 1;
  return m;
}
#endif
}  // namespace

float logFieldValue(std::string_view field) {
  const char* p = field.data();
  const char* const end = p + field.size();
  bool negative = false;
  if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
  double v = 0;
  if (plainDigits(p, end, v) && p == end) return static_cast<float>(negative ? -v : v);
  return decimalReading(field);
}

LogRecord parseRecordLinePadded(const char* line, std::size_t size) {
#if defined(__SSE2__)
  // Lines of up to 64 bytes (all the logger writes below 100,000,000 ms) are classified at
  // once; the fields then do not wait for each other.
  if (size > 64) return parseScalar(line, line + size);
  LogRecord r{};
  const LineMasks m = classify(line, size);
  std::uint64_t commas = m.commas;
  unsigned start = 0;
  for (std::size_t c = 0; c < kLogColumns && commas; ++c) {
    const auto end = static_cast<unsigned>(__builtin_ctzll(commas));
    commas &= commas - 1;
    const unsigned length = end - start;
    if (length == 1 && (m.digits >> start & 1)) {
      r[c] = static_cast<float>(line[start] - '0');  // the switch columns
    } else if (length > 0 &&
               !plainNumber(line + start, length, m.digits >> start, m.dots >> start, r[c])) {
      r[c] = logFieldValue(std::string_view(line + start, length));
    }
    start = end + 1;
  }
  return r;
#else
  return parseScalar(line, line + size);
#endif
}

LogRecord parseRecordLine(std::string_view line) {
  constexpr std::size_t kCopy = 256;
  if (line.size() + kRecordLinePadding > kCopy)
    return parseScalar(line.data(), line.data() + line.size());
  char padded[kCopy] = {};
  std::memcpy(padded, line.data(), line.size());
  return parseRecordLinePadded(padded, line.size());
}

}  // namespace qx
