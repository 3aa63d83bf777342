#pragma once
// The undo and redo history of the point edits in the map and curve editors: each step is
// one user action (a "+"/"-" step, an F3/F4 group shift, an F9 typed value) with the value
// of every point it touched before and after. The history belongs to the setup: a whole
// setup coming in empties it, since its steps would then write stale values.

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

namespace qx {

// The four tables the editors change.
enum class EditedTable : int { InjectionMap = 0, AirTemp = 1, EngineTemp = 2, Ignition = 3 };

struct PointChange {
  int i = 0, j = 0;  // speed or temperature index; throttle index for the map
  int before = 0, after = 0;
  friend bool operator==(const PointChange&, const PointChange&) = default;
};

struct EditStep {
  std::vector<PointChange> changes;
  // The editing point when the step was taken: undo and redo go back there.
  int pointI = 0, pointJ = 0;
  // Group shifts and typed values report the point written ("(i:j)"), key steps do not.
  bool withIndexes = false;
};

class EditHistory {
 public:
  // Steps kept for undo; the oldest goes when a new one would exceed it.
  static constexpr std::size_t kDepth = 1000;

  // A new edit: it can be undone, and what was undone before can no longer be redone.
  void record(EditStep step);
  // The last edit, now to be undone (it moves to the redo list); nothing when there is none.
  std::optional<EditStep> takeUndo();
  // The last undone edit, now to be done again (it moves back to the undo list).
  std::optional<EditStep> takeRedo();
  void clear();
  std::size_t undoCount() const { return undo_.size(); }
  std::size_t redoCount() const { return redo_.size(); }

 private:
  std::deque<EditStep> undo_;
  std::vector<EditStep> redo_;
};

struct EditHistories {
  std::array<EditHistory, 4> tables;
  EditHistory& of(EditedTable t) { return tables[static_cast<std::size_t>(t)]; }
  void clear() {
    for (EditHistory& h : tables) h.clear();
  }
};

}  // namespace qx
