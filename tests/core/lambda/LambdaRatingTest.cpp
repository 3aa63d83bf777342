#include "core/lambda/LambdaRating.h"

#include <gtest/gtest.h>

#include "core/app/ProgramSettings.h"
#include "core/lambda/LambdaLogger.h"

namespace qx {
namespace {

TEST(LambdaRating, AValueOnAThresholdTakesTheFirstRuleAndBeyond2000mVIsBlack) {
  const LambdaThresholds t = lambdaThresholds(ProgramSettings{});  // 800, 600, 400, 200
  struct Case {
    long long mv;
    Rgb colour;
    const char* symbol;
  };
  const Rgb veryLean{2, 123, 255}, lean{2, 249, 255}, good{2, 255, 25}, rich{230, 255, 2},
      veryRich{255, 113, 2}, black{0, 0, 0};
  const Case cases[] = {
      {0, veryLean, "- -"},   {200, veryLean, "- -"},  {201, lean, " -"}, {400, lean, " -"},
      {401, good, ""},        {600, good, ""},         {601, rich, " +"}, {800, rich, " +"},
      {801, veryRich, "+ +"}, {2000, veryRich, "+ +"}, {2001, black, ""}, {-1, black, ""},
  };
  for (const Case& c : cases) {
    const LambdaRating r = rateLambda(c.mv, t);
    EXPECT_EQ(lambdaRatingColour(r), c.colour) << c.mv;
    EXPECT_EQ(lambdaRatingSymbol(r), c.symbol) << c.mv;
  }
}

TEST(LambdaRating, VoltsHaveTwoDecimalsRoundedHalfAwayOnWholeMillivolts) {
  const std::pair<double, const char*> cases[] = {
      {1234, "1.23"}, {1235, "1.24"}, {1005, "1.01"},   {5, "0.01"},    {4, "0.00"},
      {0, "0.00"},    {800, "0.80"},  {65535, "65.54"}, {-15, "-0.02"}, {450.5, "0.45"}};
  for (const auto& [mv, text] : cases) EXPECT_EQ(lambdaVoltsText(mv), text) << mv;

  ProgramSettings s;
  s.lambdaThresholdsMv = {1500.0f, 605.0f, 400.0f, 0.0f};
  const std::array<std::string, 4> shown{"1.50", "0.61", "0.40", "0.00"};
  EXPECT_EQ(lambdaThresholdTexts(s), shown);
}

TEST(LambdaComment, KeepsTheFirst100CharactersWithoutLineBreaksOrCommas) {
  const std::string x99(99, 'x'), u100 = [] {
    std::string s;
    for (int i = 0; i < 100; ++i) s += "ä";
    return s;
  }();
  const std::pair<std::string, std::string> cases[] = {
      {"a,b\nc", "abc"},  {"Abstimmung\r\n", "Abstimmung"}, {"", "..."}, {",\r\n", "..."},
      {x99 + ",y", x99},  // cut first: the comma is the 100th character, y the 101st
      {u100 + "ö", u100},
  };
  for (const auto& [typed, kept] : cases) EXPECT_EQ(cleanLambdaComment(typed), kept) << typed;
}

TEST(LambdaPath, LongPathsShowTheirEnds) {
  const std::string fifty = "/home/werkstatt/ORK/Abstimmung/Sommer/2018/Mai/ab/";
  ASSERT_EQ(fifty.size(), 50u);
  EXPECT_EQ(shortenedLambdaPath(fifty), fifty);
  EXPECT_EQ(shortenedLambdaPath(fifty + "x/"), "/home/werkstatt/ORK/Ab ... /Sommer/2018/Mai/ab/x/");
}

}  // namespace
}  // namespace qx
