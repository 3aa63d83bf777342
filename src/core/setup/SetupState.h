#pragma once
// The setup as the program holds it: the SetupRecord, its description, what the setup file
// operations keep, and a counter of bulk changes that every window showing setup values
// follows.

#include <string>

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

  // After a bulk change: every window that shows setup values fills them anew.
  void showSetup() { ++revision; }
};

}  // namespace qx
