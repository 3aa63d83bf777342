#include "core/setup/EditHistory.h"

namespace qx {

void EditHistory::record(EditStep step) {
  undo_.push_back(std::move(step));
  if (undo_.size() > kDepth) undo_.pop_front();
  redo_.clear();
}

std::optional<EditStep> EditHistory::takeUndo() {
  if (undo_.empty()) return std::nullopt;
  EditStep step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(step);
  return step;
}

std::optional<EditStep> EditHistory::takeRedo() {
  if (redo_.empty()) return std::nullopt;
  EditStep step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(step);
  return step;
}

void EditHistory::clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace qx
