#include <cmath>
#include "core/lambda/LambdaRating.h"

#include <gtest/gtest.h>

#include "core/app/ProgramSettings.h"
#include "core/lambda/LambdaLogger.h"

namespace qx {
namespace {

TEST(LambdaRating, AValueOnAThresholdTakesTheFirstRuleAndBeyond2000mVIsBlack) {
  const LambdaThresholds t = lambdaThresholds(ProgramSettings{});  // 800, 600, 400, 200
  const Rgb veryLean{2, 123, 255}, lean{2, 249, 255}, good{2, 255, 25}, rich{230, 255, 2},
      veryRich{255, 113, 2}, black{0, 0, 0};
  const std::tuple<long long, Rgb, const char*> cases[] = {
      {0, veryLean, "- -"},   {200, veryLean, "- -"},  {201, lean, " -"}, {400, lean, " -"},
      {401, good, ""},        {600, good, ""},         {601, rich, " +"}, {800, rich, " +"},
      {801, veryRich, "+ +"}, {2000, veryRich, "+ +"}, {2001, black, ""}, {-1, black, ""}};
  for (const auto& [mv, colour, symbol] : cases) {
    EXPECT_EQ(lambdaRatingColour(rateLambda(mv, t)), colour) << mv;
    EXPECT_EQ(lambdaRatingSymbol(rateLambda(mv, t)), symbol) << mv;
  }
}

TEST(LambdaRating, VoltsHaveTwoDecimalsRoundedHalfAwayOnWholeMillivolts) {
  const std::pair<double, const char*> cases[] = {{1234, "1.23"}, {1005, "1.01"}, {5, "0.01"},
                                                  {4, "0.00"},    {-15, "-0.02"}, {450.5, "0.45"},
                                                  {-4, "0.00"},   {123456, "123.46"},
                                                  {1e15, "1000000000.00"}, {-1e15, "-1000000000.00"},
                                                  {std::nan(""), "0.00"}};
  for (const auto& [mv, text] : cases) EXPECT_EQ(lambdaVoltsText(mv), text) << mv;
  ProgramSettings s;
  s.lambdaThresholdsMv = {1500.0f, 605.0f, 400.0f, 0.0f};
  EXPECT_EQ(lambdaThresholdTexts(s), (std::array<std::string, 4>{"1.50", "0.61", "0.40", "0.00"}));
}

TEST(LambdaComment, KeepsTheFirst100CharactersWithoutLineBreaksOrCommas) {
  std::string x99(99, 'x'), u100;
  for (int i = 0; i < 100; ++i) u100 += "ä";
  const std::pair<std::string, std::string> cases[] = {
      {"a,b\nc", "abc"}, {",\r\n", "..."}, {x99 + ",y", x99}, {u100 + "ö", u100}};
  for (const auto& [typed, kept] : cases) EXPECT_EQ(cleanLambdaComment(typed), kept) << typed;
}

}  // namespace
}  // namespace qx
