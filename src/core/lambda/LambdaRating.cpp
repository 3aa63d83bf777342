#include "core/lambda/LambdaRating.h"

#include <cmath>

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
  const long long magnitude = negative ? -centivolts : centivolts;
  const std::string cents = intText(magnitude % 100);
  return (negative ? "-" : "") + intText(magnitude / 100) + "." +
         (cents.size() < 2 ? "0" + cents : cents);
}

std::array<std::string, 4> lambdaThresholdTexts(const ProgramSettings& settings) {
  std::array<std::string, 4> out;
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = lambdaVoltsText(settings.lambdaThresholdsMv[i]);
  return out;
}

}  // namespace qx
