#pragma once
// The whole program started offscreen in its own folder, without the start logo, with
// scripted dialogs: what the window tests share.

#include <memory>

#include "forms/Hauptdialog.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "ui/app/Application.h"
#include "ui/mainwin/MainWindowController.h"

namespace qx::test {

struct AppHarness {
  // Starts the program; false when start-up ended in a fault.
  bool launch(StartOptions options = {}) {
    options.programDirectory = dir.path();
    options.startLogo = false;
    app = std::make_unique<Application>(options, &requesters);
    return app->start();
  }
  Program& program() { return app->program(); }
  Hauptdialog& mainForm() { return app->mainWindow().form(); }

  TempDir dir;
  ScriptedRequesters requesters;
  std::unique_ptr<Application> app;
};

}  // namespace qx::test
