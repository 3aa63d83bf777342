#include "core/lambda/LambdaTable.h"

#include "core/link/VitalData.h"
#include "core/setup/MapAxes.h"
#include "core/util/Numbers.h"

namespace qx {

LambdaCell lambdaCellOf(int engineSpeedClamped, int throttlePercent) {
  // A throttle reading above 106 % would lie beyond the last row: the cell stays inside.
  const long long column = axes::speedIndexRounded(engineSpeedClamped) + 1;
  const long long row = axes::throttleIndexRounded(throttlePercent) + 1;
  return {static_cast<int>(clampTo<long long>(column, 1, LambdaTable::kColumns)),
          static_cast<int>(clampTo<long long>(row, 1, LambdaTable::kRows))};
}

void fillLambdaFromLive(LambdaTable& table, const VitalData& v) {
  const LambdaCell cell = lambdaCellOf(v.engineSpeedClamped, v.throttlePercent);
  for (int k = 1; k <= 3; ++k)
    table.at(cell.column, cell.row, k) =
        static_cast<int>(roundHalfAway(v.lambdaMv[static_cast<std::size_t>(k - 1)]));
}

}  // namespace qx
