// Quarnelix: configures, monitors and tunes the ORK ignition and injection unit.

#include <QDir>
#include <QStringList>
#include <cstdio>

#include "platform/QtText.h"
#include "ui/app/Application.h"
#include "ui/app/GuardedApplication.h"

namespace {

// The only options: --port PATH (added to the port list and selected), --connect (tick
// "COM" at start) and --open-all-windows (every window opens at start, for measuring).
// Returns false on anything else.
bool parseOptions(const QStringList& args, qx::StartOptions& options) {
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--port") && i + 1 < args.size()) {
      options.extraPorts.push_back(qx::fromQ(args[++i]));
    } else if (args[i] == QLatin1String("--connect")) {
      options.connect = true;
    } else if (args[i] == QLatin1String("--open-all-windows")) {
      options.openAllWindows = true;
    } else {
      std::fprintf(stderr, "quarnelix: unbekannte Option %s\n"
                           "Aufruf: quarnelix [--port PFAD] [--connect] [--open-all-windows]\n",
                   qPrintable(args[i]));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  qx::GuardedApplication app(argc, argv);

  qx::StartOptions options;
  // The settings file, the message file and the start sound live in the working folder.
  options.programDirectory = qx::fromQ(QDir::currentPath());
  if (!parseOptions(QCoreApplication::arguments(), options)) return 2;

  qx::Application program(options);
  app.onFault = [&program](const qx::FaultReport& fault) { program.loop().fatal(fault); };
  return program.run();
}
