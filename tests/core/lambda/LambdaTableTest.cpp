#include "core/lambda/LambdaTable.h"

#include <gtest/gtest.h>

#include "core/link/VitalData.h"

namespace qx {
namespace {

TEST(LambdaFromLive, CellsFollowTheOperatingPointAndStayInsideTheTable) {
  LambdaTable t;
  VitalData v;
  v.lambdaMv = {450.5, 449.4, 1200};
  v.engineSpeedClamped = 16000;
  v.throttlePercent = 255;  // a throttle reading beyond 106 %
  fillLambdaFromLive(t, v);
  EXPECT_EQ(t.at(17, 9, 1), 451);
  EXPECT_EQ(t.at(17, 9, 2), 449);
  EXPECT_EQ(t.at(17, 9, 3), 1200);

  EXPECT_EQ(lambdaCellOf(1499, 6).column, 2);
  EXPECT_EQ(lambdaCellOf(1500, 6).column, 3);  // halves away from zero
  EXPECT_EQ(lambdaCellOf(0, 6).row, 1);
  EXPECT_EQ(lambdaCellOf(0, 7).row, 2);  // 0.56 rounds up
}

}  // namespace
}  // namespace qx
