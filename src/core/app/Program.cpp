#include "core/app/Program.h"

namespace qx {

Program::Program(Clock& c, const std::string& programDirectory)
    : clock(c), messages(link, settings, c) {
  info.programDirectory = withTrailingSeparator(programDirectory);
  messages.setFilePath(info.programDirectory + "ORK-Meldungen.txt");
  // Log files go to the program folder until the user chooses another one.
  setLogPath(logger, info.programDirectory);
}

}  // namespace qx
