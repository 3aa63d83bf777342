#pragma once
// How a lambda probe voltage is rated against the four display thresholds, and the colours
// and symbols of the ratings in the lambda table, its legend and its printout.

#include <array>
#include <string>

#include "core/util/Rgb.h"

namespace qx {

struct ProgramSettings;

// In the order the rules are tried; OutOfRange is a negative value or one above 2000 mV.
enum class LambdaRating { VeryLean, Lean, Good, Rich, VeryRich, OutOfRange };

// The four thresholds in mV, as the system window keeps them.
struct LambdaThresholds {
  double veryRich = 800, rich = 600, lean = 400, veryLean = 200;
};
LambdaThresholds lambdaThresholds(const ProgramSettings& settings);

// The first rule that holds wins, so a value on a threshold takes the leaner rating.
LambdaRating rateLambda(long long mv, const LambdaThresholds& t);

Rgb lambdaRatingColour(LambdaRating rating);
// "- -", " -", "", " +", "+ +"; nothing for a value out of range.
std::string lambdaRatingSymbol(LambdaRating rating);

// The ratings whose colours the legend and the printout show, leanest first.
inline constexpr std::array<LambdaRating, 5> kLambdaLegendRatings{
    LambdaRating::VeryLean, LambdaRating::Lean, LambdaRating::Good, LambdaRating::Rich,
    LambdaRating::VeryRich};

// A voltage given in mV as volts with 2 decimals ("1.23"), rounded half away from zero.
std::string lambdaVoltsText(double mv);

// The thresholds as the lambda window shows them next to "sehr fett (++)", "fett (+)",
// "mager (-)" and "sehr mager (--)", in that order.
std::array<std::string, 4> lambdaThresholdTexts(const ProgramSettings& settings);

}  // namespace qx
