#include "core/draw/ColumnSpans.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(ColumnSpans, JoinedRunsReachTheNextColumnsEntry) {
  struct Case {
    const char* what;
    std::vector<ColumnSpan> runs, joined;
  };
  const Case cases[] = {
      {"a jump down is filled in the column left", {{10, 12}, {40, 44}}, {{10, 39}, {40, 44}}},
      // Left at the bottom (44), the next column is entered at its bottom (12).
      {"a jump up likewise", {{40, 44}, {10, 12}}, {{13, 44}, {10, 12}}},
      {"a level line stays one row",
       {{50, 50}, {50, 50}, {51, 51}},
       {{50, 50}, {50, 50}, {51, 51}}},
      {"a step of two rows", {{50, 50}, {52, 52}}, {{50, 51}, {52, 52}}},
      // Entered at 15 (a tie goes to the top), left at 25; the last column is nearer at 30.
      {"overlapping runs", {{10, 20}, {15, 25}, {18, 30}}, {{10, 20}, {15, 29}, {18, 30}}},
      // Entered at the bottom, left at 20: the step up to the next top fills the notch.
      {"a notch between full columns", {{5, 60}, {20, 60}, {5, 60}}, {{5, 60}, {6, 60}, {5, 60}}},
      {"an empty column breaks the line",
       {{10, 12}, {0, -1}, {40, 44}, {20, 22}},
       {{10, 12}, {0, -1}, {23, 44}, {20, 22}}},
      {"one column", {{7, 9}}, {{7, 9}}},
  };
  for (const auto& c : cases) {
    std::vector<ColumnSpan> runs = c.runs;
    joinColumnSpans(runs);
    EXPECT_EQ(runs, c.joined) << c.what;
  }
}

}  // namespace
}  // namespace qx
