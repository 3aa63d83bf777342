#pragma once
// The setup as the program holds it: the SetupRecord, its description, what the setup file
// operations keep, and a counter of bulk changes that every window showing setup values
// follows.

#include <string>

#include "core/setup/EditHistory.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupRecord.h"

namespace qx {

struct SetupState {
  SetupRecord record;
  // "Beschreibung:" of the main window, saved as the setup file's comment.
  std::string description;
  SetupFileState file;
  // Counts the bulk changes of the setup (read from the unit, file loaded, start values).
  int revision = 0;

  // Undo and redo of the editors' point edits.
  EditHistories history;

  // After a bulk change: every window that shows setup values fills them anew.
  void showSetup() { ++revision; }
  // A whole setup came in (read from the unit, loaded from a file): the old edit steps
  // would write stale values.
  void replacedWhole() {
    history.clear();
    showSetup();
  }
};

}  // namespace qx
