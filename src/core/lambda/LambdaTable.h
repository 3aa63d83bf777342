#pragma once
// The unit's lambda table: probe voltages in mV over engine speed (17 columns, 1000 1/min
// apart) and throttle (9 rows, 12.5 % apart), for three probes; indexed from 1.

#include <array>

namespace qx {

struct VitalData;

struct LambdaTable {
  static constexpr int kColumns = 17, kRows = 9, kProbes = 3;

  int& at(int column, int row, int probe) {
    return cells[static_cast<std::size_t>(((column - 1) * kRows + (row - 1)) * kProbes +
                                          (probe - 1))];
  }
  int at(int column, int row, int probe) const {
    return cells[static_cast<std::size_t>(((column - 1) * kRows + (row - 1)) * kProbes +
                                          (probe - 1))];
  }

  // "Werte löschen", and the start of a file load.
  void clear() { cells.fill(0); }

  std::array<int, kColumns * kRows * kProbes> cells{};
  // "Vitaldaten lesen": the table is filled from the live data.
  bool readLive = false;
};

// The cell of the live operating point (column 1..17, row 1..9).
struct LambdaCell {
  int column, row;
};
LambdaCell lambdaCellOf(int engineSpeedClamped, int throttlePercent);

// Writes the sample's three probe voltages into the cell of its operating point.
void fillLambdaFromLive(LambdaTable& table, const VitalData& v);

}  // namespace qx
