// Quarnelix: configures, monitors and tunes the ORK ignition and injection unit.

#include <QDir>

#include "platform/QtText.h"
#include "ui/app/Application.h"
#include "ui/app/GuardedApplication.h"

int main(int argc, char** argv) {
  qx::GuardedApplication app(argc, argv);

  qx::StartOptions options;
  // The settings file, the message file and the start sound live in the working folder.
  options.programDirectory = qx::fromQ(QDir::currentPath());

  qx::Application program(options);
  app.onFault = [&program](const qx::FaultReport& fault) { program.loop().fatal(fault); };
  return program.run();
}
