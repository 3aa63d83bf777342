#include "core/lambda/LambdaRating.h"

#include <cmath>
#include <iterator>

#include "core/app/ProgramSettings.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr long long kHighestRated = 2000;  // mV; above it a cell is drawn black
}

LambdaThresholds lambdaThresholds(const ProgramSettings& settings) {
  const auto& mv = settings.lambdaThresholdsMv;
  return {mv[0], mv[1], mv[2], mv[3]};
}

LambdaRating rateLambda(long long mv, const LambdaThresholds& t) {
  const double v = static_cast<double>(mv);
  if (v >= 0 && v <= t.veryLean) return LambdaRating::VeryLean;
  if (v >= t.veryLean && v <= t.lean) return LambdaRating::Lean;
  if (v >= t.lean && v <= t.rich) return LambdaRating::Good;
  if (v >= t.rich && v <= t.veryRich) return LambdaRating::Rich;
  if (v >= t.veryRich && mv <= kHighestRated) return LambdaRating::VeryRich;
  return LambdaRating::OutOfRange;
}

Rgb lambdaRatingColour(LambdaRating rating) {
  switch (rating) {
    case LambdaRating::VeryLean:
      return {2, 123, 255};
    case LambdaRating::Lean:
      return {2, 249, 255};
    case LambdaRating::Good:
      return {2, 255, 25};
    case LambdaRating::Rich:
      return {230, 255, 2};
    case LambdaRating::VeryRich:
      return {255, 113, 2};
    case LambdaRating::OutOfRange:
      break;
  }
  return colours::kBlack;
}

std::string lambdaRatingSymbol(LambdaRating rating) {
  switch (rating) {
    case LambdaRating::VeryLean:
      return "- -";
    case LambdaRating::Lean:
      return " -";
    case LambdaRating::Rich:
      return " +";
    case LambdaRating::VeryRich:
      return "+ +";
    default:
      return "";
  }
}

std::string lambdaVoltsText(double mv) {
  if (!std::isfinite(mv)) mv = 0;
  mv = clampTo(mv, -1e12, 1e12);
  // Rounded on whole centivolts first: mv / 10 is exact at the halves, so 1005 mV gives
  // 1.01 and not the 1.00 that the binary value of 1.005 would.
  const long long centivolts = roundHalfAway(mv / 10.0);
  const bool negative = centivolts < 0;
  unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(centivolts) : centivolts;
  // Digits from the right: two decimals, the point, then the whole volts (at least "0").
  char digits[24];
  char* p = std::end(digits);
  for (int i = 0; i < 2; ++i, magnitude /= 10) *--p = static_cast<char>('0' + magnitude % 10);
  *--p = '.';
  do *--p = static_cast<char>('0' + magnitude % 10);
  while ((magnitude /= 10) != 0);
  if (negative) *--p = '-';
  return std::string(p, std::end(digits));
}

std::array<std::string, 4> lambdaThresholdTexts(const ProgramSettings& settings) {
  std::array<std::string, 4> out;
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = lambdaVoltsText(settings.lambdaThresholdsMv[i]);
  return out;
}

}  // namespace qx
