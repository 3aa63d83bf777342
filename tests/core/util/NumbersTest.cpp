#include "core/util/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace qx {
namespace {

TEST(Rounding, HalfAwayHalfEvenAndTruncation) {
  EXPECT_EQ(roundHalfAway(2.5), 3);
  EXPECT_EQ(roundHalfAway(-2.5), -3);
  EXPECT_EQ(roundHalfAway(0.49), 0);
  EXPECT_EQ(roundHalfAway(-0.5), -1);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(truncateToInt(2.99), 2);
  EXPECT_EQ(truncateToInt(-2.99), -2);
  // Non-finite values never become undefined behaviour.
  EXPECT_EQ(truncateToInt(std::nan("")), 0);
  EXPECT_EQ(roundHalfAway(1e300), std::numeric_limits<long long>::max());
}

TEST(FixedText, UsesAPointWhateverTheLocaleAndRoundsHalfAway) {
  std::setlocale(LC_ALL, "de_DE.UTF-8");  // where available, a comma locale
  EXPECT_EQ(fixedText(1.234, 2), "1.23");
  EXPECT_EQ(fixedText(0.125, 2), "0.13");
  EXPECT_EQ(fixedText(-0.125, 2), "-0.13");
  EXPECT_EQ(fixedText(0.05, 0), "0");
  EXPECT_EQ(fixedText(-0.004, 2), "0.00");
  EXPECT_EQ(fixedText(7, 1), "7.0");
  EXPECT_EQ(fixedText(0.5, 3), "0.500");
  EXPECT_EQ(fixedText(std::numeric_limits<double>::infinity(), 1), "0.0");
  std::setlocale(LC_ALL, "C");
}

TEST(ParseDecimal, AcceptsPointNumbersOnly) {
  EXPECT_EQ(parseDecimal(" 12.5 "), 12.5);
  EXPECT_EQ(parseDecimal("-3"), -3.0);
  EXPECT_EQ(parseDecimal("+4"), 4.0);
  EXPECT_FALSE(parseDecimal("").has_value());
  EXPECT_FALSE(parseDecimal("12,5").has_value());
  EXPECT_FALSE(parseDecimal("abc").has_value());
}

}  // namespace
}  // namespace qx
